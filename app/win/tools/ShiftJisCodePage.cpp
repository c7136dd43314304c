// ShiftJisCodePage: MultiByteToWideChar and WideCharToMultiByte with code page 932.
#include "app/win/tools/ShiftJisCodePage.h"

#include <windows.h>

namespace {

constexpr UINT kShiftJisCodePage = 932;

} // namespace

std::string ShiftJisCodePage::FromCodePoint(char32_t codePoint) const
{
    wchar_t units[2];
    int count = 1;
    if (codePoint >= 0x10000) {
        units[0] = static_cast<wchar_t>(0xD800 + ((codePoint - 0x10000) >> 10));
        units[1] = static_cast<wchar_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        count = 2;
    } else {
        units[0] = static_cast<wchar_t>(codePoint);
    }
    char bytes[8] = {};
    BOOL usedDefault = FALSE;
    const int length =
        WideCharToMultiByte(kShiftJisCodePage, 0, units, count, bytes, sizeof bytes, nullptr, &usedDefault);
    // A best-fit stand-in does not convert back to the character itself.
    wchar_t back[2] = {};
    if (length <= 0 || usedDefault || MultiByteToWideChar(kShiftJisCodePage, 0, bytes, length, back, 2) != count ||
        back[0] != units[0] || (count == 2 && back[1] != units[1]))
        return {};
    return std::string(bytes, static_cast<size_t>(length));
}

std::optional<char32_t> ShiftJisCodePage::ToCodePoint(std::string_view character) const
{
    wchar_t units[2] = {};
    const int count = MultiByteToWideChar(kShiftJisCodePage, MB_ERR_INVALID_CHARS, character.data(),
                                          static_cast<int>(character.size()), units, 2);
    if (count != 1)
        return std::nullopt;
    return static_cast<char32_t>(units[0]);
}
