// KeyMap: what a key-down does in the control, decided from the key code and the Ctrl and Shift
// state the control tracked itself, and the running of that decision on the model.
#pragma once
#include "core/ControlModel.h"

enum class KeyAction {
    Nothing,         // handled, no effect and no beep
    Beep,            // a key without an action
    ShiftDown,       // the control notes Shift as held
    CtrlDown,        // the control notes Ctrl as held
    BackSpace,
    Tab,
    NextLine,        // line top, then cursor down
    HideSelection,
    Space,
    PageUp,
    PageDown,
    DataEnd,
    DataTop,
    CursorLeft,
    CursorUp,
    CursorRight,
    CursorDown,
    LineTop,
    LineEnd,
    Insert,
    Delete,
    TypeDigit,       // value: 0 to 15
    GoBookMark,      // value: slot 0 to 9
    SetBookMark,     // value: slot 0 to 9, set at the caret
    SelectionBegin,
    SelectionEnd,
    DeleteSelection,
    Undo,
    Redo,
};

struct KeyCommand {
    KeyAction action = KeyAction::Nothing;
    int value = 0;
    bool selects = false;  // a move that also selects from the anchor to where it lands
    bool operator==(const KeyCommand&) const = default;
};

// The command of one key-down of the platform's virtual key `key`. In select mode, Shift with
// the arrows, Page Up, Page Down, Home and End moves as the key does without Shift (Ctrl and
// Shift with an arrow as Ctrl with it) and selects; every other key is as outside it.
[[nodiscard]] KeyCommand MapKey(unsigned key, bool ctrl, bool shift, bool selectMode = false) noexcept;

// Runs a command on the model; Beep goes to the view. ShiftDown and CtrlDown are the caller's
// and do nothing here.
void RunKeyCommand(const KeyCommand& command, ControlModel& model, ControlView& view);
