// TComboBox: a drop-down list of text items with a selected index.
#include "app/win/ui/TComboBox.h"

#include <commctrl.h>

namespace {

constexpr TListControl::Messages kComboBoxMessages{CB_ADDSTRING,    CB_INSERTSTRING, CB_DELETESTRING,
                                                   CB_RESETCONTENT, CB_GETCOUNT,     CB_GETLBTEXTLEN,
                                                   CB_GETLBTEXT,    CB_SETCURSEL,    CB_GETCURSEL};

} // namespace

TComboBox::TComboBox(std::string name) : TListControl(std::move(name), kComboBoxMessages) {}

HWND TComboBox::CreateWindowHandle(HWND parent, int id)
{
    DWORD style = WS_VSCROLL | (editable_ ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST);
    if (Sorted())
        style |= CBS_SORT;
    return MakeWindow("COMBOBOX", {}, style, 0, parent, id);
}

void TComboBox::Created()
{
    SetDropDownCount(dropDownCount_);
    TListControl::Created();
}

void TComboBox::SetDropDownCount(int rows)
{
    dropDownCount_ = rows;
    if (Handle())
        SendMessageA(Handle(), CB_SETMINVISIBLE, static_cast<WPARAM>(rows), 0);
}

bool TComboBox::Command(WORD code, WORD)
{
    switch (code) {
    case CBN_SELCHANGE:
        if (OnChange)
            OnChange();
        return true;
    default:
        return FocusCommand(code, CBN_SETFOCUS, CBN_KILLFOCUS);
    }
}
