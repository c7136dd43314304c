// PaintingHold: a scope in which windows and status bars hold back their painting, shown whole once it ends.
#include "app/win/ui/PaintingHold.h"

#include "app/win/ui/TStatusBar.h"

PaintingHold::PaintingHold(std::initializer_list<HWND> windows, std::initializer_list<TStatusBar*> statusBars)
{
    for (const HWND window : windows) {
        if (!window || !IsWindow(window))
            continue;
        windows_.push_back(window);
        SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    }
    for (TStatusBar* bar : statusBars) {
        if (!bar)
            continue;
        statusBars_.push_back(bar);
        bar->BeginUpdate();
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
    for (TStatusBar* bar : statusBars_)
        bar->EndUpdate();
}
