// The control's default font, kept as the hexadecimal text of its 60-byte LOGFONT.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// Height -15, weight 400, fixed pitch and modern family, face "ＭＳ ゴシック" (Shift-JIS).
inline constexpr std::string_view kDefaultLogFontText =
    "F1FFFFFF000000000000000000000000900100000000000003020131826C827220835383568362834E00000000000000000000000000000000000000";

inline constexpr size_t kLogFontSize = 60;

// Decodes two hex digits per byte (either case) into out, stopping at the first character
// that is not a hex digit, at an odd last digit, or when out is full; returns the bytes written.
size_t DecodeHexPrefix(std::string_view text, uint8_t* out, size_t capacity) noexcept;
