// TImage: a static control of the icon kind.
#include "app/win/ui/TImage.h"

HWND TImage::CreateWindowHandle(HWND parent, int id)
{
    return MakeWindow("STATIC", {}, SS_ICON, 0, parent, id);
}

void TImage::Created() { SetIcon(icon_); }

void TImage::SetIcon(HICON icon)
{
    icon_ = icon;
    if (Handle() && icon_)
        SendMessageA(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(icon_), 0);
}

HBRUSH TImage::CtlColor(HDC dc)
{
    SetBkColor(dc, EffectiveColor());
    return BackgroundBrush();
}
