// AVornalixor: the message dispatcher: size, focus, paint, keys, scroll bar, mouse, wheel and
// dropped files.
#include "core/win/AVornalixor.h"

#include <shellapi.h>
#include <windowsx.h>

#include "core/KeyMap.h"
#include "core/WheelScroll.h"
#include "core/win/Library.h"

bool AVornalixor::dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        if (LOWORD(lParam) != 0 || HIWORD(lParam) != 0)
            resize(LOWORD(lParam), HIWORD(lParam));
        return true;
    case WM_SETFOCUS:
        hasFocus = true;
        systemCaret.create();
        return true;
    case WM_KILLFOCUS:
        shiftDown = ctrlDown = false;
        hasFocus = false;
        systemCaret.destroy();
        return true;
    case WM_PAINT:
        paint();
        return true;
    case WM_KEYDOWN:
        keyDown(static_cast<unsigned>(wParam));
        return true;
    case WM_KEYUP:
        if (wParam == VK_SHIFT)
            shiftDown = false;
        else if (wParam == VK_CONTROL)
            ctrlDown = false;
        return true;
    case WM_VSCROLL:
        vscroll(LOWORD(wParam));
        return true;
    case WM_MOUSEMOVE:
        if (model.selectMode())
            mouseMove(wParam, lParam);
        else
            mouse(wParam, lParam);
        return true;
    case WM_LBUTTONDOWN:
        SetFocus(window);
        if (model.selectMode())
            mouseDown(wParam, lParam);
        else
            mouse(wParam, lParam);
        return true;
    case WM_LBUTTONUP:
        if (GetCapture() == window)
            ReleaseCapture();
        endDrag();
        return true;
    case WM_CAPTURECHANGED:
        endDrag();
        return true;
    case WM_TIMER:
        if (wParam != kDragTimer)
            return false;
        dragStep();
        return true;
    case WM_MOUSEWHEEL:
        wheel(static_cast<short>(HIWORD(wParam)));
        return true;
    case WM_DROPFILES:
        dropFiles(wParam);
        return true;
    case kDrawScrollBar:
        drawScrollBar();
        return true;
    case WM_SETREDRAW:
        setRedraw(wParam != FALSE);
        return true;
    default:
        return false;
    }
}

void AVornalixor::resize(int width, int height)
{
    CaretKidnapper kidnapper(*this);
    layoutPage({0, 0, width, height});
    buildGlyphStrips();
    model.resize(layout.pageLines);
}

void AVornalixor::keyDown(unsigned key)
{
    const KeyCommand command = MapKey(key, ctrlDown, shiftDown, model.selectMode());
    if (command.action == KeyAction::ShiftDown)
        shiftDown = true;
    else if (command.action == KeyAction::CtrlDown)
        ctrlDown = true;
    else
        RunKeyCommand(command, model, *this);
}

void AVornalixor::vscroll(int code)
{
    int trackPosition = 0;
    if (code == SB_THUMBTRACK) {
        // The message carries only 16 bits of the position; the bar holds all 32.
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(window, SB_VERT, &info);
        trackPosition = info.nTrackPos;
    }
    model.scrollView(code, trackPosition);
}

void AVornalixor::mouse(WPARAM keys, LPARAM position)
{
    if (!(keys & MK_LBUTTON))
        return;
    const PositionModel& p = model.positions();
    const int64_t nibble = layout.hitTest(LOWORD(position), HIWORD(position), p.topNibble, p.nibbleCount);
    if (nibble >= 0)
        model.setCaretPos(nibble);
}

void AVornalixor::mouseDown(WPARAM keys, LPARAM position)
{
    const PositionModel& p = model.positions();
    const int64_t nibble = layout.hitTest(LOWORD(position), HIWORD(position), p.topNibble, p.nibbleCount);
    if (nibble < 0)
        return;
    model.mousePress(nibble, (keys & MK_SHIFT) != 0);
    dragX_ = GET_X_LPARAM(position);
    dragY_ = GET_Y_LPARAM(position);
    SetCapture(window);
}

void AVornalixor::mouseMove(WPARAM keys, LPARAM position)
{
    if (!model.dragging())
        return mouse(keys, position);  // the button went down off the digits: the caret follows
    if (!(keys & MK_LBUTTON))
        return;
    dragX_ = GET_X_LPARAM(position);
    dragY_ = GET_Y_LPARAM(position);
    const bool outside = layout.dragScrollLines(dragY_) != 0;
    if (outside && !dragTimer_)
        dragTimer_ = SetTimer(window, kDragTimer, kDragTimerMs, nullptr) != 0;
    else if (!outside && dragTimer_)
        dragTimer_ = !KillTimer(window, kDragTimer);
    const PositionModel& p = model.positions();
    model.mouseDrag(layout.dragHit(dragX_, dragY_, p.topNibble, p.nibbleCount));
}

void AVornalixor::dragStep()
{
    if (!model.dragging())
        return endDrag();
    if (const int lines = layout.dragScrollLines(dragY_))
        model.scrollLines(lines);
    const PositionModel& p = model.positions();
    model.mouseDrag(layout.dragHit(dragX_, dragY_, p.topNibble, p.nibbleCount));
}

void AVornalixor::endDrag()
{
    if (dragTimer_)
        KillTimer(window, kDragTimer);
    dragTimer_ = false;
    model.mouseRelease();
}

void AVornalixor::wheel(int wheelDelta)
{
    const unsigned setting = static_cast<unsigned>(Library().wheelScrollLines);
    if (const int64_t lines = WheelScrollLines(wheelDelta, setting, model.positions().pageLines))
        model.scrollLines(lines);
}

void AVornalixor::dropFiles(WPARAM drop)
{
    HWND owner = Library().owner;
    if (owner && IsWindow(owner))
        SendMessageA(owner, WM_DROPFILES, drop, reinterpret_cast<LPARAM>(window));
    else
        DragFinish(reinterpret_cast<HDROP>(drop));  // nobody to open them: the handle is released here
}
