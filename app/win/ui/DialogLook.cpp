// The look of the program's dialogs: navy client panel, white texts, teal bottom panel, silver labels.
#include "app/win/ui/DialogLook.h"

#include "app/win/ui/TPanel.h"

void CreateDialogPanels(TControl& form, TPanel& client, TPanel& bottom, int bottomHeight)
{
    bottom.SetAlign(TAlign::Bottom);
    bottom.SetHeight(bottomHeight);
    bottom.SetColor(clTeal);
    bottom.Create(form);
    client.SetAlign(TAlign::Client);
    client.SetColor(clNavy);
    client.SetFontColor(clWhite);
    client.Create(form);
}

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
