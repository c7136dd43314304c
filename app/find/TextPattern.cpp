// TextPattern: Shift-JIS text to Shift-JIS, UTF-16LE or UTF-8 bytes, every encoding checked through UTF-16.
#include "app/find/TextPattern.h"

#include "common/ShiftJis.h"

namespace {

[[nodiscard]] constexpr bool isAsciiLetter(uint32_t value) noexcept
{
    return (value >= 'A' && value <= 'Z') || (value >= 'a' && value <= 'z');
}

// A trail byte may lie in the lead range too, so only a scan from the start tells.
[[nodiscard]] bool endsInLoneLeadByte(std::string_view text) noexcept
{
    size_t at = 0;
    while (at + SjisCharLength(text, at) < text.size())
        at += SjisCharLength(text, at);
    return SjisCharLength(text, at) == 1 && IsSjisLeadByte(static_cast<unsigned char>(text[at]));
}

void put(TextPattern& pattern, uint8_t byte, bool letter)
{
    pattern.bytes.push_back(byte);
    pattern.letters.push_back(letter ? 1 : 0);
}

void putShiftJis(std::string_view text, TextPattern& pattern)
{
    for (size_t at = 0; at < text.size();) {
        const size_t length = SjisCharLength(text, at);
        for (size_t i = 0; i < length; ++i) {
            const auto byte = static_cast<uint8_t>(text[at + i]);
            put(pattern, byte, length == 1 && isAsciiLetter(byte));
        }
        at += length;
    }
}

void putUtf16Le(const std::u16string& units, TextPattern& pattern)
{
    for (const char16_t unit : units) {
        put(pattern, static_cast<uint8_t>(unit & 0xFF), isAsciiLetter(unit));
        put(pattern, static_cast<uint8_t>(unit >> 8), false);
    }
}

// False on a surrogate without its partner.
bool putUtf8(const std::u16string& units, TextPattern& pattern)
{
    for (size_t i = 0; i < units.size(); ++i) {
        uint32_t code = units[i];
        if (code >= 0xDC00 && code <= 0xDFFF)
            return false;
        if (code >= 0xD800 && code <= 0xDBFF) {
            if (i + 1 == units.size() || units[i + 1] < 0xDC00 || units[i + 1] > 0xDFFF)
                return false;
            code = 0x10000 + ((code - 0xD800) << 10) + (units[++i] - 0xDC00);
        }
        if (code < 0x80) {
            put(pattern, static_cast<uint8_t>(code), isAsciiLetter(code));
        } else if (code < 0x800) {
            put(pattern, static_cast<uint8_t>(0xC0 | code >> 6), false);
            put(pattern, static_cast<uint8_t>(0x80 | (code & 0x3F)), false);
        } else if (code < 0x10000) {
            put(pattern, static_cast<uint8_t>(0xE0 | code >> 12), false);
            put(pattern, static_cast<uint8_t>(0x80 | (code >> 6 & 0x3F)), false);
            put(pattern, static_cast<uint8_t>(0x80 | (code & 0x3F)), false);
        } else {
            put(pattern, static_cast<uint8_t>(0xF0 | code >> 18), false);
            put(pattern, static_cast<uint8_t>(0x80 | (code >> 12 & 0x3F)), false);
            put(pattern, static_cast<uint8_t>(0x80 | (code >> 6 & 0x3F)), false);
            put(pattern, static_cast<uint8_t>(0x80 | (code & 0x3F)), false);
        }
    }
    return true;
}

} // namespace

bool TextToPattern(std::string_view text, TextEncoding encoding, const SjisToUtf16& toUtf16, TextPattern& pattern)
{
    pattern.bytes.clear();
    pattern.letters.clear();
    if (text.empty() || endsInLoneLeadByte(text))
        return false;
    const std::optional<std::u16string> units = toUtf16(text);
    if (!units || units->empty())
        return false;
    bool converted = true;
    switch (encoding) {
    case TextEncoding::ShiftJis:
        putShiftJis(text, pattern);
        break;
    case TextEncoding::Utf16Le:
        putUtf16Le(*units, pattern);
        break;
    case TextEncoding::Utf8:
        converted = putUtf8(*units, pattern);
        break;
    }
    if (!converted) {
        pattern.bytes.clear();
        pattern.letters.clear();
    }
    return converted;
}
