// PaintingHold: a scope in which windows hold back their painting, redrawn whole once it ends.
#include "app/win/PaintingHold.h"

PaintingHold::PaintingHold(std::initializer_list<HWND> windows)
{
    for (const HWND window : windows) {
        if (!window || !IsWindow(window))
            continue;
        windows_.push_back(window);
        SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    }
}

PaintingHold::~PaintingHold()
{
    for (const HWND window : windows_) {
        if (!IsWindow(window))
            continue;
        SendMessageA(window, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}
