// The key map through key messages: every row, the modifier columns, the default beep, the
// Ctrl and Shift state the control tracks from its own messages, and a failure inside a key.
#include "tests/win/support/BeepCounter.h"
#include "tests/win/support/ControlHost.h"
#include "tests/win/support/ControlPicture.h"
#include "tests/win/support/MessageBoxCatcher.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

class Keys : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(control, nullptr);
        SetFocus(control);
        ASSERT_TRUE(beeps.installed());
    }
    void setData(const Bytes& bytes)
    {
        ASSERT_TRUE(Editor.QX_SetData(control, bytes.data(), static_cast<int>(bytes.size())));
    }
    Bytes data()
    {
        Bytes bytes(static_cast<size_t>(Editor.QX_GetDataSize(control)));
        Editor.QX_GetData(control, bytes.data(), 0, static_cast<int>(bytes.size()));
        return bytes;
    }
    int caret() { return Editor.QX_GetCaretPos(control); }
    int viewLine() { return Editor.QX_GetViewTop(control) / 32; }

    void down(UINT key, HWND window = nullptr) { SendMessageA(window ? window : control, WM_KEYDOWN, key, 1); }
    void up(UINT key, HWND window = nullptr) { SendMessageA(window ? window : control, WM_KEYUP, key, 0xC0000001); }
    void press(UINT key)
    {
        down(key);
        up(key);
    }
    void withCtrl(UINT key)
    {
        down(VK_CONTROL);
        press(key);
        up(VK_CONTROL);
    }
    void withShift(UINT key)
    {
        down(VK_SHIFT);
        press(key);
        up(VK_SHIFT);
    }
    void withCtrlShift(UINT key)
    {
        down(VK_CONTROL);
        down(VK_SHIFT);
        press(key);
        up(VK_SHIFT);
        up(VK_CONTROL);
    }

    ControlHost host{800, 600};
    HWND control = host.control();
    BeepCounter beeps;
};

TEST_F(Keys, ArrowsHomeEndAndEnterMoveTheCaret)
{
    setData(Bytes(100));
    press(VK_RIGHT);
    EXPECT_EQ(caret(), 1);
    press(VK_DOWN);
    EXPECT_EQ(caret(), 33);
    press(VK_LEFT);
    EXPECT_EQ(caret(), 32);
    press(VK_UP);
    EXPECT_EQ(caret(), 0);
    press(VK_END);
    EXPECT_EQ(caret(), 199);
    press(VK_HOME);
    EXPECT_EQ(caret(), 0);
    Editor.QX_SetCaretPos(control, 5);
    press(VK_RETURN);
    EXPECT_EQ(caret(), 32) << "line top, then one line down";
    withCtrl(VK_RIGHT);
    EXPECT_EQ(caret(), 63);
    withCtrl(VK_LEFT);
    EXPECT_EQ(caret(), 32);
    EXPECT_EQ(beeps.count(), 0);
    Editor.QX_SetCaretPos(control, 0);
    press(VK_UP);
    press(VK_LEFT);
    EXPECT_EQ(beeps.count(), 2) << "moves at the edge beep";
    EXPECT_EQ(caret(), 0);
}

TEST_F(Keys, ShiftArrowsDoNothingAndDoNotBeep)
{
    setData(Bytes(100));
    Editor.QX_SetCaretPos(control, 40);
    for (UINT key : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN}) {
        withShift(key);
        withCtrlShift(key);
    }
    EXPECT_EQ(caret(), 40);
    EXPECT_EQ(beeps.count(), 0);
}

TEST_F(Keys, PagingKeys)
{
    setData(Bytes(16 * 300));
    const int page = static_cast<int>(ScrollBarOf(control).nPage);
    ASSERT_GT(page, 5);
    press(VK_NEXT);
    EXPECT_EQ(viewLine(), page);
    withCtrl(VK_DOWN);
    EXPECT_EQ(viewLine(), 2 * page);
    EXPECT_EQ(ScrollBarOf(control).nPos, 2 * page);
    withCtrl(VK_UP);
    EXPECT_EQ(viewLine(), page);
    press(VK_PRIOR);
    EXPECT_EQ(viewLine(), 0);
    EXPECT_EQ(beeps.count(), 0);
}

TEST_F(Keys, DigitsTypeAndWithCtrlVisitOrSetBookmarks)
{
    setData(Bytes(32));
    Editor.QX_SetCaretPos(control, 10);
    withCtrlShift('3');
    EXPECT_EQ(Editor.QX_BookMark(control, 3), 10);
    withCtrlShift(VK_NUMPAD7);
    EXPECT_EQ(Editor.QX_BookMark(control, 7), 10);
    press(VK_HOME);
    withShift('3');
    EXPECT_EQ(caret(), 0);
    EXPECT_EQ(data(), Bytes(32)) << "Shift+3 does nothing";
    withCtrl('3');
    EXPECT_EQ(caret(), 10);
    press(VK_HOME);
    withCtrl(VK_NUMPAD7);
    EXPECT_EQ(caret(), 10);
    press('7');
    press(VK_NUMPAD9);
    EXPECT_EQ(data()[5], 0x79);
    EXPECT_EQ(caret(), 12);
    EXPECT_EQ(beeps.count(), 0);
}

