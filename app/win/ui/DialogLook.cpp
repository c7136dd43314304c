// The look of the program's dialogs: navy client panel, white texts, teal bottom panel, silver labels.
#include "app/win/ui/DialogLook.h"

void UseClassicLook(HWND window) noexcept
{
    using SetThemeProc = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    static const auto setTheme = [] {
        const HMODULE theme = LoadLibraryA("uxtheme.dll");
        return theme ? reinterpret_cast<SetThemeProc>(
                           reinterpret_cast<void (*)()>(GetProcAddress(theme, "SetWindowTheme")))
                     : nullptr;
    }();
    if (setTheme)
        setTheme(window, L"", L"");
}
