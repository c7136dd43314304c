// EditCommands: the edit, move, bookmark and tab commands over the control's exports, and the edit menu.
#include "app/win/main/EditCommands.h"

#include "app/find/ByteText.h"
#include "app/tools/ClipboardBytes.h"
#include "app/win/system/Clipboard.h"
#include "app/win/system/EditorControl.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/tools/TFrameInspector.h"
#include "app/win/ui/TForm.h"
#include "app/win/ui/TMenu.h"

#include "common/win/MessageBox.h"

#include <climits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

TMenuItem& ItemOf(const TMainMenu& menu, std::string_view name)
{
    TMenuItem* item = menu.Find(name);
    if (!item)
        throw std::logic_error("no such menu item");
    return *item;
}

} // namespace

EditCommands::EditCommands(TForm& owner, EditorControl& control, TMainMenu& menu, TFrameInspector& inspector,
                           std::function<void()> readOnlyChosen)
    : owner_(owner), control_(control), menu_(menu), inspector_(inspector), readOnlyChosen_(std::move(readOnlyChosen))
{
}

bool EditCommands::CopySelection()
{
    const int64_t count = control_.selectionSize();
    if (count <= 0)
        return false;
    if (const std::string refusal = CopyRefusal(static_cast<uint64_t>(count)); !refusal.empty()) {
        ShowMessageBox(owner_.Handle(), refusal.c_str(), kMessageWarning);
        return false;
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(count));
    if (!Editor.QX_GetData64(control_.Handle(), bytes.data(), control_.selectionBegin(), count))
        return false;
    return PutClipboardText(owner_.Handle(), BytesToHex(bytes.data(), bytes.size()));
}

void EditCommands::InsertClipboard()
{
    const std::optional<std::string> text = ClipboardText(owner_.Handle());
    if (!text)
        return;
    const std::optional<_CVec<uint8_t>> bytes = ClipboardBytes(*text);
    if (!bytes || bytes->size() > static_cast<size_t>(INT_MAX))
        return;
    const HWND control = control_.Handle();
    Editor.QX_InsertData(control, Editor.QX_GetCaretPos(control), bytes->data(), static_cast<int>(bytes->size()));
}

void EditCommands::Edit(ActionId action)
{
    const HWND control = control_.Handle();
    const bool selected = control_.selectionSize() != 0;
    switch (action) {
    case ActionId::EditUndo:
        if (Editor.QX_CanUndo(control))
            Editor.QX_Undo(control);
        break;
    case ActionId::EditRedo:
        if (Editor.QX_CanRedo(control))
            Editor.QX_Redo(control);
        break;
    case ActionId::EditSelBegin:
        Editor.QX_SelectionBegin(control);
        break;
    case ActionId::EditSelEnd:
        if (selected)
            Editor.QX_SelectionEnd(control);
        break;
    case ActionId::EditHideSel:
        if (selected)
            Editor.QX_HideSelection(control);
        break;
    case ActionId::EditCopy:
        // Ctrl+C in the inspector pane copies its texts, not the control's bytes.
        if (inspector_.ListInspector.Focused())
            inspector_.Copy(false);
        else
            CopySelection();
        break;
    case ActionId::EditCut:
        // The bytes leave the document only once they are safe on the clipboard.
        if (CopySelection())
            Editor.QX_DeleteSelection(control);
        break;
    case ActionId::EditDelete:
        if (selected)
            Editor.QX_DeleteSelection(control);
        break;
    case ActionId::EditInsert:
        InsertClipboard();
        break;
    default:
        break;
    }
}

void EditCommands::EditMenuOpening()
{
    const HWND control = control_.Handle();
    const bool readOnly = Editor.QX_IsReadOnly(control);
    const bool selected = control_.selectionSize() != 0;
    bool insertable = false;
    if (!readOnly && ClipboardHasText())
        if (const std::optional<std::string> text = ClipboardText(owner_.Handle()))
            insertable = ClipboardBytes(*text).has_value();
    ItemOf(menu_, "MenuEditUndo").SetEnabled(Editor.QX_CanUndo(control) && !readOnly);
    ItemOf(menu_, "MenuEditRedo").SetEnabled(Editor.QX_CanRedo(control) && !readOnly);
    ItemOf(menu_, "MenuEditSelEnd").SetEnabled(selected);
    ItemOf(menu_, "MenuEditHideSel").SetEnabled(selected);
    ItemOf(menu_, "MenuEditCut").SetEnabled(selected && !readOnly);
    ItemOf(menu_, "MenuEditDelete").SetEnabled(selected && !readOnly);
    ItemOf(menu_, "MenuEditCopy").SetEnabled(selected);
    ItemOf(menu_, "MenuEditInsert").SetEnabled(insertable);
    ItemOf(menu_, "MenuEditReadOnly").SetChecked(readOnly);
}

void EditCommands::SwitchReadOnly()
{
    TMenuItem& item = ItemOf(menu_, "MenuEditReadOnly");
    item.SetChecked(!item.Checked());
    Editor.QX_SetReadOnly(control_.Handle(), item.Checked());
    readOnlyChosen_();
}

void EditCommands::Move(ActionId action)
{
    const HWND control = control_.Handle();
    switch (action) {
    case ActionId::JumpDocTop: Editor.QX_DataTop(control); break;
    case ActionId::JumpDocEnd: Editor.QX_DataEnd(control); break;
    case ActionId::JumpPageUp: Editor.QX_PageUp(control); break;
    case ActionId::JumpPageDown: Editor.QX_PageDown(control); break;
    case ActionId::JumpLineTop: Editor.QX_LineTop(control); break;
    case ActionId::JumpLineEnd: Editor.QX_LineEnd(control); break;
    case ActionId::MoveLeft: Editor.QX_CursorLeft(control); break;
    case ActionId::MoveRight: Editor.QX_CursorRight(control); break;
    case ActionId::MoveUp: Editor.QX_CursorUp(control); break;
    case ActionId::MoveDown: Editor.QX_CursorDown(control); break;
    default: break;
    }
}

void EditCommands::GoBookMark(ActionId action) { Editor.QX_GoBookMark(control_.Handle(), BookmarkDigitOf(action)); }

void EditCommands::SetBookMark(ActionId action)
{
    control_.setBookMark(BookmarkDigitOf(action), control_.caretPos());
}

void EditCommands::Tab() { Editor.QX_Tab(control_.Handle()); }
