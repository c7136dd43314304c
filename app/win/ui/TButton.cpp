// TButton: a push button with a modal result; the form's default button takes Enter, its cancel button Esc.
#include "app/win/ui/TButton.h"

#include "app/win/ui/TForm.h"


TButton::TButton(std::string name) : TControl(std::move(name)) { SetTabStop(true); }

HWND TButton::CreateWindowHandle(HWND parent, int id)
{
    return MakeWindow("BUTTON", text_, BS_PUSHBUTTON | BS_NOTIFY | (default_ ? BS_DEFPUSHBUTTON : 0), 0, parent, id);
}

void TButton::Created()
{
    SetDefault(default_);
    SetCancel(cancel_);
}

void TButton::SetDefault(bool isDefault)
{
    default_ = isDefault;
    if (Form()) {
        if (isDefault)
            Form()->SetDefaultButton(this);
        else if (Form()->DefaultButton() == this)
            Form()->SetDefaultButton(nullptr);
    }
    if (Handle())
        SendMessageA(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void TButton::SetCancel(bool isCancel)
{
    cancel_ = isCancel;
    if (!Form())
        return;
    if (isCancel)
        Form()->SetCancelButton(this);
    else if (Form()->CancelButton() == this)
        Form()->SetCancelButton(nullptr);
}

void TButton::Click()
{
    if (modalResult_ != 0 && Form())
        Form()->SetModalResult(modalResult_);
    if (OnClick)
        OnClick();
}

bool TButton::Command(WORD code, WORD)
{
    switch (code) {
    case BN_CLICKED:
        Click();
        return true;
    default:
        return FocusCommand(code, BN_SETFOCUS, BN_KILLFOCUS);
    }
}