TEST_F(Keys, LettersAToFTypeAloneOnly)
{
    press('A');
    EXPECT_EQ(data(), Bytes{0xA0});
    EXPECT_EQ(caret(), 1);
    press('5');
    EXPECT_EQ(data(), Bytes{0xA5});
    EXPECT_EQ(caret(), 1) << "the digit is kept, the caret stays on the last nibble";
    EXPECT_EQ(beeps.count(), 1);
    withCtrl('A');
    withShift('A');
    withShift('F');
    EXPECT_EQ(data(), Bytes{0xA5});
    EXPECT_EQ(beeps.count(), 1);
    press('G');
    withCtrl('G');
    press(VK_F1);
    EXPECT_EQ(beeps.count(), 4) << "keys without an action beep";
    press(VK_SHIFT);
    press(VK_CONTROL);
    press('H');
    EXPECT_EQ(beeps.count(), 4);
}

TEST_F(Keys, EditingKeysAndUndoRedo)
{
    setData(Bytes{0x11, 0x22, 0x33});
    Editor.QX_SetCaretPos(control, 3);
    press(VK_INSERT);
    EXPECT_EQ(data(), (Bytes{0x11, 0x00, 0x22, 0x33}));
    press(VK_DELETE);
    EXPECT_EQ(data(), (Bytes{0x11, 0x22, 0x33}));
    EXPECT_EQ(caret(), 2);
    press(VK_SPACE);
    EXPECT_EQ(data(), (Bytes{0x11, 0x22, 0x00, 0x33}));
    EXPECT_EQ(caret(), 4);
    press(VK_BACK);
    EXPECT_EQ(data(), (Bytes{0x11, 0x00, 0x33}));
    Editor.QX_SetTabSize(control, 4);
    press(VK_TAB);
    EXPECT_EQ(data(), (Bytes{0x11, 0x00, 0x00, 0x00, 0x00, 0x33}));
    withCtrl('Z');
    EXPECT_EQ(data(), (Bytes{0x11, 0x00, 0x33}));
    withCtrl('Z');
    withCtrl('Z');
    EXPECT_EQ(data(), (Bytes{0x11, 0x22, 0x33}));
    withCtrlShift('Z');
    EXPECT_EQ(data(), (Bytes{0x11, 0x22, 0x00, 0x33}));
    press('Z');
    withShift('Z');
    EXPECT_EQ(data(), (Bytes{0x11, 0x22, 0x00, 0x33}));
    EXPECT_EQ(beeps.count(), 0);
}

TEST_F(Keys, SelectionKeys)
{
    setData(Bytes(16));
    Editor.QX_SetCaretPos(control, 2 * 5);
    withCtrl('J');
    Editor.QX_SetCaretPos(control, 2 * 9 + 1);
    withCtrl('K');
    EXPECT_EQ(Editor.QX_GetSelectionBegin(control), 10);
    EXPECT_EQ(Editor.QX_GetSelectionSize(control), 5);
    press(VK_ESCAPE);
    EXPECT_EQ(Editor.QX_GetSelectionBegin(control), -1);
    withCtrl('J');
    withCtrl('H');
    EXPECT_EQ(Editor.QX_GetSelectionBegin(control), -1);
    press('J');
    withShift('K');
    withCtrlShift('J');
    EXPECT_EQ(Editor.QX_GetSelectionBegin(control), -1);
    withCtrl('J');
    withCtrl('X');
    EXPECT_EQ(Editor.QX_GetDataSize(control), 15);
    EXPECT_EQ(Editor.QX_GetSelectionBegin(control), -1);
    EXPECT_EQ(beeps.count(), 0);
}

TEST_F(Keys, ModifiersAreSeenOnlyFromTheControlsOwnMessages)
{
    setData(Bytes(4));
    Editor.QX_SetCaretPos(control, 4);
    Editor.QX_SetBookMark(control, 3, 4);
    Editor.QX_SetCaretPos(control, 0);

    // Ctrl went down while the host had the focus: the control types the digit.
    SetFocus(host.host());
    down(VK_CONTROL, host.host());
    SetFocus(control);
    press('3');
    EXPECT_EQ(data()[0], 0x30);
    EXPECT_EQ(caret(), 1);
    up(VK_CONTROL, host.host());

    // Losing the focus forgets a held Ctrl.
    down(VK_CONTROL);
    SetFocus(host.host());
    SetFocus(control);
    press('4');
    EXPECT_EQ(data()[0], 0x34);

    // Releasing it ends it; holding it makes the digit a bookmark visit.
    down(VK_CONTROL);
    up(VK_CONTROL);
    press('5');
    EXPECT_EQ(data()[1], 0x50);
    withCtrl('3');
    EXPECT_EQ(caret(), 4);
}

TEST_F(Keys, AFailureInsideAKeyShowsItsBoxWithoutOwner)
{
    setData(Bytes{0x01, 0x02});
    ASSERT_TRUE(Editor.QX_SetTabSize(control, 0x40000000));
    MessageBoxCatcher catcher;
    press(VK_TAB);
    ASSERT_EQ(catcher.boxes().size(), 1u);
    EXPECT_EQ(catcher.boxes()[0].text, "データの大きさが、扱える範囲を超えてしまいます。");
    EXPECT_EQ(data(), (Bytes{0x01, 0x02}));
    EXPECT_FALSE(Editor.QX_CanUndo(control));
    EXPECT_EQ(GetFocus(), control);
    press(VK_RIGHT);
    EXPECT_EQ(caret(), 1) << "the control stays usable";
}

} // namespace
