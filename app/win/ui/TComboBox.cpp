// TComboBox: a drop-down list of text items with a selected index.
#include "app/win/ui/TComboBox.h"

#include <commctrl.h>

#include <algorithm>

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

void TComboBox::FitDropDownWidth()
{
    const HWND box = Handle();
    if (!box)
        return;
    const HDC dc = GetDC(box);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)));
    int longest = 0;
    for (int i = 0; i < Count(); ++i) {
        const std::wstring text = WideItem(i);
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        longest = std::max(longest, static_cast<int>(extent.cx));
    }
    SelectObject(dc, previous);
    ReleaseDC(box, dc);
    // The list's border and item margins, and its scroll bar once the rows do not all fit.
    int width = longest + 4 * GetSystemMetrics(SM_CXEDGE) + 8;
    if (Count() > dropDownCount_)
        width += GetSystemMetrics(SM_CXVSCROLL);
    MONITORINFO monitor{sizeof monitor, {}, {}, 0};
    GetMonitorInfoA(MonitorFromWindow(box, MONITOR_DEFAULTTONEAREST), &monitor);
    width = std::min(width, static_cast<int>(monitor.rcWork.right - monitor.rcWork.left));
    width = std::max(width, Width());
    SendMessageA(box, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width), 0);
}

bool TComboBox::Command(WORD code, WORD)
{
    switch (code) {
    case CBN_DROPDOWN:
        if (dropDownFitsItems_)
            FitDropDownWidth();
        return true;
    case CBN_SELCHANGE:
        if (OnChange)
            OnChange();
        return true;
    default:
        return FocusCommand(code, CBN_SETFOCUS, CBN_KILLFOCUS);
    }
}
