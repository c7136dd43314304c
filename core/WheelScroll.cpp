// WheelScroll: wheel notches to lines.
#include "core/WheelScroll.h"

#include <algorithm>

int64_t WheelScrollLines(int wheelDelta, unsigned setting, int pageLines) noexcept
{
    const int64_t notches = wheelDelta / kWheelDelta;  // truncated toward zero
    const int64_t page = std::max(pageLines, 1);
    const int64_t perNotch = setting == kWheelPageScroll || setting >= page ? page : int64_t(setting);
    return -notches * perNotch;
}
