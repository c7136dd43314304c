// The clipboard's plain text (CF_TEXT): putting a text there and reading it back.
#include "app/win/system/Clipboard.h"

#include <cstring>

namespace {

// Another program may hold the clipboard for a moment: try a few times.
bool OpenTheClipboard(HWND owner) noexcept
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        Sleep(10);
    }
    return false;
}

class ClipboardScope {
public:
    explicit ClipboardScope(HWND owner) noexcept : open_(OpenTheClipboard(owner)) {}
    ~ClipboardScope()
    {
        if (open_)
            CloseClipboard();
    }
    ClipboardScope(const ClipboardScope&) = delete;
    ClipboardScope& operator=(const ClipboardScope&) = delete;
    [[nodiscard]] bool open() const noexcept { return open_; }

private:
    bool open_;
};

} // namespace

bool PutClipboardText(HWND owner, std::string_view text)
{
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory)
        return false;
    if (auto* bytes = static_cast<char*>(GlobalLock(memory))) {
        std::memcpy(bytes, text.data(), text.size());
        bytes[text.size()] = '\0';
        GlobalUnlock(memory);
    } else {
        GlobalFree(memory);
        return false;
    }
    ClipboardScope clipboard(owner);
    if (!clipboard.open() || !EmptyClipboard() || !SetClipboardData(CF_TEXT, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true;  // the clipboard owns the memory now
}

bool ClipboardHasText() noexcept { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

std::optional<std::string> ClipboardText(HWND owner)
{
    if (!ClipboardHasText())
        return std::nullopt;
    ClipboardScope clipboard(owner);
    if (!clipboard.open())
        return std::nullopt;
    const HANDLE memory = GetClipboardData(CF_TEXT);
    if (!memory)
        return std::nullopt;
    const auto* bytes = static_cast<const char*>(GlobalLock(memory));
    if (!bytes)
        return std::nullopt;
    const size_t capacity = GlobalSize(memory);
    std::string text(bytes, strnlen(bytes, capacity));
    GlobalUnlock(memory);
    return text;
}
