// KeyMap: the key table of the control and the model calls behind it.
#include "core/KeyMap.h"

namespace {

// Virtual-key codes of the platform.
enum : unsigned {
    KeyBack = 8, KeyTab = 9, KeyReturn = 13, KeyShift = 16, KeyControl = 17, KeyEscape = 27,
    KeySpace = 32, KeyPrior = 33, KeyNext = 34, KeyEnd = 35, KeyHome = 36,
    KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40, KeyInsert = 45, KeyDelete = 46,
    Key0 = 48, Key9 = 57, KeyA = 65, KeyF = 70, KeyH = 72, KeyJ = 74, KeyK = 75, KeyX = 88, KeyZ = 90,
    KeyNumpad0 = 96, KeyNumpad9 = 105,
};

constexpr KeyCommand Do(KeyAction action, int value = 0) noexcept { return {action, value}; }

// The four columns of a row: no modifier, Shift only, Ctrl only, Ctrl and Shift.
constexpr KeyCommand ByModifier(bool ctrl, bool shift, KeyCommand plain, KeyCommand withShift, KeyCommand withCtrl,
                                KeyCommand withBoth) noexcept
{
    if (ctrl)
        return shift ? withBoth : withCtrl;
    return shift ? withShift : plain;
}

constexpr KeyCommand nothing = Do(KeyAction::Nothing);

} // namespace

KeyCommand MapKey(unsigned key, bool ctrl, bool shift, bool selectMode) noexcept
{
    if (selectMode && shift && ((key >= KeyPrior && key <= KeyHome) || (key >= KeyLeft && key <= KeyDown))) {
        KeyCommand move = MapKey(key, ctrl, false);
        move.selects = true;
        return move;
    }
    switch (key) {
    case KeyBack: return Do(KeyAction::BackSpace);
    case KeyTab: return Do(KeyAction::Tab);
    case KeyReturn: return Do(KeyAction::NextLine);
    // A modifier is noted whatever else is held, so Ctrl then Shift gives Ctrl and Shift.
    case KeyShift: return Do(KeyAction::ShiftDown);
    case KeyControl: return Do(KeyAction::CtrlDown);
    case KeyEscape: return Do(KeyAction::HideSelection);
    case KeySpace: return Do(KeyAction::Space);
    case KeyPrior: return Do(KeyAction::PageUp);
    case KeyNext: return Do(KeyAction::PageDown);
    case KeyEnd: return Do(KeyAction::DataEnd);
    case KeyHome: return Do(KeyAction::DataTop);
    case KeyLeft: return ByModifier(ctrl, shift, Do(KeyAction::CursorLeft), nothing, Do(KeyAction::LineTop), nothing);
    case KeyUp: return ByModifier(ctrl, shift, Do(KeyAction::CursorUp), nothing, Do(KeyAction::PageUp), nothing);
    case KeyRight: return ByModifier(ctrl, shift, Do(KeyAction::CursorRight), nothing, Do(KeyAction::LineEnd), nothing);
    case KeyDown: return ByModifier(ctrl, shift, Do(KeyAction::CursorDown), nothing, Do(KeyAction::PageDown), nothing);
    case KeyInsert: return Do(KeyAction::Insert);
    case KeyDelete: return Do(KeyAction::Delete);
    case KeyH: return ByModifier(ctrl, shift, nothing, nothing, Do(KeyAction::HideSelection), nothing);
    case KeyJ: return ByModifier(ctrl, shift, nothing, nothing, Do(KeyAction::SelectionBegin), nothing);
    case KeyK: return ByModifier(ctrl, shift, nothing, nothing, Do(KeyAction::SelectionEnd), nothing);
    case KeyX: return ByModifier(ctrl, shift, nothing, nothing, Do(KeyAction::DeleteSelection), nothing);
    case KeyZ: return ByModifier(ctrl, shift, nothing, nothing, Do(KeyAction::Undo), Do(KeyAction::Redo));
    default: break;
    }
    int digit = -1;
    if (key >= Key0 && key <= Key9)
        digit = static_cast<int>(key - Key0);
    else if (key >= KeyNumpad0 && key <= KeyNumpad9)
        digit = static_cast<int>(key - KeyNumpad0);
    if (digit >= 0)
        return ByModifier(ctrl, shift, Do(KeyAction::TypeDigit, digit), nothing, Do(KeyAction::GoBookMark, digit),
                          Do(KeyAction::SetBookMark, digit));
    if (key >= KeyA && key <= KeyF)
        return ByModifier(ctrl, shift, Do(KeyAction::TypeDigit, static_cast<int>(key - KeyA) + 10), nothing, nothing,
                          nothing);
    return Do(KeyAction::Beep);
}

void RunKeyCommand(const KeyCommand& command, ControlModel& model, ControlView& view)
{
    if (command.selects) {
        const int64_t anchor = model.selectionAnchor();
        RunKeyCommand({command.action, command.value}, model, view);
        model.selectToCaret(anchor);
        return;
    }
    switch (command.action) {
    case KeyAction::Nothing:
    case KeyAction::ShiftDown:
    case KeyAction::CtrlDown: break;
    case KeyAction::Beep: view.beep(); break;
    case KeyAction::BackSpace: model.backSpace(); break;
    case KeyAction::Tab: model.tab(); break;
    case KeyAction::NextLine:
        model.lineTop();
        model.cursorDown();
        break;
    case KeyAction::HideSelection: model.hideSelection(); break;
    case KeyAction::Space: model.space(); break;
    case KeyAction::PageUp: model.pageUp(); break;
    case KeyAction::PageDown: model.pageDown(); break;
    case KeyAction::DataEnd: model.dataEnd(); break;
    case KeyAction::DataTop: model.dataTop(); break;
    case KeyAction::CursorLeft: model.cursorLeft(); break;
    case KeyAction::CursorUp: model.cursorUp(); break;
    case KeyAction::CursorRight: model.cursorRight(); break;
    case KeyAction::CursorDown: model.cursorDown(); break;
    case KeyAction::LineTop: model.lineTop(); break;
    case KeyAction::LineEnd: model.lineEnd(); break;
    case KeyAction::Insert: model.insert(); break;
    case KeyAction::Delete: model.deleteByte(); break;
    case KeyAction::TypeDigit: model.typeDigit(command.value); break;
    case KeyAction::GoBookMark: model.goBookMark(command.value); break;
    case KeyAction::SetBookMark: model.setBookMark(command.value, model.caretPos64()); break;
    case KeyAction::SelectionBegin: model.selectionBegin(); break;
    case KeyAction::SelectionEnd: model.selectionEnd(); break;
    case KeyAction::DeleteSelection: model.deleteSelection(); break;
    case KeyAction::Undo: model.undo(); break;
    case KeyAction::Redo: model.redo(); break;
    }
}
