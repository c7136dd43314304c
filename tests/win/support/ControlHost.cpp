// A top-level host window with one control, created through the bound library.
#include "tests/win/support/ControlHost.h"

#include "tests/win/support/Wait.h"

#include <vector>

namespace {

constexpr char kHostClass[] = "QuilletTestHost";

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DROPFILES || message >= WM_USER)
        ControlHost::Log().push_back({message, wParam, lParam});
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterHostClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = HostProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kHostClass;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    RegisterClassA(&windowClass);
    registered = true;
}

} // namespace

bool EnsureEditorLibrary()
{
    static const bool bound = BindEditorLibrary();
    return bound;
}

std::vector<ControlHost::Received>& ControlHost::Log()
{
    static std::vector<Received> log;
    return log;
}

ControlHost::ControlHost(int width, int height)
{
    EnsureEditorLibrary();
    RegisterHostClass();
    host_ = CreateWindowExA(0, kHostClass, "Quillet test host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                            width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (Editor.QX_Create)
        control_ = Editor.QX_Create(host_, host_, WS_TABSTOP);
    if (control_) {
        RECT client{};
        GetClientRect(host_, &client);
        MoveWindow(control_, 0, 0, client.right, client.bottom, TRUE);
        ShowWindow(control_, SW_SHOW);
        SetForegroundWindow(host_);
        SetFocus(control_);
    }
    PumpMessages();
}

ControlHost::~ControlHost()
{
    DestroyWindow(host_);
    PumpMessages();
}
