// NumberPattern: a number typed by the user as the bytes it is stored as, for the number search:
// integers of 8 to 64 bits, signed or not, floats of 32 and 64 bits, in either byte order.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

enum class NumberKind : uint8_t { Signed, Unsigned, Float };

struct NumberType {
    NumberKind kind = NumberKind::Signed;
    uint8_t size = 4;  // bytes: 1, 2, 4 or 8; 4 or 8 for a float
    bool bigEndian = false;
};

enum class NumberEntry : uint8_t {
    Ok,
    Empty,
    NotANumber,    // neither a decimal nor a hex number (0x...), or a float's NaN
    OutOfRange,    // more than the type holds
    BadTolerance,  // a tolerance that is no number of 0 or more, or one given for an integer
};

struct NumberPattern {
    NumberType type;
    std::vector<uint8_t> bytes;  // the value as stored: what an exact search looks for
    // With a tolerance: the floats from `low` to `high` match, whatever their bytes.
    bool near = false;
    double low = 0;
    double high = 0;
};

// The value of `text` in `type`: decimal with an optional sign, or hex after "0x" (the stored
// bits: 0xFF is -1 as a signed byte, 0x3F800000 is 1.0 as a float). A float's decimal value is
// rounded to the type; `tolerance`, for floats only, is empty for an exact search.
NumberEntry ParseNumber(std::string_view text, NumberType type, std::string_view tolerance, NumberPattern& pattern);

// True when the type's size of bytes at `bytes` is a value the pattern takes.
[[nodiscard]] bool NumberMatches(const NumberPattern& pattern, const uint8_t* bytes) noexcept;

// Reads `count` bytes at `offset`; false when it cannot.
using NumberSource = std::function<bool(uint64_t offset, uint8_t* out, size_t count)>;
inline constexpr uint64_t kNumberNotFound = UINT64_MAX;

// The first offset at or after `from` (or the last at or before it, backwards) where a value
// the pattern takes starts, in data of `size` bytes; kNumberNotFound when there is none, and
// `readFailed` set when a read failed.
[[nodiscard]] uint64_t FindNumber(const NumberPattern& pattern, uint64_t size, uint64_t from, bool forward,
                                  const NumberSource& read, bool& readFailed);
