// The editor's main window around one control: a plain frame hosting the control.
#include "app/win/MainWindow.h"

#include "app/win/EditorLibrary.h"

namespace {

constexpr char kMainClass[] = "TFormVornalix";
constexpr char kCaption[] = "Korvani Quillet";
HWND control = nullptr;

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        control = Editor.QX_Create(window, window, WS_TABSTOP);
        if (!control)
            return -1;
        ShowWindow(control, SW_SHOW);
        SetFocus(control);
        return 0;
    case WM_SIZE:
        if (control)
            MoveWindow(control, 1, 1, LOWORD(lParam) - 2, HIWORD(lParam) - 2, TRUE);
        return 0;
    case WM_SETFOCUS:
        if (control)
            SetFocus(control);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int RunMainWindow(HINSTANCE instance, int showCommand)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MainProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainClass;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    if (!RegisterClassExA(&windowClass))
        return 0;
    RECT frame{0, 0, 458, 289};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window = CreateWindowExA(0, kMainClass, kCaption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, instance, nullptr);
    if (!window)
        return 0;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
