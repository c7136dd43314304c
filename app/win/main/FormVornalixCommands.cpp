// TFormVornalix: the commands: edits and the clipboard, moves, bookmarks, tab, font, colour, help, backup tick.
#include "app/win/main/TFormVornalix.h"

#include "app/find/ByteText.h"
#include "app/tools/ClipboardBytes.h"
#include "app/win/system/Clipboard.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/system/EditorProcess.h"
#include "app/win/system/HelpViewer.h"
#include "app/texts/ProgramTexts.h"
#include "app/win/system/SystemDialogs.h"

#include "common/win/AHourglass.h"
#include "common/win/MessageBox.h"

#include <climits>
#include <vector>

namespace {

ActionId IdOf(const TAction& sender) { return ActionByName(sender.Name()).value_or(ActionId::FileNew); }

} // namespace

// ---------------------------------------------------------------------------------------
// Edit commands

bool TFormVornalix::CopySelection()
{
    const int count = Editor.QX_GetSelectionSize(ControlHandle);
    if (count <= 0)
        return false;
    std::vector<uint8_t> bytes(static_cast<size_t>(count));
    if (!Editor.QX_GetData(ControlHandle, bytes.data(), Editor.QX_GetSelectionBegin(ControlHandle), count))
        return false;
    return PutClipboardText(Handle(), BytesToHex(bytes.data(), bytes.size()));
}

void TFormVornalix::InsertClipboard()
{
    const std::optional<std::string> text = ClipboardText(Handle());
    if (!text)
        return;
    const std::optional<_CVec<uint8_t>> bytes = ClipboardBytes(*text);
    if (!bytes || bytes->size() > static_cast<size_t>(INT_MAX))
        return;
    Editor.QX_InsertData(ControlHandle, Editor.QX_GetCaretPos(ControlHandle), bytes->data(),
                         static_cast<int>(bytes->size()));
}

