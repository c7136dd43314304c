// TSplitter: the drag with the mouse captured, and the width it gives the control.
#include "app/win/ui/TSplitter.h"

#include <windowsx.h>

#include <algorithm>

void TSplitter::Forget(TControl* gone)
{
    if (gone == control_)
        control_ = nullptr;
    TPanel::Forget(gone);
}

void TSplitter::ChangeScale(int multiplier, int divisor)
{
    minSize_ = MulDiv(minSize_, multiplier, divisor);
    TPanel::ChangeScale(multiplier, divisor);
}

bool TSplitter::PanelMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
        result = TRUE;
        return true;
    case WM_LBUTTONDOWN:
        dragging_ = true;
        SetCapture(Handle());
        return true;
    case WM_MOUSEMOVE:
        if (dragging_)
            DragTo(GET_X_LPARAM(lParam));
        return true;
    case WM_LBUTTONUP:
        if (dragging_)
            ReleaseCapture();
        return true;
    case WM_CAPTURECHANGED:
        dragging_ = false;
        return true;
    default:
        return false;
    }
}

void TSplitter::DragTo(int x)
{
    if (!control_ || !Parent() || !Parent()->Handle())
        return;
    // The mouse's x in the parent's client area; the control's right edge stays put.
    POINT point{x, 0};
    MapWindowPoints(Handle(), Parent()->Handle(), &point, 1);
    const int right = control_->Left() + control_->Width();
    const RECT area = Parent()->ClientRect();
    const int widest = std::max(minSize_, right - static_cast<int>(area.left) - Width() - minSize_);
    const int width = std::clamp(right - static_cast<int>(point.x) - Width() / 2, minSize_, widest);
    if (width == control_->Width())
        return;
    control_->SetWidth(width);
    Parent()->Realign();
    if (OnMoved)
        OnMoved();
}
