// PlaceRect and CollapseRegions: the geometry behind PlaceWindow and CollapseWindow.
#include "app/ui/WindowGeometry.h"

#include <algorithm>
#include <cstdint>

namespace {

// The edge or middle of [low, high] that an anchor digit names.
int AnchorCoordinate(int low, int high, int digit) noexcept
{
    if (digit <= 0)
        return low;
    if (digit == 1)
        return static_cast<int>((static_cast<int64_t>(low) + high) / 2);
    return high;
}

int Clamp(int64_t value) noexcept
{
    return static_cast<int>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

} // namespace

ScreenPoint AnchorPoint(const ScreenRect& rect, int anchor) noexcept
{
    const int code = std::max(anchor, 0);
    return {AnchorCoordinate(rect.left, rect.right, code % 10),
            AnchorCoordinate(rect.top, rect.bottom, code / 10)};
}

ScreenRect PlaceRect(const ScreenRect& window, const ScreenRect* reference, int anchor,
                     const ScreenRect& area) noexcept
{
    ScreenRect target = area;
    if (reference) {
        const ScreenRect clipped{std::max(reference->left, area.left), std::max(reference->top, area.top),
                                 std::min(reference->right, area.right), std::min(reference->bottom, area.bottom)};
        if (!clipped.empty())
            target = clipped;
    }
    const int64_t width = static_cast<int64_t>(window.right) - window.left;
    const int64_t height = static_cast<int64_t>(window.bottom) - window.top;
    const ScreenPoint targetPoint = AnchorPoint(target, anchor);
    const ScreenPoint ownPoint = AnchorPoint({0, 0, Clamp(width), Clamp(height)}, anchor);

    int64_t left = static_cast<int64_t>(targetPoint.x) - ownPoint.x;
    int64_t top = static_cast<int64_t>(targetPoint.y) - ownPoint.y;
    if (left + width > area.right)
        left = area.right - width;
    if (top + height > area.bottom)
        top = area.bottom - height;
    if (left < area.left)
        left = area.left;
    if (top < area.top)
        top = area.top;
    return {Clamp(left), Clamp(top), Clamp(left + width), Clamp(top + height)};
}

std::vector<ScreenRect> CollapseRegions(int width, int height)
{
    std::vector<ScreenRect> regions;
    int top = 0;
    int bottom = height;
    while (top + 3 < bottom) {
        regions.push_back({0, top, width, bottom});
        top += 3;
        bottom -= 3;
    }
    if (width >= 1) {
        int left = 0;
        int right = width;
        do {
            regions.push_back({left, top, right, bottom});
            right -= 3;
            left += 3;
        } while (left < right);
    }
    return regions;
}
