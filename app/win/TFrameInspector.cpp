// TFrameInspector: the rows through code page 932, the list kept in step, and the copy menu.
#include "app/win/TFrameInspector.h"

#include "app/win/Clipboard.h"
#include "app/win/ProgramTexts.h"

#include <windowsx.h>

namespace {

constexpr UINT kShiftJisCodePage = 932;
enum : UINT { kMenuCopy = 1, kMenuCopyAll };

// The system's conversions: Shift-JIS read as code page 932, characters shown in the
// program's ANSI code page.
class SystemCodePage final : public InspectorCodePage {
public:
    std::string FromCodePoint(char32_t codePoint) const override
    {
        wchar_t units[2];
        int count = 1;
        if (codePoint >= 0x10000) {
            units[0] = static_cast<wchar_t>(0xD800 + ((codePoint - 0x10000) >> 10));
            units[1] = static_cast<wchar_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
            count = 2;
        } else {
            units[0] = static_cast<wchar_t>(codePoint);
        }
        char bytes[8] = {};
        BOOL usedDefault = FALSE;
        const int length = WideCharToMultiByte(CP_ACP, 0, units, count, bytes, sizeof bytes, nullptr, &usedDefault);
        // A best-fit stand-in ("a" for "á") does not convert back to the character itself.
        wchar_t back[2] = {};
        if (length <= 0 || usedDefault || MultiByteToWideChar(CP_ACP, 0, bytes, length, back, 2) != count ||
            back[0] != units[0] || (count == 2 && back[1] != units[1]))
            return {};
        return std::string(bytes, static_cast<size_t>(length));
    }

    std::optional<char32_t> ToCodePoint(std::string_view character) const override
    {
        wchar_t units[2] = {};
        const int count = MultiByteToWideChar(kShiftJisCodePage, MB_ERR_INVALID_CHARS, character.data(),
                                              static_cast<int>(character.size()), units, 2);
        if (count != 1)
            return std::nullopt;
        return static_cast<char32_t>(units[0]);
    }
};

} // namespace

TFrameInspector::TFrameInspector(std::string name)
    : TFrame(std::move(name)), rows_(InspectorRows({}, SystemCodePage()))
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
    std::vector<InspectorRow> rows = InspectorRows(bytes, SystemCodePage());
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
