// Selection by mouse and Shift: gesture sequences and where they leave the caret and the
// selection, with the block commands acting on the same selection.
#include <gtest/gtest.h>

#include <vector>

#include "core/KeyMap.h"
#include "tests/unit/core/RecordingView.h"

namespace {

enum : unsigned { Next = 34, End = 35, Home = 36, Left = 37, Right = 39, Down = 40 };

enum class G { Press, ShiftPress, Drag, Release, Key, ShiftKey, CtrlShiftKey, CtrlKey };

struct Step {
    G gesture;
    int64_t value;  // a nibble, or a virtual key
};

void Perform(ControlModel& model, RecordingView& view, const Step& step)
{
    const unsigned key = static_cast<unsigned>(step.value);
    const bool mode = model.selectMode();
    switch (step.gesture) {
    case G::Press: model.mousePress(step.value, false); break;
    case G::ShiftPress: model.mousePress(step.value, true); break;
    case G::Drag: model.mouseDrag(step.value); break;
    case G::Release: model.mouseRelease(); break;
    case G::Key: RunKeyCommand(MapKey(key, false, false, mode), model, view); break;
    case G::ShiftKey: RunKeyCommand(MapKey(key, false, true, mode), model, view); break;
    case G::CtrlShiftKey: RunKeyCommand(MapKey(key, true, true, mode), model, view); break;
    case G::CtrlKey: RunKeyCommand(MapKey(key, true, false, mode), model, view); break;
    }
}

struct Case {
    const char* what;
    int64_t caretAtStart;
    std::vector<Step> steps;
    int64_t caret, selBegin, selEnd;
};

// 640 bytes (40 lines) on a page of 10 lines.
struct SelectingControl : TestControl {
    SelectingControl(bool selectMode, int64_t caret) : TestControl(countingBytes(640), 10)
    {
        model.setSelectMode(selectMode);
        model.setCaretPos(caret);
        view.clear();
    }
};

} // namespace

TEST(SelectGestures, SequencesLeaveCaretAndSelection)
{
    const Case cases[] = {
        {"a press and a drag inside the byte select nothing", 0, {{G::Press, 10}, {G::Drag, 11}}, 11, -1, -1},
        {"a drag out of the byte selects from it", 0, {{G::Press, 11}, {G::Drag, 20}}, 20, 10, 22},
        {"and backwards", 0, {{G::Press, 20}, {G::Drag, 9}}, 9, 8, 22},
        {"back on the pressed byte keeps it", 0, {{G::Press, 10}, {G::Drag, 40}, {G::Drag, 11}}, 11, 10, 12},
        {"moves after the release do not select", 0,
         {{G::Press, 10}, {G::Drag, 12}, {G::Release, 0}, {G::Drag, 40}}, 40, 10, 14},
        {"a plain click keeps the selection", 8,
         {{G::CtrlKey, 'J'}, {G::Press, 30}, {G::Release, 0}}, 30, 8, 10},
        {"a new drag replaces it", 8, {{G::CtrlKey, 'J'}, {G::Press, 30}, {G::Drag, 34}}, 34, 30, 36},
        {"Shift+click from the caret", 6, {{G::ShiftPress, 21}}, 21, 6, 22},
        {"Shift+click then a drag goes on from the same anchor", 6,
         {{G::ShiftPress, 21}, {G::Drag, 2}}, 2, 2, 8},
        {"Shift+click keeps the start of a marked block", 4,
         {{G::CtrlKey, 'J'}, {G::Press, 10}, {G::Release, 0}, {G::CtrlKey, 'K'}, {G::ShiftPress, 2}}, 2, 2, 6},
        {"Shift+click before the block keeps its end", 10,
         {{G::CtrlKey, 'J'}, {G::Key, Left}, {G::Key, Left}, {G::CtrlKey, 'K'}, {G::ShiftPress, 40}}, 40, 10, 42},
        {"Ctrl+K stretches a drag's selection", 0,
         {{G::Press, 10}, {G::Drag, 14}, {G::Release, 0}, {G::Press, 40}, {G::CtrlKey, 'K'}}, 40, 10, 42},
        {"Shift+Right selects the caret's byte, then the next", 10,
         {{G::ShiftKey, Right}, {G::ShiftKey, Right}}, 12, 10, 14},
        {"Shift+Left past the anchor turns round it", 12,
         {{G::ShiftKey, Left}, {G::ShiftKey, Left}, {G::ShiftKey, Left}}, 9, 8, 14},
        {"Shift+Down and Ctrl+Shift+Right", 0, {{G::ShiftKey, Down}, {G::CtrlShiftKey, Right}}, 63, 0, 64},
        {"Shift+Page Down follows the view", 3, {{G::ShiftKey, Next}}, 323, 2, 324},
        {"Shift+End and Shift+Home from the anchor", 100, {{G::ShiftKey, End}, {G::ShiftKey, Home}}, 0, 0, 102},
        {"plain moves keep the selection, Esc clears it", 10,
         {{G::ShiftKey, Right}, {G::ShiftKey, Right}, {G::Key, Right}, {G::Key, Down}}, 45, 10, 14},
        {"Shift+End after a selection began at the caret", 20,
         {{G::CtrlKey, 'J'}, {G::ShiftKey, End}}, 1279, 20, 1280},
    };
    for (const Case& c : cases) {
        SelectingControl t(true, c.caretAtStart);
        for (const Step& step : c.steps)
            Perform(t.model, t.view, step);
        EXPECT_EQ(t.p().caret, c.caret) << c.what;
        EXPECT_EQ(t.p().selBegin, c.selBegin) << c.what;
        EXPECT_EQ(t.p().selEnd, c.selEnd) << c.what;
        EXPECT_EQ(t.p().brokenInvariant(), nullptr) << c.what;
        EXPECT_EQ(t.view.staleRow(), -1) << c.what;
        EXPECT_EQ(t.view.problem, "") << c.what;
    }
}

TEST(SelectGestures, AnEditDuringADragKeepsTheAnchorInsideTheData)
{
    SelectingControl t(true, 0);
    t.model.mousePress(1270, false);
    t.model.setSelection(0, 640);
    ASSERT_TRUE(t.model.deleteSelection());
    t.model.mouseDrag(1);
    EXPECT_EQ(t.p().selBegin, 0);
    EXPECT_EQ(t.p().selEnd, 2);
    EXPECT_EQ(t.p().brokenInvariant(), nullptr);
}
