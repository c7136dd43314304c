// Helpers of the list components: an item's text from its window, items kept before the window exists.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// The text of item `index`, read with the list's length and text messages.
inline std::string ListItemText(HWND window, UINT lengthMessage, UINT textMessage, int index)
{
    const LRESULT length = SendMessageA(window, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied =
        SendMessageA(window, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    return text;
}

// Inserts at `index`, or at the end for an index outside the items.
inline void InsertPendingItem(std::vector<std::string>& pending, int index, std::string_view text)
{
    const auto at = index < 0 || index > static_cast<int>(pending.size()) ? pending.end() : pending.begin() + index;
    pending.insert(at, std::string(text));
}
