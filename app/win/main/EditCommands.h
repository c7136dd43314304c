// EditCommands: the commands that act on the control directly: edits, the clipboard, moves, bookmarks, tab, and the edit menu.
#pragma once
#include "app/settings/ActionTable.h"

#include <functional>

class EditorControl;
class TForm;
class TFrameInspector;
class TMainMenu;

// Each command calls the control's exports and nothing else; the control refuses changes
// while read-only. The edit menu's items are set each time it opens, not the actions, so the
// shortcuts keep working and the commands check for themselves.
class EditCommands {
public:
    // `readOnlyChosen` runs after the user switched the control's read-only mode.
    EditCommands(TForm& owner, EditorControl& control, TMainMenu& menu, TFrameInspector& inspector,
                 std::function<void()> readOnlyChosen);
    EditCommands(const EditCommands&) = delete;
    EditCommands& operator=(const EditCommands&) = delete;

    // ActionEditUndo ... ActionEditInsert.
    void Edit(ActionId action);
    // ActionJumpDocTop, ActionJumpDocEnd, the page and line jumps, ActionMoveLeft ... Down.
    void Move(ActionId action);
    // ActionBookMark0...9 go to their bookmark, ActionSetBookMark0...9 set it at the caret.
    void GoBookMark(ActionId action);
    void SetBookMark(ActionId action);
    void Tab();

    // MenuEditClick: the items by the control's state and the clipboard.
    void EditMenuOpening();
    // MenuEditReadOnlyClick.
    void SwitchReadOnly();

private:
    // The selection's bytes onto the clipboard as hex text; false when nothing went there.
    bool CopySelection();
    // The clipboard's hex text as bytes at the caret; nothing for any other text.
    void InsertClipboard();

    TForm& owner_;
    EditorControl& control_;
    TMainMenu& menu_;
    TFrameInspector& inspector_;
    std::function<void()> readOnlyChosen_;
};
