// WheelScroll: how many lines one wheel message scrolls.
#pragma once
#include <cstdint>

// The wheel setting that asks for one page per notch instead of a number of lines.
inline constexpr unsigned kWheelPageScroll = 0xFFFFFFFFu;
inline constexpr int kWheelDelta = 120;  // one notch

// The lines to scroll, negative towards the start. wheelDelta is the signed wheel distance of
// the message (positive = away from the user, which scrolls towards the start); setting the
// system's lines per notch; pageLines the lines of one page. Partial notches scroll nothing; a
// setting of kWheelPageScroll, or one at or beyond a page, scrolls a page per notch.
[[nodiscard]] int64_t WheelScrollLines(int wheelDelta, unsigned setting, int pageLines) noexcept;
