// TCheckBox: a check box whose text takes its parent's colours.
#include "app/win/ui/TCheckBox.h"

#include "app/win/ui/DialogLook.h"

TCheckBox::TCheckBox(std::string name) : TControl(std::move(name)) { SetTabStop(true); }

HWND TCheckBox::CreateWindowHandle(HWND parent, int id)
{
    const HWND window = MakeWindow("BUTTON", text_, BS_AUTOCHECKBOX | BS_NOTIFY, 0, parent, id);
    if (window) {
        UseClassicLook(window);
        SendMessageA(window, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    return window;
}

void TCheckBox::SetChecked(bool checked)
{
    checked_ = checked;
    if (Handle())
        SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TCheckBox::Checked() const
{
    return Handle() ? SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED : checked_;
}

bool TCheckBox::Command(WORD code, WORD)
{
    switch (code) {
    case BN_CLICKED:
        checked_ = Checked();
        if (OnClick)
            OnClick();
        return true;
    default:
        return FocusCommand(code, BN_SETFOCUS, BN_KILLFOCUS);
    }
}

HBRUSH TCheckBox::CtlColor(HDC dc)
{
    SetTextColor(dc, EffectiveFontColor());
    SetBkColor(dc, EffectiveColor());
    return BackgroundBrush();
}
