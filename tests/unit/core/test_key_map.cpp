// The key map's decisions for each modifier column, running them on the model, and the wheel.
#include "core/KeyMap.h"
#include "core/WheelScroll.h"

#include <gtest/gtest.h>

#include "tests/unit/core/RecordingView.h"

namespace {

struct Columns {
    KeyCommand plain, shift, ctrl, both;
};

Columns Row(unsigned key)
{
    return {MapKey(key, false, false), MapKey(key, false, true), MapKey(key, true, false), MapKey(key, true, true)};
}

KeyCommand Do(KeyAction action, int value = 0) { return {action, value}; }
const KeyCommand nothing = Do(KeyAction::Nothing);

void ExpectSameInAllColumns(unsigned key, KeyAction action)
{
    const Columns row = Row(key);
    for (const KeyCommand& command : {row.plain, row.shift, row.ctrl, row.both})
        EXPECT_EQ(command, Do(action)) << "key " << key;
}

} // namespace

TEST(KeyMap, KeysThatActWhateverTheModifiers)
{
    ExpectSameInAllColumns(8, KeyAction::BackSpace);
    ExpectSameInAllColumns(9, KeyAction::Tab);
    ExpectSameInAllColumns(13, KeyAction::NextLine);
    ExpectSameInAllColumns(27, KeyAction::HideSelection);
    ExpectSameInAllColumns(32, KeyAction::Space);
    ExpectSameInAllColumns(33, KeyAction::PageUp);
    ExpectSameInAllColumns(34, KeyAction::PageDown);
    ExpectSameInAllColumns(35, KeyAction::DataEnd);
    ExpectSameInAllColumns(36, KeyAction::DataTop);
    ExpectSameInAllColumns(45, KeyAction::Insert);
    ExpectSameInAllColumns(46, KeyAction::Delete);
    // A modifier held while the other goes down is noted too.
    ExpectSameInAllColumns(16, KeyAction::ShiftDown);
    ExpectSameInAllColumns(17, KeyAction::CtrlDown);
}

TEST(KeyMap, ArrowsMoveAloneGoFurtherWithCtrlAndDoNothingWithShift)
{
    const struct { unsigned key; KeyAction plain, ctrl; } rows[] = {
        {37, KeyAction::CursorLeft, KeyAction::LineTop},
        {38, KeyAction::CursorUp, KeyAction::PageUp},
        {39, KeyAction::CursorRight, KeyAction::LineEnd},
        {40, KeyAction::CursorDown, KeyAction::PageDown},
    };
    for (const auto& row : rows) {
        const Columns columns = Row(row.key);
        EXPECT_EQ(columns.plain, Do(row.plain));
        EXPECT_EQ(columns.shift, nothing);
        EXPECT_EQ(columns.ctrl, Do(row.ctrl));
        EXPECT_EQ(columns.both, nothing);
    }
}

TEST(KeyMap, DigitsTypeOrVisitOrSetBookmarks)
{
    for (unsigned key : {unsigned('3'), 96u + 3}) {
        const Columns row = Row(key);
        EXPECT_EQ(row.plain, Do(KeyAction::TypeDigit, 3));
        EXPECT_EQ(row.shift, nothing);
        EXPECT_EQ(row.ctrl, Do(KeyAction::GoBookMark, 3));
        EXPECT_EQ(row.both, Do(KeyAction::SetBookMark, 3));
    }
    EXPECT_EQ(MapKey('0', false, false), Do(KeyAction::TypeDigit, 0));
    EXPECT_EQ(MapKey(105, true, false), Do(KeyAction::GoBookMark, 9));
    const Columns a = Row('A');
    EXPECT_EQ(a.plain, Do(KeyAction::TypeDigit, 10));
    EXPECT_EQ(a.shift, nothing);
    EXPECT_EQ(a.ctrl, nothing);
    EXPECT_EQ(a.both, nothing);
    EXPECT_EQ(MapKey('F', false, false), Do(KeyAction::TypeDigit, 15));
}

TEST(KeyMap, LettersWithCtrlAndTheDefaultBeep)
{
    EXPECT_EQ(Row('H').ctrl, Do(KeyAction::HideSelection));
    EXPECT_EQ(Row('J').ctrl, Do(KeyAction::SelectionBegin));
    EXPECT_EQ(Row('K').ctrl, Do(KeyAction::SelectionEnd));
    EXPECT_EQ(Row('X').ctrl, Do(KeyAction::DeleteSelection));
    EXPECT_EQ(Row('Z').ctrl, Do(KeyAction::Undo));
    EXPECT_EQ(Row('Z').both, Do(KeyAction::Redo));
    for (unsigned key : {'H', 'J', 'K', 'X', 'Z'}) {
        EXPECT_EQ(Row(key).plain, nothing) << key;
        EXPECT_EQ(Row(key).shift, nothing) << key;
    }
    EXPECT_EQ(Row('X').both, nothing);
    for (unsigned key : {unsigned('G'), unsigned('Y'), 112u /* F1 */, 20u /* caps lock */, 186u, 0u, 255u}) {
        const Columns row = Row(key);
        for (const KeyCommand& command : {row.plain, row.shift, row.ctrl, row.both})
            EXPECT_EQ(command, Do(KeyAction::Beep)) << "key " << key;
    }
}

