// PlaceWindow and CollapseWindow: dialog placement by anchor code and the shrinking effect of a cancelled dialog.
#pragma once
#include <windows.h>

// Moves the window, keeping its size and stacking order, so that its anchor point lies on the
// anchor point of the reference window clipped to the area (the work area when
// `insideWorkArea`, else the primary screen; the area itself without a reference), then back
// inside the area, the top-left corner winning for a window larger than the area.
void PlaceWindow(HWND window, HWND reference, int anchor, bool insideWorkArea);

// Shrinks the window's visible region in 3-pixel steps, first from above and below, then
// from both sides, redrawing each step at once. Stops at the first region that cannot be
// made or set (freeing it). Returns the number of regions the window took.
int CollapseWindow(HWND window);
