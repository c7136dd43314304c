// WheelScroll: how many scroll steps of which kind one wheel message makes.
#pragma once

// The wheel setting that asks for one page per notch instead of a number of lines.
inline constexpr unsigned kWheelPageScroll = 0xFFFFFFFFu;
inline constexpr int kWheelDelta = 120;  // one notch

struct WheelScroll {
    int scrollCode = 0;  // a ControlModel::ScrollCode: line or page, up or down
    int count = 0;       // steps of that code; 0 when the message scrolls nothing
    bool operator==(const WheelScroll&) const = default;
};

// wheelDelta is the signed wheel distance of the message (positive = away from the user, which
// scrolls towards the start); setting the system's lines per notch. Partial notches scroll
// nothing; kWheelPageScroll gives one page step per notch.
[[nodiscard]] WheelScroll WheelScrollSteps(int wheelDelta, unsigned setting) noexcept;
