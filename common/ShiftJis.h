// Shift-JIS scanning: a lead byte and the byte after it form one double-byte character.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// The lead bytes of code page 932: 0x81-0x9F and 0xE0-0xFC. 0xED-0xEE and 0xFA-0xFC lead the
// extension characters (髙 is FB FC, 纊 is FA 5C), 0xF0-0xF9 the user-defined ones.
inline constexpr unsigned char SjisLeadRanges[2][2] = {{0x81, 0x9F}, {0xE0, 0xFC}};

[[nodiscard]] constexpr bool IsSjisLeadByte(unsigned char byte) noexcept
{
    for (const auto& range : SjisLeadRanges)
        if (byte >= range[0] && byte <= range[1])
            return true;
    return false;
}

// Length in bytes of the character that starts at text[at]: 2 for a lead byte followed by
// another byte, else 1. A lead byte at the very end counts alone.
[[nodiscard]] constexpr size_t SjisCharLength(std::string_view text, size_t at) noexcept
{
    return IsSjisLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

// Index of the first single-byte character `c` in text at or after `from`, skipping
// double-byte characters whole (so a trail byte 0x5C is never taken for a backslash);
// npos when there is none.
[[nodiscard]] constexpr size_t SjisFind(std::string_view text, char c, size_t from = 0) noexcept
{
    for (size_t i = from; i < text.size(); i += SjisCharLength(text, i))
        if (text[i] == c && SjisCharLength(text, i) == 1)
            return i;
    return std::string_view::npos;
}

// Index of the last single-byte character `c` in text; npos when there is none.
[[nodiscard]] constexpr size_t SjisFindLast(std::string_view text, char c) noexcept
{
    size_t found = std::string_view::npos;
    for (size_t i = 0; i < text.size(); i += SjisCharLength(text, i))
        if (text[i] == c && SjisCharLength(text, i) == 1)
            found = i;
    return found;
}
