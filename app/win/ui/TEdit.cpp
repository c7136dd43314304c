// TEdit: a one-line text entry; entering it selects its text; typed letters may become upper case.
#include "app/win/ui/TEdit.h"

#include "app/win/ui/TForm.h"

TEdit::TEdit(std::string name) : TControl(std::move(name)) { SetTabStop(true); }

HWND TEdit::CreateWindowHandle(HWND parent, int id)
{
    DWORD style = ES_AUTOHSCROLL | ES_LEFT;
    if (upperCase_)
        style |= ES_UPPERCASE;
    if (readOnly_)
        style |= ES_READONLY;
    return MakeWindow("EDIT", text_, style, WS_EX_CLIENTEDGE, parent, id);
}

void TEdit::Created()
{
    if (maxLength_ > 0)
        SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TEdit::SetMaxLength(int length)
{
    maxLength_ = length;
    if (Handle())
        SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length > 0 ? length : 0), 0);
}

void TEdit::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    if (Handle())
        SendMessageA(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void TEdit::SelectAll()
{
    if (Handle())
        SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

bool TEdit::Command(WORD code, WORD)
{
    switch (code) {
    case EN_CHANGE:
        if (OnChange)
            OnChange();
        return true;
    case EN_SETFOCUS:
        SelectAll();
        if (Form())
            Form()->ForEach([](TControl& control) { control.FocusMoved(); });
        if (OnEnter)
            OnEnter();
        return true;
    case EN_KILLFOCUS:
        if (Form())
            Form()->ForEach([](TControl& control) { control.FocusMoved(); });
        if (OnExit)
            OnExit();
        return true;
    default:
        return false;
    }
}
