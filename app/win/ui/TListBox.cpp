// TListBox: a list of text items with a selected index.
#include "app/win/ui/TListBox.h"

#include "app/win/ui/ListItems.h"

#include <algorithm>

TListBox::TListBox(std::string name) : TControl(std::move(name)) { SetTabStop(true); }

HWND TListBox::CreateWindowHandle(HWND parent, int id)
{
    DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    if (sorted_)
        style |= LBS_SORT;
    return MakeWindow("LISTBOX", {}, style, WS_EX_CLIENTEDGE, parent, id);
}

void TListBox::Created()
{
    for (const std::string& item : pending_)
        SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    pending_.clear();
    SetItemIndex(pendingIndex_);
}

void TListBox::Clear()
{
    pending_.clear();
    pendingIndex_ = -1;
    if (Handle())
        SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
}

int TListBox::Add(std::string_view text)
{
    if (!Handle()) {
        pending_.emplace_back(text);
        if (sorted_)
            std::sort(pending_.begin(), pending_.end());
        return static_cast<int>(std::find(pending_.begin(), pending_.end(), text) - pending_.begin());
    }
    const std::string item(text);
    return static_cast<int>(SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())));
}

void TListBox::Insert(int index, std::string_view text)
{
    if (!Handle()) {
        InsertPendingItem(pending_, index, text);
        return;
    }
    const std::string item(text);
    SendMessageA(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item.c_str()));
}

void TListBox::Delete(int index)
{
    if (!Handle()) {
        if (index >= 0 && index < static_cast<int>(pending_.size()))
            pending_.erase(pending_.begin() + index);
        return;
    }
    SendMessageA(Handle(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

int TListBox::Count() const
{
    return Handle() ? static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0)) : static_cast<int>(pending_.size());
}

std::string TListBox::Item(int index) const
{
    if (!Handle())
        return index >= 0 && index < static_cast<int>(pending_.size()) ? pending_[static_cast<size_t>(index)]
                                                                        : std::string();
    return ListItemText(Handle(), LB_GETTEXTLEN, LB_GETTEXT, index);
}

void TListBox::SetItemIndex(int index)
{
    pendingIndex_ = index;
    if (Handle())
        SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int TListBox::ItemIndex() const
{
    return Handle() ? static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0)) : pendingIndex_;
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
    case LBN_SETFOCUS:
        if (OnEnter)
            OnEnter();
        return true;
    case LBN_KILLFOCUS:
        if (OnExit)
            OnExit();
        return true;
    default:
        return false;
    }
}
