// UTF-16LE bytes of names, on a wchar_t of either width.
#include "common/Utf16Bytes.h"

namespace {

constexpr bool kWideIsUtf16 = sizeof(wchar_t) == 2;

void PutUnit(std::vector<uint8_t>& out, uint32_t unit)
{
    out.push_back(static_cast<uint8_t>(unit));
    out.push_back(static_cast<uint8_t>(unit >> 8));
}

[[nodiscard]] uint32_t UnitAt(const uint8_t* bytes, size_t index) noexcept
{
    return bytes[2 * index] | uint32_t{bytes[2 * index + 1]} << 8;
}

} // namespace

size_t Utf16Length(std::wstring_view text) noexcept
{
    size_t units = text.size();
    if constexpr (!kWideIsUtf16)
        for (const wchar_t c : text)
            units += (static_cast<uint32_t>(c) >> 16) != 0 ? 1 : 0;
    return units;
}

void AppendUtf16Le(std::vector<uint8_t>& out, std::wstring_view text)
{
    for (const wchar_t c : text) {
        const auto value = static_cast<uint32_t>(c);
        if (!kWideIsUtf16 && value > 0xFFFF) {
            PutUnit(out, 0xD800 + ((value - 0x10000) >> 10));
            PutUnit(out, 0xDC00 + ((value - 0x10000) & 0x3FF));
        } else {
            PutUnit(out, value);
        }
    }
}

std::wstring ReadUtf16Le(const uint8_t* bytes, size_t unitCount)
{
    std::wstring text;
    text.reserve(unitCount);
    for (size_t i = 0; i < unitCount; ++i) {
        const uint32_t unit = UnitAt(bytes, i);
        if (!kWideIsUtf16 && unit >= 0xD800 && unit < 0xDC00 && i + 1 < unitCount) {
            const uint32_t low = UnitAt(bytes, i + 1);
            if (low >= 0xDC00 && low < 0xE000) {
                text.push_back(static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
                ++i;
                continue;
            }
        }
        text.push_back(static_cast<wchar_t>(unit));
    }
    return text;
}

namespace {

// The code points of a text: surrogate pairs joined where wchar_t is UTF-16.
template <typename Visit>
void ForEachCodePoint(std::wstring_view text, Visit visit)
{
    for (size_t at = 0; at < text.size(); ++at) {
        uint32_t value = static_cast<uint32_t>(text[at]);
        if (value >= 0xD800 && value < 0xDC00 && at + 1 < text.size()) {
            const auto low = static_cast<uint32_t>(text[at + 1]);
            if (low >= 0xDC00 && low < 0xE000) {
                value = 0x10000 + ((value - 0xD800) << 10) + (low - 0xDC00);
                ++at;
            }
        }
        visit(value >= 0xD800 && value < 0xE000 ? 0xFFFD : value);
    }
}

void PutCodePoint(std::wstring& text, uint32_t value)
{
    if (kWideIsUtf16 && value > 0xFFFF) {
        text.push_back(static_cast<wchar_t>(0xD800 + ((value - 0x10000) >> 10)));
        text.push_back(static_cast<wchar_t>(0xDC00 + ((value - 0x10000) & 0x3FF)));
    } else {
        text.push_back(static_cast<wchar_t>(value));
    }
}

} // namespace

std::string Utf8Of(std::wstring_view text)
{
    std::string bytes;
    ForEachCodePoint(text, [&bytes](uint32_t value) {
        if (value < 0x80) {
            bytes.push_back(static_cast<char>(value));
        } else if (value < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | value >> 6));
            bytes.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        } else if (value < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | value >> 12));
            bytes.push_back(static_cast<char>(0x80 | (value >> 6 & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | value >> 18));
            bytes.push_back(static_cast<char>(0x80 | (value >> 12 & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (value >> 6 & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        }
    });
    return bytes;
}

std::wstring WideFromUtf8(std::string_view bytes)
{
    std::wstring text;
    for (size_t at = 0; at < bytes.size();) {
        const auto lead = static_cast<uint8_t>(bytes[at]);
        const size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                            : lead >= 0xF0 && lead < 0xF5                   ? 4
                                                                            : 0;
        uint32_t value = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        bool formed = length != 0 && at + length <= bytes.size();
        for (size_t i = 1; formed && i < length; ++i) {
            const auto next = static_cast<uint8_t>(bytes[at + i]);
            formed = (next & 0xC0) == 0x80;
            value = value << 6 | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are no characters.
        const uint32_t least = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0;
        formed = formed && value >= least && value <= 0x10FFFF && !(value >= 0xD800 && value < 0xE000);
        PutCodePoint(text, formed ? value : 0xFFFD);
        at += formed ? length : 1;
    }
    return text;
}
