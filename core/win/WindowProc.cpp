// The control's window procedure: instance lifetime and guarded dispatch.
#include "core/win/AVornalixor.h"
#include "core/win/ControlTexts.h"
#include "core/win/FailureBox.h"
#include "core/win/Library.h"

#include "common/win/MessageBox.h"

#include <shellapi.h>

namespace {

LRESULT CreateInstance(HWND window)
{
    AVornalixor* self = nullptr;
    try {
        self = new AVornalixor(window);
    } catch (...) {
        ShowOutOfMemory(nullptr);
        return -1;
    }
    SetLastError(0);
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(self));
    if (GetLastError() != 0) {
        delete self;
        ShowMessageBox(nullptr, kTextUnstable, kMessageError);
        return -1;
    }
    DragAcceptFiles(window, TRUE);
    return 0;
}

void DestroyInstance(HWND window)
{
    DragAcceptFiles(window, FALSE);
    delete AVornalixor::FromWindow(window);
    SetWindowLongPtrA(window, 0, 0);
}

} // namespace

LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return CreateInstance(window);
    case WM_DESTROY:
        DestroyInstance(window);
        return 0;
    default:
        break;
    }
    if (AVornalixor* self = AVornalixor::FromWindow(window)) {
        try {
            if (self->dispatch(message, wParam, lParam))
                return 0;
        } catch (...) {
            ShowCaughtFailure(nullptr);
            SetFocus(window);
            return 0;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
