// Byte strings as text: two upper-case hex digits per byte, and the rules of the hex entry fields.
#pragma once
#include "common/_CVec.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// "A04932" for the bytes A0 49 32; high digit first, no separators; empty for no bytes.
[[nodiscard]] std::string BytesToHex(const uint8_t* bytes, size_t count);
[[nodiscard]] std::string BytesToHex(const _CVec<uint8_t>& bytes);

// Sizes `bytes` to text.size() / 2 zero bytes and converts the text into them. An odd length
// converts nothing; at the first pair holding anything but 0-9, A-F, a-f the conversion stops
// and the remaining bytes stay zero. True when every pair was converted.
bool HexToBytes(std::string_view text, _CVec<uint8_t>& bytes);

// Value of one hex digit (either case), or -1.
[[nodiscard]] constexpr int HexDigitValue(char digit) noexcept
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return -1;
}

// Even length and hex digits only (either case); blanks and anything else are refused,
// nothing is stripped. The empty text passes.
[[nodiscard]] bool IsHexByteText(std::string_view text) noexcept;

// A byte pattern: pairs of hex digits (either case) where '?' stands for a digit of any value:
// "4?" is 40 to 4F, "??" any byte. Even length; nothing else.
[[nodiscard]] bool IsPatternText(std::string_view text) noexcept;

// The pattern's bytes and a mask per byte (0xFF known, 0xF0 or 0x0F half known, 0 any), the
// unknown digits as 0; false, with both empty, unless IsPatternText. `masks` is left empty for
// a pattern without '?'.
bool HexToPattern(std::string_view text, _CVec<uint8_t>& bytes, _CVec<uint8_t>& masks);

// The pattern as the search field shows it: upper-case digits, '?' for each unknown one.
[[nodiscard]] std::string PatternToHex(const _CVec<uint8_t>& bytes, const _CVec<uint8_t>& masks);

// The search field: a non-empty pattern text (exact bytes, or with '?').
[[nodiscard]] bool IsFindText(std::string_view text) noexcept;

// The replace dialog: an exact search text, a byte text for the replacement (empty deletes the
// matches), and the two must stand for different bytes ("a0" and "A0" are the same).
[[nodiscard]] bool IsReplaceEntry(std::string_view findText, std::string_view replaceText) noexcept;
