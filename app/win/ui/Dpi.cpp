// WindowDpi: GetDpiForWindow where the system has it, else the screen's logical pixels.
#include "app/win/ui/Dpi.h"

int WindowDpi(HWND window) noexcept
{
    using DpiForWindow = UINT(WINAPI*)(HWND);
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (dpiForWindow && window)
        if (const UINT dpi = dpiForWindow(window))
            return static_cast<int>(dpi);
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : DesignDpi;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : DesignDpi;
}
