// TListBox: a list of text items with a selected index.
#include "app/win/ui/TListBox.h"

namespace {

constexpr TListControl::Messages kListBoxMessages{LB_ADDSTRING,    LB_INSERTSTRING, LB_DELETESTRING,
                                                  LB_RESETCONTENT, LB_GETCOUNT,     LB_GETTEXTLEN,
                                                  LB_GETTEXT,      LB_SETCURSEL,    LB_GETCURSEL};

} // namespace

TListBox::TListBox(std::string name) : TListControl(std::move(name), kListBoxMessages) {}

HWND TListBox::CreateWindowHandle(HWND parent, int id)
{
    DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    if (Sorted())
        style |= LBS_SORT;
    if (!tabStops_.empty())
        style |= LBS_USETABSTOPS;
    const HWND list = MakeWindow("LISTBOX", {}, style, WS_EX_CLIENTEDGE, parent, id);
    if (list && !tabStops_.empty())
        SendMessageA(list, LB_SETTABSTOPS, tabStops_.size(), reinterpret_cast<LPARAM>(tabStops_.data()));
    return list;
}

bool TListBox::Command(WORD code, WORD)
{
    switch (code) {
    case LBN_SELCHANGE:
        if (OnClick)
            OnClick();
        return true;
    case LBN_DBLCLK:
        if (OnDblClick)
            OnDblClick();
        return true;
    default:
        return FocusCommand(code, LBN_SETFOCUS, LBN_KILLFOCUS);
    }
}
