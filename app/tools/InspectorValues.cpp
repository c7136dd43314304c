// InspectorRows: integers of both byte orders, floats, the byte's bits and the character at the caret.
#include "app/tools/InspectorValues.h"

#include "app/texts/ProgramTexts.h"
#include "common/ShiftJis.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <iterator>
#include <type_traits>

namespace {

constexpr std::string_view kInvalid = kTextInspectorInvalid;
constexpr std::string_view kIncomplete = kTextInspectorIncomplete;
constexpr size_t kLabelColumn = 23;

constexpr std::span<const char* const> kLabels = kTextInspectorLabels;

uint64_t ReadUnsigned(std::span<const uint8_t> bytes, size_t size, bool bigEndian) noexcept
{
    return InspectorUnsigned(bytes, size, bigEndian);
}

int64_t SignExtended(uint64_t value, size_t size) noexcept
{
    const unsigned unused = static_cast<unsigned>(64 - 8 * size);
    return static_cast<int64_t>(value << unused) >> unused;
}

// Upper-case hex digits, at least `width` of them.
std::string HexNumber(uint64_t value, size_t width)
{
    char digits[16];
    size_t count = 0;
    for (; value != 0 || count < width; value >>= 4)
        digits[count++] = "0123456789ABCDEF"[value & 15];
    return std::string(std::make_reverse_iterator(digits + count), std::make_reverse_iterator(digits));
}

std::string HexBytes(std::span<const uint8_t> bytes)
{
    std::string text;
    for (const uint8_t byte : bytes) {
        if (!text.empty())
            text += ' ';
        text += HexNumber(byte, 2);
    }
    return text;
}

std::string Flawed(std::string_view what, std::span<const uint8_t> bytes)
{
    return std::string(what) + " (" + HexBytes(bytes) + ")";
}

std::string CodePointText(char32_t codePoint) { return "U+" + HexNumber(codePoint, 4); }

bool IsControl(char32_t codePoint) noexcept
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F);
}

// The character as the code page shows it, then its code point; a control character or one
// the code page cannot show by its code point alone.
std::string CharacterText(char32_t codePoint, std::string_view shown)
{
    if (IsControl(codePoint))
        return CodePointText(codePoint) + " " + kTextInspectorControl;
    if (shown.empty())
        return CodePointText(codePoint);
    return std::string(shown) + " " + CodePointText(codePoint);
}

std::string ShiftJisText(std::span<const uint8_t> bytes, const InspectorCodePage& codePage)
{
    if (bytes.empty())
        return std::string(kTextInspectorPastEnd);
    const uint8_t lead = bytes[0];
    size_t length = 1;
    if (IsSjisLeadByte(lead)) {
        if (bytes.size() < 2)
            return Flawed(kIncomplete, bytes.first(1));
        const uint8_t trail = bytes[1];
        if (trail < 0x40 || trail == 0x7F || trail > 0xFC)
            return Flawed(kInvalid, bytes.first(2));
        length = 2;
    } else if (lead == 0x80 || lead == 0xA0 || lead > 0xFC) {
        return Flawed(kInvalid, bytes.first(1));
    }
    const std::string_view character(reinterpret_cast<const char*>(bytes.data()), length);
    const std::optional<char32_t> codePoint = codePage.ToCodePoint(character);
    if (!codePoint)
        return Flawed(kInvalid, bytes.first(length));
    return CharacterText(*codePoint, character);
}

std::string Utf16Text(std::span<const uint8_t> bytes, const InspectorCodePage& codePage)
{
    if (bytes.size() < 2)
        return std::string(kTextInspectorPastEnd);
    const char32_t first = ReadUnsigned(bytes, 2, false);
    char32_t codePoint = first;
    if (first >= 0xDC00 && first <= 0xDFFF)
        return Flawed(kInvalid, bytes.first(2));
    if (first >= 0xD800 && first <= 0xDBFF) {
        if (bytes.size() < 4)
            return Flawed(kIncomplete, bytes.first(bytes.size()));
        const char32_t second = ReadUnsigned(bytes.subspan(2), 2, false);
        if (second < 0xDC00 || second > 0xDFFF)
            return Flawed(kInvalid, bytes.first(4));
        codePoint = 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
    }
    return CharacterText(codePoint, codePage.FromCodePoint(codePoint));
}

