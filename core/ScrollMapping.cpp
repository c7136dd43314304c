// ScrollMapping: line-for-line and proportional bar values.
#include "core/ScrollMapping.h"

#include <algorithm>

namespace {

using Wide = unsigned __int128;

[[nodiscard]] bool exact(const PositionModel& p) noexcept { return p.lineCount <= ScrollMapping::exactLines; }
[[nodiscard]] int64_t lastTopLine(const PositionModel& p) noexcept { return std::max<int64_t>(0, p.lineCount - p.pageLines); }
// The bar's last position: where the thumb stands at the end.
[[nodiscard]] int64_t lastPosition(const PositionModel& p) noexcept
{
    return std::max<int64_t>(0, int64_t(ScrollMapping::Range(p)) - ScrollMapping::Page(p) + 1);
}

} // namespace

int ScrollMapping::Range(const PositionModel& p) noexcept
{
    return exact(p) ? static_cast<int>(p.lineCount - 1) : proportionalRange;
}

int ScrollMapping::Page(const PositionModel& p) noexcept
{
    const int64_t shown = std::min(p.pageLines, p.bottomLine - p.topLine);
    if (exact(p))
        return static_cast<int>(shown);
    const Wide share = Wide(uint64_t(shown)) * (uint64_t(proportionalRange) + 1) / uint64_t(p.lineCount);
    return std::max(1, static_cast<int>(share));
}

int ScrollMapping::Position(const PositionModel& p) noexcept
{
    if (exact(p))
        return static_cast<int>(p.topLine);
    const int64_t lastTop = lastTopLine(p);
    if (lastTop == 0)
        return 0;
    return static_cast<int>(Wide(uint64_t(p.topLine)) * uint64_t(lastPosition(p)) / uint64_t(lastTop));
}

int64_t ScrollMapping::LineAt(int64_t barPosition, const PositionModel& p) noexcept
{
    if (exact(p))
        return barPosition;
    const int64_t last = lastPosition(p);
    const int64_t position = std::clamp<int64_t>(barPosition, 0, last);
    if (last == 0)
        return 0;
    // Rounded up: the smallest line whose share is at least the position.
    const Wide lastTop = uint64_t(lastTopLine(p));
    return static_cast<int64_t>((Wide(uint64_t(position)) * lastTop + uint64_t(last) - 1) / uint64_t(last));
}
