// Dialog placement by anchor code and the shrinking regions of the cancel effect, over plain rectangles.
#pragma once
#include <vector>

// A rectangle in screen pixels; right and bottom are exclusive, as in the system's RECT.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    [[nodiscard]] constexpr int width() const noexcept { return right - left; }
    [[nodiscard]] constexpr int height() const noexcept { return bottom - top; }
    [[nodiscard]] constexpr bool empty() const noexcept { return right <= left || bottom <= top; }
    friend constexpr bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// Anchor codes name a point of a rectangle: tens digit the row (0 top, 1 middle, 2 bottom),
// units digit the column (0 left, 1 middle, 2 right); a middle is the integer mean of the two
// edges. 0 is the top-left corner, 11 the centre, 22 the bottom-right corner. A digit above 2
// counts as 2, a negative code as 0.
[[nodiscard]] ScreenPoint AnchorPoint(const ScreenRect& rect, int anchor) noexcept;

// Where PlaceWindow puts a window: its size kept, its anchor point on the anchor point of the
// reference rectangle (the reference window's rectangle clipped to the area; the area itself
// without a reference window, or when the reference lies wholly outside the area), then pulled
// back left and up so its bottom-right corner is inside the area, then right and down so its
// top-left corner is (the top-left corner wins for a window larger than the area). `area` is
// the work area or the whole screen, as the caller chooses.
[[nodiscard]] ScreenRect PlaceRect(const ScreenRect& window, const ScreenRect* reference,
                                   int anchor, const ScreenRect& area) noexcept;

// The visible regions CollapseWindow gives a width x height window, in window coordinates and
// in order: first the band (0, top, width, bottom) closing by 3 pixels from above and below
// while top + 3 < bottom, then, for a width of at least 1, the rectangle (left, top, right,
// bottom) closing by 3 pixels from both sides until left >= right. The caller sets each in
// turn and stops at the first that cannot be created or set.
[[nodiscard]] std::vector<ScreenRect> CollapseRegions(int width, int height);