void TFormVornalix::ActionEditUndoExecute(TAction& sender)
{
    const HWND control = ControlHandle;
    const bool selected = Editor.QX_GetSelectionSize(control) != 0;
    switch (IdOf(sender)) {
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
        if (FrameInspector.ListInspector.Focused())
            FrameInspector.Copy(false);
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

// Sets the items, not the actions: the shortcuts keep working and the handlers check for
// themselves.
void TFormVornalix::MenuEditClick()
{
    const HWND control = ControlHandle;
    const bool readOnly = Editor.QX_IsReadOnly(control);
    const bool selected = Editor.QX_GetSelectionSize(control) != 0;
    bool insertable = false;
    if (!readOnly && ClipboardHasText())
        if (const std::optional<std::string> text = ClipboardText(Handle()))
            insertable = ClipboardBytes(*text).has_value();
    MenuItem("MenuEditUndo").SetEnabled(Editor.QX_CanUndo(control) && !readOnly);
    MenuItem("MenuEditRedo").SetEnabled(Editor.QX_CanRedo(control) && !readOnly);
    MenuItem("MenuEditSelEnd").SetEnabled(selected);
    MenuItem("MenuEditHideSel").SetEnabled(selected);
    MenuItem("MenuEditCut").SetEnabled(selected && !readOnly);
    MenuItem("MenuEditDelete").SetEnabled(selected && !readOnly);
    MenuItem("MenuEditCopy").SetEnabled(selected);
    MenuItem("MenuEditInsert").SetEnabled(insertable);
    MenuItem("MenuEditReadOnly").SetChecked(readOnly);
}

void TFormVornalix::MenuEditReadOnlyClick()
{
    TMenuItem& item = MenuItem("MenuEditReadOnly");
    item.SetChecked(!item.Checked());
    Editor.QX_SetReadOnly(ControlHandle, item.Checked());
    Documents.ReadOnlyChosen();
    ShowReadOnlyPanel();
}

// ---------------------------------------------------------------------------------------
// Moves, bookmarks, tab

void TFormVornalix::ActionJumpDocTopExecute(TAction& sender)
{
    const HWND control = ControlHandle;
    switch (IdOf(sender)) {
    case ActionId::JumpDocTop: Editor.QX_DataTop(control); break;
    case ActionId::JumpDocEnd: Editor.QX_DataEnd(control); break;
    case ActionId::JumpPageUp: Editor.QX_PageUp(control); break;
    case ActionId::JumpPageDown: Editor.QX_PageDown(control); break;
    case ActionId::JumpLineTop: Editor.QX_LineTop(control); break;
    case ActionId::JumpLineEnd: Editor.QX_LineEnd(control); break;
    default: break;
    }
}

void TFormVornalix::ActionMoveLeftExecute(TAction& sender)
{
    const HWND control = ControlHandle;
    switch (IdOf(sender)) {
    case ActionId::MoveLeft: Editor.QX_CursorLeft(control); break;
    case ActionId::MoveRight: Editor.QX_CursorRight(control); break;
    case ActionId::MoveUp: Editor.QX_CursorUp(control); break;
    case ActionId::MoveDown: Editor.QX_CursorDown(control); break;
    default: break;
    }
}

void TFormVornalix::ActionBookMark0Execute(TAction& sender)
{
    Editor.QX_GoBookMark(ControlHandle, BookmarkDigitOf(IdOf(sender)));
}

void TFormVornalix::ActionSetBookMark0Execute(TAction& sender)
{
    Editor.QX_SetBookMark(ControlHandle, BookmarkDigitOf(IdOf(sender)), Editor.QX_GetCaretPos(ControlHandle));
}

void TFormVornalix::ActionOthersTabExecute(TAction&) { Editor.QX_Tab(ControlHandle); }

// ---------------------------------------------------------------------------------------
// Font, colour, help

void TFormVornalix::ActionPrefFontExecute(TAction&)
{
    LOGFONTA font{};
    COLORREF color = 0;
    if (Editor.QX_GetLogFont(ControlHandle, &font, &color) && ChooseControlFont(Handle(), font, color))
        Editor.QX_SetLogFont(ControlHandle, &font, &color);
    FocusControl();
}

void TFormVornalix::ActionPrefBgColorExecute(TAction&)
{
    COLORREF color = 0;
    if (Editor.QX_GetBkColor(ControlHandle, &color) && ChooseBackgroundColor(Handle(), color))
        Editor.QX_SetBkColor(ControlHandle, &color);
    FocusControl();
}

void TFormVornalix::ShowHelpView(bool index)
{
    if (!ShowHelp(Handle(), index ? HelpView::Index : HelpView::Contents))
        ShowMessageBox(Handle(), kTextHelpNotFound, kMessageError);
    FocusControl();
}

void TFormVornalix::ActionHelpContentsExecute(TAction&) { ShowHelpView(false); }

void TFormVornalix::ActionHelpKeywordExecute(TAction&) { ShowHelpView(true); }

// ---------------------------------------------------------------------------------------
// The backup tick

void TFormVornalix::TimerTimer()
{
    // Undo and redo change the data without the control's flag: its changes since the last
    // backup tell as well. A base file changed by another program needs a backup of its own.
    if (!ControlHandle ||
        (!Editor.QX_IsModified(ControlHandle) && Editor.QX_GetChanges(ControlHandle, nullptr, 0) <= 0 &&
         !Backup->BaseChanged()))
        return;
    try {
        // A backup that could not be written leaves the flag set, so the next tick tries again.
        if (Backup->WriteBackup(ControlHandle))
            Editor.QX_SetModified(ControlHandle, false);
    } catch (const std::bad_alloc&) {
        ShowOutOfMemory(Handle());
    }
}

// ---------------------------------------------------------------------------------------
// Commands of the documents, the editing list, find and replace, the jump, settings and about
// dialogs: each hands the focus back to the control for now.

void TFormVornalix::ActionFileEditorNewExecute(TAction&)
{
    const AHourglass wait;
    ::ActionFileEditorNew(Handle());
}

// Closing goes through FormCloseQuery like every other way of closing the window.
void TFormVornalix::ActionFileExitExecute(TAction&) { Close(); }
