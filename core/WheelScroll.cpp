// WheelScroll: wheel notches to scroll steps.
#include "core/WheelScroll.h"

#include <climits>
#include <cstdint>

#include "core/ControlModel.h"

WheelScroll WheelScrollSteps(int wheelDelta, unsigned setting) noexcept
{
    const int64_t notches = wheelDelta / kWheelDelta;  // truncated toward zero
    if (notches == 0 || setting == 0)
        return {};
    const bool up = notches > 0;
    const int64_t magnitude = up ? notches : -notches;
    if (setting == kWheelPageScroll)
        return {up ? ControlModel::ScrollPageUp : ControlModel::ScrollPageDown, static_cast<int>(magnitude)};
    const int64_t lines = magnitude * setting;
    return {up ? ControlModel::ScrollLineUp : ControlModel::ScrollLineDown,
            lines > INT_MAX ? INT_MAX : static_cast<int>(lines)};
}
