// TListControl: the items and selected index that list boxes and combo boxes share.
#include "app/win/ui/TListControl.h"

#include "common/win/WideText.h"

#include <algorithm>

TListControl::TListControl(std::string name, const Messages& messages)
    : TControl(std::move(name)), messages_(messages)
{
    SetTabStop(true);
}

void TListControl::Created()
{
    for (const std::wstring& item : pending_)
        SendMessageW(Handle(), messages_.addString, 0, reinterpret_cast<LPARAM>(item.c_str()));
    pending_.clear();
    SetItemIndex(pendingIndex_);
}

void TListControl::Clear()
{
    pending_.clear();
    pendingIndex_ = -1;
    if (Handle())
        SendMessageA(Handle(), messages_.resetContent, 0, 0);
}

int TListControl::Add(std::string_view text) { return Add(WideFromAnsi(text)); }

int TListControl::Add(std::wstring_view text)
{
    if (!Handle()) {
        pending_.emplace_back(text);
        if (sorted_)
            std::sort(pending_.begin(), pending_.end());
        return static_cast<int>(std::find(pending_.begin(), pending_.end(), text) - pending_.begin());
    }
    const std::wstring item(text);
    return static_cast<int>(
        SendMessageW(Handle(), messages_.addString, 0, reinterpret_cast<LPARAM>(item.c_str())));
}

void TListControl::Insert(int index, std::string_view text)
{
    if (!Handle()) {
        // An index outside the items inserts at the end.
        const auto at =
            index < 0 || index > static_cast<int>(pending_.size()) ? pending_.end() : pending_.begin() + index;
        pending_.insert(at, WideFromAnsi(text));
        return;
    }
    const std::string item(text);
    SendMessageA(Handle(), messages_.insertString, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(item.c_str()));
}

void TListControl::Delete(int index)
{
    if (!Handle()) {
        if (index >= 0 && index < static_cast<int>(pending_.size()))
            pending_.erase(pending_.begin() + index);
        return;
    }
    SendMessageA(Handle(), messages_.deleteString, static_cast<WPARAM>(index), 0);
}

int TListControl::Count() const
{
    return Handle() ? static_cast<int>(SendMessageA(Handle(), messages_.getCount, 0, 0))
                    : static_cast<int>(pending_.size());
}

std::string TListControl::Item(int index) const { return AnsiText(WideItem(index)); }

std::wstring TListControl::WideItem(int index) const
{
    if (!Handle())
        return index >= 0 && index < static_cast<int>(pending_.size()) ? pending_[static_cast<size_t>(index)]
                                                                        : std::wstring();
    const LRESULT length = SendMessageW(Handle(), messages_.getTextLength, static_cast<WPARAM>(index), 0);
    if (length < 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(Handle(), messages_.getText, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    return text;
}

void TListControl::SetItemIndex(int index)
{
    pendingIndex_ = index;
    if (Handle())
        SendMessageA(Handle(), messages_.setCurSel, static_cast<WPARAM>(index), 0);
}

int TListControl::ItemIndex() const
{
    return Handle() ? static_cast<int>(SendMessageA(Handle(), messages_.getCurSel, 0, 0)) : pendingIndex_;
}
