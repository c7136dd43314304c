// The program as a separate process, driven by real key presses through xdotool: the keys run
// the actions (insert, moves, selection, copy) and reach the control (digits, space).
#include "tests/win/main/FormHarness.h"

#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Selects the byte under the caret after the moves and copies it: the clipboard tells where
// the caret is.
std::string CaretByteAfter(RunningEditor& editor, const std::string& moves)
{
    SetClipboardText("none");
    if (!editor.pressKeys(moves + " ctrl+j ctrl+k ctrl+c"))
        return "xdotool failed";
    WaitFor([] { return GetClipboardText() != "none"; });
    return GetClipboardText();
}

} // namespace

TEST(RunningEditorKeys, KeysRunTheActionsAndReachTheControl)
{
    if (!RunningEditor::CanPressKeys())
        GTEST_SKIP() << "needs xdotool and a display";
    RunningEditor editor("mw_keys");
    ASSERT_TRUE(editor.started());

    // Eighteen bytes from the clipboard in front of the new document's single byte: a whole
    // line and two bytes of the next.
    SetClipboardText("00112233445566778899aabbccddeeff0102");
    ASSERT_TRUE(editor.pressKeys("ctrl+v"));
    ASSERT_TRUE(WaitFor([&] { return editor.sizeText() == "19"; })) << editor.sizeText();

    EXPECT_EQ(CaretByteAfter(editor, "End"), "00");
    EXPECT_EQ(CaretByteAfter(editor, "ctrl+Left"), "01");
    EXPECT_EQ(CaretByteAfter(editor, "Up Right Right"), "11");
    EXPECT_EQ(CaretByteAfter(editor, "Home"), "00");

    // Three bytes across the line end.
    SetClipboardText("none");
    ASSERT_TRUE(editor.pressKeys("End ctrl+Left Left Left ctrl+j Right Right Right Right ctrl+k ctrl+c"));
    ASSERT_TRUE(WaitFor([] { return GetClipboardText() != "none"; }));
    EXPECT_EQ(GetClipboardText(), "FF0102");

    // Digits and the space bar are no action's keys: the control takes them.
    ASSERT_TRUE(editor.pressKeys("Home 7 7 space"));
    EXPECT_TRUE(WaitFor([&] { return editor.sizeText() == "20"; })) << editor.sizeText();
    EXPECT_EQ(CaretByteAfter(editor, "Home"), "77");
}
