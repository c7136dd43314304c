// FindCommands: the find, find next and previous, replace, text search and jump commands, and the search they remember.
#pragma once
#include "app/documents/ControlAccess.h"
#include "app/find/TextPattern.h"

#include "common/_CVec.h"

#include <cstdint>
#include <functional>

class EditorControl;
class TForm;
class TStatusBar;

// Find next and previous search again for what the last find, replace or text search looked
// for; the dialogs open with what was entered last. Every command hands the keyboard focus
// back to the control.
class FindCommands {
public:
    // `showHint` is the preference the dialogs follow. `searchChanged` runs after the find and
    // text search dialogs: whether there is something to search again may have changed.
    FindCommands(TForm& owner, EditorControl& control, TStatusBar& statusBar, const bool& showHint,
                 std::function<void()> searchChanged);
    FindCommands(const FindCommands&) = delete;
    FindCommands& operator=(const FindCommands&) = delete;

    // Find next and previous have something to search for.
    [[nodiscard]] bool CanSearchAgain() const noexcept { return !findBytes_.empty(); }

    void Find();
    void FindNext();
    void FindPrev();
    void Replace();
    void FindString();
    void JumpBytePos();

private:
    // Searches for the remembered bytes; a miss is said in a box.
    void Search(FindDirection direction);

    TForm& owner_;
    EditorControl& control_;
    TStatusBar& statusBar_;
    const bool& showHint_;
    std::function<void()> searchChanged_;
    _CVec<uint8_t> findBytes_;
    // Empty when findBytes_ match exactly; after a text search, one flag per byte for the
    // ASCII letters that match either case.
    _CVec<uint8_t> findCaseFlags_;
    // Empty unless the hex search holds unknown digits ('?'): then a mask per byte.
    _CVec<uint8_t> findMasks_;
    _CVec<uint8_t> replaceBytes_;
    TextSearchEntry lastTextSearch_;
};