TEST(KeyMap, CommandsRunOnTheModel)
{
    RecordingView view;
    ControlModel model(view);
    view.model = &model;
    const uint8_t bytes[40] = {};
    model.setData(bytes, sizeof bytes);
    model.setCaretPos(5);

    RunKeyCommand(MapKey(13, false, false), model, view);  // line top, then down
    EXPECT_EQ(model.caretPos(), 32);
    RunKeyCommand(MapKey('3', true, true), model, view);
    EXPECT_EQ(model.bookMark(3), 32);
    RunKeyCommand(MapKey('C', false, false), model, view);
    uint8_t typed = 0;
    ASSERT_TRUE(model.getData(&typed, 32, 1));
    EXPECT_EQ(typed, 0xC0);
    RunKeyCommand(MapKey(36, false, false), model, view);
    RunKeyCommand(MapKey('3', true, false), model, view);
    EXPECT_EQ(model.caretPos(), 32);

    view.clear();
    RunKeyCommand(MapKey('G', false, false), model, view);
    RunKeyCommand(MapKey(37, false, true), model, view);
    RunKeyCommand(MapKey(16, false, false), model, view);
    EXPECT_EQ(view.beeps, 1);
    EXPECT_EQ(model.caretPos(), 32);
    EXPECT_EQ(view.problem, "");
}

TEST(WheelScroll, NotchesTimesTheSettingBelowAPageAndPagesFromThere)
{
    EXPECT_EQ(WheelScrollLines(120, 3, 20), -3);
    EXPECT_EQ(WheelScrollLines(-120, 3, 20), 3);
    EXPECT_EQ(WheelScrollLines(359, 3, 20), -6);
    EXPECT_EQ(WheelScrollLines(119, 3, 20), 0);
    EXPECT_EQ(WheelScrollLines(-119, 3, 20), 0);
    EXPECT_EQ(WheelScrollLines(240, 0, 20), 0);
    EXPECT_EQ(WheelScrollLines(-32768, 3, 20), 273 * 3);
    EXPECT_EQ(WheelScrollLines(-360, 19, 20), 3 * 19);
    // A setting of a page or more, and the page setting, scroll a page per notch.
    EXPECT_EQ(WheelScrollLines(-360, 20, 20), 3 * 20);
    EXPECT_EQ(WheelScrollLines(-360, 100000, 20), 3 * 20);
    EXPECT_EQ(WheelScrollLines(32767, 0x7FFFFFFFu, 20), -273 * 20);
    EXPECT_EQ(WheelScrollLines(120, kWheelPageScroll, 20), -20);
    EXPECT_EQ(WheelScrollLines(-360, kWheelPageScroll, 0), 3);
    EXPECT_EQ(WheelScrollLines(60, kWheelPageScroll, 20), 0);
}

TEST(WheelScroll, TheWholeAmountIsScrolledAtOnce)
{
    TestControl c(countingBytes(16 * 1000), 20);
    c.model.scrollLines(WheelScrollLines(-360, 100000, c.p().pageLines));
    EXPECT_EQ(c.p().topLine, 60);
    EXPECT_EQ(c.view.damages.size(), 1u);
    c.model.scrollLines(-1000000);
    EXPECT_EQ(c.p().topLine, 0);
    c.model.scrollLines(INT64_MAX);
    EXPECT_EQ(c.p().topLine, 1000 - 20);
    EXPECT_EQ(c.view.damages.size(), 3u);
    EXPECT_EQ(c.view.staleRow(), -1);
    EXPECT_TRUE(c.view.barMatches());
    EXPECT_EQ(c.view.problem, "");
}

TEST(KeyMap, SelectModeChangesOnlyShiftWithTheMoves)
{
    EXPECT_EQ(MapKey(40, true, true, true), (KeyCommand{KeyAction::PageDown, 0, true}));
    EXPECT_EQ(MapKey(35, true, true, true), (KeyCommand{KeyAction::DataEnd, 0, true}));
    for (unsigned key = 0; key < 256; ++key)
        for (int modifiers = 0; modifiers < 4; ++modifiers) {
            const bool ctrl = modifiers & 1, shift = modifiers & 2;
            const KeyCommand plain = MapKey(key, ctrl, shift), selecting = MapKey(key, ctrl, shift, true);
            const bool moves = key >= 33 && key <= 40;
            const KeyCommand expected = shift && moves ? KeyCommand{MapKey(key, ctrl, false).action, 0, true} : plain;
            EXPECT_EQ(selecting, expected) << key;
        }
}
