// BytePosition: number texts and the entry check of the jump dialog.
#include "app/find/BytePosition.h"

#include "app/find/ByteText.h"

std::string PositionText(uint64_t value, PositionRadix radix)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    const uint64_t base = radix == PositionRadix::Hex ? 16 : 10;
    std::string reversed;
    do {
        reversed.push_back(digits[value % base]);
        value /= base;
    } while (value);
    return std::string(reversed.rbegin(), reversed.rend());
}

std::optional<uint64_t> ParsePosition(std::string_view text, PositionRadix radix) noexcept
{
    if (text.empty())
        return std::nullopt;
    const uint64_t base = radix == PositionRadix::Hex ? 16 : 10;
    uint64_t value = 0;
    for (const char c : text) {
        const int digit = radix == PositionRadix::Hex ? HexDigitValue(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (digit < 0)
            return std::nullopt;
        if (value > (UINT64_MAX - static_cast<uint64_t>(digit)) / base)
            return std::nullopt;
        value = value * base + static_cast<uint64_t>(digit);
    }
    return static_cast<uint64_t>(value);
}

std::string BytePosition::InfoText() const
{
    const uint64_t last = dataSize_ ? dataSize_ - 1 : 0;
    return PositionText(currentOffset_, radix_) + " [0 - " + PositionText(last, radix_) + "]";
}

std::optional<uint64_t> BytePosition::GetNewPosition(std::string_view text) const noexcept
{
    const auto value = ParsePosition(text, radix_);
    if (!value || *value >= dataSize_)
        return std::nullopt;
    return value;
}
