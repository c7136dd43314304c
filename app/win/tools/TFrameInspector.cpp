// TFrameInspector: the rows through code page 932, the list kept in step, and the copy menu.
#include "app/win/tools/TFrameInspector.h"

#include "app/win/system/Clipboard.h"
#include "app/texts/ProgramTexts.h"
#include "app/win/tools/ShiftJisCodePage.h"

#include <windowsx.h>

namespace {

enum : UINT { kMenuCopy = 1, kMenuCopyAll };

} // namespace

TFrameInspector::TFrameInspector(std::string name)
    : TFrame(std::move(name)), rows_(InspectorRows({}, ShiftJisCodePage()))
{
}

void TFrameInspector::CreateComponents()
{
    ListInspector.SetAlign(TAlign::Client);
    for (const InspectorRow& row : rows_)
        ListInspector.Add(InspectorLine(row));
    ListInspector.Create(*this);
}

void TFrameInspector::ShowBytes(std::span<const uint8_t> bytes)
{
    std::vector<InspectorRow> rows = InspectorRows(bytes, ShiftJisCodePage());
    const HWND list = ListInspector.Handle();
    const int selected = ListInspector.ItemIndex();
    const int top = list ? static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0)) : 0;
    // Replacing an item would repaint it and every item below; the changed lines alone are
    // repainted once, after the last replacement.
    if (list)
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    std::vector<int> changed;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].text == rows_[i].text)
            continue;
        const int index = static_cast<int>(i);
        ListInspector.Delete(index);
        ListInspector.Insert(index, InspectorLine(rows[i]));
        changed.push_back(index);
    }
    rows_ = std::move(rows);
    if (!list)
        return;
    if (!changed.empty()) {
        if (selected >= 0)
            ListInspector.SetItemIndex(selected);
        SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    for (const int index : changed) {
        RECT line{};
        if (SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&line)) != LB_ERR)
            InvalidateRect(list, &line, TRUE);
    }
}

std::string TFrameInspector::CopyText(bool all) const
{
    const int selected = ListInspector.ItemIndex();
    if (all || selected < 0 || static_cast<size_t>(selected) >= rows_.size())
        return InspectorCopyText(rows_);
    return InspectorCopyText(std::span(rows_).subspan(static_cast<size_t>(selected), 1));
}

bool TFrameInspector::Copy(bool all) { return PutClipboardText(Handle(), CopyText(all)); }

bool TFrameInspector::PanelMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != WM_CONTEXTMENU)
        return false;
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (at.x == -1 && at.y == -1) {
        // From the keyboard: at the list's top-left corner.
        at = {0, 0};
        ClientToScreen(ListInspector.Handle(), &at);
    }
    const HMENU menu = CreatePopupMenu();
    if (!menu)
        return false;
    AppendMenuA(menu, MF_STRING, kMenuCopy, kTextInspectorCopy);
    AppendMenuA(menu, MF_STRING, kMenuCopyAll, kTextInspectorCopyAll);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr));
    DestroyMenu(menu);
    if (chosen == kMenuCopy || chosen == kMenuCopyAll)
        Copy(chosen == kMenuCopyAll);
    result = 0;
    return true;
}
