// AVornalixor: the message dispatcher: size, focus, paint, keys, scroll bar, mouse, wheel and
// dropped files.
#include "core/win/AVornalixor.h"

#include <shellapi.h>

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
        mouse(wParam, lParam);
        return true;
    case WM_LBUTTONDOWN:
        SetFocus(window);
        mouse(wParam, lParam);
        return true;
    case WM_LBUTTONUP:
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
    const KeyCommand command = MapKey(key, ctrlDown, shiftDown);
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