std::string Utf8Text(std::span<const uint8_t> bytes, const InspectorCodePage& codePage)
{
    if (bytes.empty())
        return std::string(kTextInspectorPastEnd);
    const uint8_t lead = bytes[0];
    size_t length = 0;
    char32_t codePoint = 0;
    // The second byte's range excludes overlong forms, surrogates and code points past U+10FFFF.
    uint8_t secondLow = 0x80, secondHigh = 0xBF;
    if (lead < 0x80) {
        length = 1;
        codePoint = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        secondLow = lead == 0xE0 ? 0xA0 : 0x80;
        secondHigh = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        secondLow = lead == 0xF0 ? 0x90 : 0x80;
        secondHigh = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return Flawed(kInvalid, bytes.first(1));
    }
    for (size_t i = 1; i < length; ++i) {
        if (i >= bytes.size())
            return Flawed(kIncomplete, bytes);
        const uint8_t next = bytes[i];
        const bool inRange = i == 1 ? next >= secondLow && next <= secondHigh : next >= 0x80 && next <= 0xBF;
        if (!inRange)
            return Flawed(kInvalid, bytes.first(i + 1));
        codePoint = codePoint << 6 | (next & 0x3F);
    }
    return CharacterText(codePoint, codePage.FromCodePoint(codePoint));
}

template <typename Float>
std::string FloatTextOf(Float value)
{
    using Bits = std::conditional_t<sizeof(Float) == 4, uint32_t, uint64_t>;
    if (std::isnan(value)) {
        return "NaN (" + HexNumber(std::bit_cast<Bits>(value), 2 * sizeof(Bits)) + ")";
    }
    if (std::isinf(value))
        return value > 0 ? kTextInspectorPlusInfinity : kTextInspectorMinusInfinity;
    char digits[64] = {};
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    std::string text(digits, end);
    if (std::fpclassify(value) == FP_SUBNORMAL)
        text += kTextInspectorDenormal;
    return text;
}

} // namespace

uint64_t InspectorUnsigned(std::span<const uint8_t> bytes, size_t size, bool bigEndian) noexcept
{
    uint64_t value = 0;
    for (size_t i = 0; i < size; ++i)
        value |= static_cast<uint64_t>(bytes[bigEndian ? size - 1 - i : i]) << (8 * i);
    return value;
}

std::string FloatText(float value) { return FloatTextOf(value); }
std::string FloatText(double value) { return FloatTextOf(value); }

size_t InspectorRowCount() noexcept { return kLabels.size(); }

std::vector<InspectorRow> InspectorRows(std::span<const uint8_t> bytes, const InspectorCodePage& codePage)
{
    if (bytes.size() > InspectorByteCount)
        bytes = bytes.first(InspectorByteCount);
    std::vector<std::string> texts;
    texts.reserve(kLabels.size());
    for (const size_t size : {1, 2, 4, 8}) {
        for (const bool bigEndian : {false, true}) {
            if (size == 1 && bigEndian)
                continue;
            if (bytes.size() < size) {
                texts.emplace_back(kTextInspectorPastEnd);
                texts.emplace_back(kTextInspectorPastEnd);
                continue;
            }
            const uint64_t value = ReadUnsigned(bytes, size, bigEndian);
            texts.push_back(std::to_string(SignExtended(value, size)));
            texts.push_back(std::to_string(value));
        }
    }
    for (const size_t size : {4, 8}) {
        for (const bool bigEndian : {false, true}) {
            if (bytes.size() < size)
                texts.emplace_back(kTextInspectorPastEnd);
            else if (size == 4)
                texts.push_back(
                    FloatText(std::bit_cast<float>(static_cast<uint32_t>(ReadUnsigned(bytes, 4, bigEndian)))));
            else
                texts.push_back(FloatText(std::bit_cast<double>(ReadUnsigned(bytes, 8, bigEndian))));
        }
    }
    if (bytes.empty()) {
        texts.emplace_back(kTextInspectorPastEnd);
    } else {
        std::string bits;
        for (int bit = 7; bit >= 0; --bit) {
            bits += (bytes[0] >> bit & 1) ? '1' : '0';
            if (bit == 4)
                bits += ' ';
        }
        texts.push_back(bits);
    }
    texts.push_back(ShiftJisText(bytes, codePage));
    texts.push_back(Utf16Text(bytes, codePage));
    texts.push_back(Utf8Text(bytes, codePage));

    std::vector<InspectorRow> rows;
    rows.reserve(kLabels.size());
    for (size_t i = 0; i < kLabels.size(); ++i)
        rows.push_back({std::string(kLabels[i]), std::move(texts[i])});
    return rows;
}

std::string InspectorLine(const InspectorRow& row)
{
    std::string line = row.label;
    line.append(line.size() < kLabelColumn ? kLabelColumn - line.size() : 1, ' ');
    return line + row.text;
}

std::string InspectorCopyText(std::span<const InspectorRow> rows)
{
    std::string text;
    for (const InspectorRow& row : rows)
        text += row.label + "\t" + row.text + "\r\n";
    return text;
}
