// PlaceWindow and CollapseWindow: dialog placement by anchor code and the shrinking effect of a cancelled dialog.
#include "app/win/ui/WindowPlacement.h"

#include "app/ui/WindowGeometry.h"

namespace {

ScreenRect FromRect(const RECT& rect) noexcept { return {rect.left, rect.top, rect.right, rect.bottom}; }

} // namespace

void PlaceWindow(HWND window, HWND reference, int anchor, bool insideWorkArea)
{
    RECT area{};
    if (!insideWorkArea || !SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
        area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT own{};
    if (!GetWindowRect(window, &own))
        return;
    RECT referenceRect{};
    const bool hasReference = reference && GetWindowRect(reference, &referenceRect);
    const ScreenRect referenceScreen = FromRect(referenceRect);
    const ScreenRect placed =
        PlaceRect(FromRect(own), hasReference ? &referenceScreen : nullptr, anchor, FromRect(area));
    SetWindowPos(window, nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CollapseWindow(HWND window)
{
    RECT frame{};
    if (!GetWindowRect(window, &frame))
        return 0;
    int applied = 0;
    for (const ScreenRect& step : CollapseRegions(frame.right - frame.left, frame.bottom - frame.top)) {
        const HRGN region = CreateRectRgn(step.left, step.top, step.right, step.bottom);
        if (!region)
            break;
        // A region the window takes belongs to the system from then on.
        if (!SetWindowRgn(window, region, TRUE)) {
            DeleteObject(region);
            break;
        }
        ++applied;
        UpdateWindow(window);
    }
    return applied;
}
