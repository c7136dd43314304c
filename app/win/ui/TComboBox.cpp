// TComboBox: a drop-down list of text items with a selected index.
#include "app/win/ui/TComboBox.h"

#include "app/win/ui/ListItems.h"

#include <commctrl.h>

#include <algorithm>

TComboBox::TComboBox(std::string name) : TControl(std::move(name)) { SetTabStop(true); }

HWND TComboBox::CreateWindowHandle(HWND parent, int id)
{
    DWORD style = WS_VSCROLL | (editable_ ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST);
    if (sorted_)
        style |= CBS_SORT;
    return MakeWindow("COMBOBOX", {}, style, 0, parent, id);
}

void TComboBox::Created()
{
    SetDropDownCount(dropDownCount_);
    for (const std::string& item : pending_)
        SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    pending_.clear();
    SetItemIndex(pendingIndex_);
}

void TComboBox::SetDropDownCount(int rows)
{
    dropDownCount_ = rows;
    if (Handle())
        SendMessageA(Handle(), CB_SETMINVISIBLE, static_cast<WPARAM>(rows), 0);
}

void TComboBox::Clear()
{
    pending_.clear();
    pendingIndex_ = -1;
    if (Handle())
        SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
}

int TComboBox::Add(std::string_view text)
{
    if (!Handle()) {
        pending_.emplace_back(text);
        if (sorted_)
            std::sort(pending_.begin(), pending_.end());
        return static_cast<int>(std::find(pending_.begin(), pending_.end(), text) - pending_.begin());
    }
    const std::string item(text);
    return static_cast<int>(SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())));
}

void TComboBox::Insert(int index, std::string_view text)
{
    if (!Handle()) {
        InsertPendingItem(pending_, index, text);
        return;
    }
    const std::string item(text);
    SendMessageA(Handle(), CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.c_str()));
}

void TComboBox::Delete(int index)
{
    if (!Handle()) {
        if (index >= 0 && index < static_cast<int>(pending_.size()))
            pending_.erase(pending_.begin() + index);
        return;
    }
    SendMessageA(Handle(), CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

int TComboBox::Count() const
{
    return Handle() ? static_cast<int>(SendMessageA(Handle(), CB_GETCOUNT, 0, 0)) : static_cast<int>(pending_.size());
}

std::string TComboBox::Item(int index) const
{
    if (!Handle())
        return index >= 0 && index < static_cast<int>(pending_.size()) ? pending_[static_cast<size_t>(index)]
                                                                        : std::string();
    return ListItemText(Handle(), CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

void TComboBox::SetItemIndex(int index)
{
    pendingIndex_ = index;
    if (Handle())
        SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int TComboBox::ItemIndex() const
{
    return Handle() ? static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0)) : pendingIndex_;
}

bool TComboBox::Command(WORD code, WORD)
{
    switch (code) {
    case CBN_SELCHANGE:
        if (OnChange)
            OnChange();
        return true;
    case CBN_SETFOCUS:
        if (OnEnter)
            OnEnter();
        return true;
    case CBN_KILLFOCUS:
        if (OnExit)
            OnExit();
        return true;
    default:
        return false;
    }
}
