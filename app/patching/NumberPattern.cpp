// NumberPattern: parsing a typed number into its stored bytes, and the scan for near floats.
#include "app/patching/NumberPattern.h"

#include "app/tools/InspectorValues.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

[[nodiscard]] std::string_view Trimmed(std::string_view text) noexcept
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

[[nodiscard]] bool HexPrefixed(std::string_view text) noexcept
{
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

// The whole text as an unsigned number in `base`; false for anything else or past 64 bits.
[[nodiscard]] bool WholeUnsigned(std::string_view text, int base, uint64_t& value) noexcept
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return error == std::errc() && end == text.data() + text.size();
}

void Store(uint64_t bits, NumberPattern& pattern)
{
    const size_t size = pattern.type.size;
    pattern.bytes.resize(size);
    for (size_t i = 0; i < size; ++i)
        pattern.bytes[pattern.type.bigEndian ? size - 1 - i : i] = static_cast<uint8_t>(bits >> (8 * i));
}

[[nodiscard]] uint64_t MaskOf(size_t size) noexcept { return size == 8 ? UINT64_MAX : (uint64_t{1} << (8 * size)) - 1; }

NumberEntry ParseInteger(std::string_view text, NumberPattern& pattern)
{
    const NumberType type = pattern.type;
    const uint64_t mask = MaskOf(type.size);
    uint64_t magnitude = 0;
    if (HexPrefixed(text)) {
        if (!WholeUnsigned(text.substr(2), 16, magnitude))
            return text.find_first_not_of("0123456789abcdefABCDEF", 2) == std::string_view::npos
                       ? NumberEntry::OutOfRange
                       : NumberEntry::NotANumber;
        if (magnitude > mask)
            return NumberEntry::OutOfRange;
        Store(magnitude, pattern);
        return NumberEntry::Ok;
    }
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        text.remove_prefix(1);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
        return NumberEntry::NotANumber;
    if (!WholeUnsigned(text, 10, magnitude))
        return NumberEntry::OutOfRange;
    if (type.kind == NumberKind::Unsigned) {
        if ((negative && magnitude != 0) || magnitude > mask)
            return NumberEntry::OutOfRange;
        Store(magnitude, pattern);
        return NumberEntry::Ok;
    }
    const uint64_t highest = mask >> 1;  // the largest positive value; one more is the lowest negative
    if (magnitude > (negative ? highest + 1 : highest))
        return NumberEntry::OutOfRange;
    Store((negative ? 0 - magnitude : magnitude) & mask, pattern);
    return NumberEntry::Ok;
}

[[nodiscard]] bool WholeDouble(std::string_view text, double& value) noexcept
{
    if (!text.empty() && text[0] == '+')
        text.remove_prefix(1);
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    return error == std::errc() && end == text.data() + text.size() && !std::isnan(value);
}

NumberEntry ParseFloat(std::string_view text, std::string_view tolerance, NumberPattern& pattern)
{
    const bool single = pattern.type.size == 4;
    double value = 0;
    if (HexPrefixed(text)) {
        uint64_t bits = 0;
        if (!WholeUnsigned(text.substr(2), 16, bits))
            return NumberEntry::NotANumber;
        if (bits > MaskOf(pattern.type.size))
            return NumberEntry::OutOfRange;
        value = single ? double(std::bit_cast<float>(static_cast<uint32_t>(bits))) : std::bit_cast<double>(bits);
        Store(bits, pattern);
    } else {
        if (!WholeDouble(text, value) || std::isinf(value))
            return NumberEntry::NotANumber;
        if (single && std::fabs(value) > double(std::numeric_limits<float>::max()))
            return NumberEntry::OutOfRange;
        Store(single ? std::bit_cast<uint32_t>(static_cast<float>(value)) : std::bit_cast<uint64_t>(value), pattern);
    }
    if (tolerance.empty())
        return NumberEntry::Ok;
    double within = 0;
    if (!WholeDouble(tolerance, within) || within < 0 || std::isinf(within) || std::isnan(value))
        return NumberEntry::BadTolerance;
    pattern.near = true;
    pattern.low = value - within;
    pattern.high = value + within;
    return NumberEntry::Ok;
}

} // namespace

NumberEntry ParseNumber(std::string_view text, NumberType type, std::string_view tolerance, NumberPattern& pattern)
{
    pattern = {};
    pattern.type = type;
    text = Trimmed(text);
    tolerance = Trimmed(tolerance);
    if (text.empty())
        return NumberEntry::Empty;
    if (type.kind != NumberKind::Float)
        return tolerance.empty() ? ParseInteger(text, pattern) : NumberEntry::BadTolerance;
    return ParseFloat(text, tolerance, pattern);
}

bool NumberMatches(const NumberPattern& pattern, const uint8_t* bytes) noexcept
{
    if (!pattern.near)
        return std::equal(pattern.bytes.begin(), pattern.bytes.end(), bytes);
    const uint64_t bits = InspectorUnsigned({bytes, pattern.type.size}, pattern.type.size, pattern.type.bigEndian);
    const double value = pattern.type.size == 4 ? double(std::bit_cast<float>(static_cast<uint32_t>(bits)))
                                                : std::bit_cast<double>(bits);
    return value >= pattern.low && value <= pattern.high;  // false for NaN
}

uint64_t FindNumber(const NumberPattern& pattern, uint64_t size, uint64_t from, bool forward, const NumberSource& read,
                    bool& readFailed)
{
    readFailed = false;
    const size_t width = pattern.type.size;
    if (size < width)
        return kNumberNotFound;
    const uint64_t lastStart = size - width;
    constexpr size_t kPiece = 1u << 20;
    std::vector<uint8_t> buffer(kPiece + width);
    if (forward) {
        for (uint64_t at = from; at <= lastStart;) {
            const size_t starts = static_cast<size_t>(std::min<uint64_t>(kPiece, lastStart - at + 1));
            if (!read(at, buffer.data(), starts + width - 1)) {
                readFailed = true;
                return kNumberNotFound;
            }
            for (size_t i = 0; i < starts; ++i)
                if (NumberMatches(pattern, buffer.data() + i))
                    return at + i;
            at += starts;
        }
        return kNumberNotFound;
    }
    for (uint64_t end = std::min(from, lastStart) + 1; end > 0;) {
        const size_t starts = static_cast<size_t>(std::min<uint64_t>(kPiece, end));
        const uint64_t at = end - starts;
        if (!read(at, buffer.data(), starts + width - 1)) {
            readFailed = true;
            return kNumberNotFound;
        }
        for (size_t i = starts; i-- > 0;)
            if (NumberMatches(pattern, buffer.data() + i))
                return at + i;
        end = at;
    }
    return kNumberNotFound;
}
