// The integer text form of stored values, read back with clamping.
#pragma once
#include <string_view>

// Characters before the first decimal digit or minus sign are skipped (none gives 0); then an
// optional minus sign and the digits up to the first non-digit. A number beyond the int range
// is clamped to INT_MIN or INT_MAX.
[[nodiscard]] int ParseStoredInt(std::string_view text) noexcept;
