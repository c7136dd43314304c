// ParseStoredInt: decimal texts as the stores keep them, clamped to the int range.
#include "common/DecimalText.h"

#include <climits>
#include <cstdint>

int ParseStoredInt(std::string_view text) noexcept
{
    size_t at = 0;
    while (at < text.size() && text[at] != '-' && (text[at] < '0' || text[at] > '9'))
        ++at;
    const bool negative = at < text.size() && text[at] == '-';
    if (negative)
        ++at;
    // Accumulate towards the sign; stop growing once past the range, the digits are still read.
    const int64_t limit = negative ? -static_cast<int64_t>(INT_MIN) : INT_MAX;
    int64_t magnitude = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        if (magnitude < limit)
            magnitude = magnitude * 10 + (text[at] - '0');
    if (magnitude > limit)
        magnitude = limit;
    return static_cast<int>(negative ? -magnitude : magnitude);
}
