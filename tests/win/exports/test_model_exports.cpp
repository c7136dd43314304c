// The editing model as the program reaches it: through the exports of a real control, with the
// notification counted and the size-limit box caught.
#include "tests/win/support/BeepCounter.h"
#include "tests/win/support/ControlHost.h"
#include "tests/win/support/ControlPicture.h"
#include "tests/win/support/MessageBoxCatcher.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

int notifications = 0;
void CountNotification() { ++notifications; }

using Bytes = std::vector<unsigned char>;

class ModelExports : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(control, nullptr);
        ASSERT_TRUE(Editor.QX_SetNotifyChanged(control, CountNotification));
        notifications = 0;
    }
    void setData(const Bytes& bytes)
    {
        ASSERT_TRUE(Editor.QX_SetData(control, bytes.data(), static_cast<int>(bytes.size())));
        notifications = 0;
    }
    Bytes data()
    {
        Bytes bytes(static_cast<size_t>(Editor.QX_GetDataSize(control)));
        EXPECT_TRUE(Editor.QX_GetData(control, bytes.data(), 0, static_cast<int>(bytes.size())));
        return bytes;
    }
    int caret() { return Editor.QX_GetCaretPos(control); }

    ControlHost host;
    HWND control = host.control();
};

TEST_F(ModelExports, SetAndGetData)
{
    Bytes bytes(1000);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<unsigned char>(i * 7);
    ASSERT_TRUE(Editor.QX_SetModified(control, true));
    ASSERT_TRUE(Editor.QX_SetData(control, bytes.data(), 1000));
    EXPECT_EQ(notifications, 2);
    EXPECT_EQ(data(), bytes);
    EXPECT_FALSE(Editor.QX_IsModified(control));
    EXPECT_FALSE(Editor.QX_CanUndo(control));

    unsigned char middle[3] = {};
    ASSERT_TRUE(Editor.QX_GetData(control, middle, 2 * 500 + 1, 3));
    EXPECT_EQ(middle[0], bytes[500]);
    EXPECT_EQ(middle[2], bytes[502]);
    unsigned char guard[4] = {1, 2, 3, 4};
    EXPECT_FALSE(Editor.QX_GetData(control, guard, 2 * 998, 3)) << "a range past the end copies nothing";
    EXPECT_FALSE(Editor.QX_GetData(control, guard, -2, 1));
    EXPECT_EQ(guard[0], 1);

    ASSERT_TRUE(Editor.QX_SetData(control, bytes.data(), 0));
    EXPECT_EQ(data(), Bytes{0x00});
    ASSERT_TRUE(Editor.QX_SetData(control, bytes.data(), 100));
    ASSERT_TRUE(Editor.QX_New(control));
    EXPECT_EQ(data(), Bytes{0x00});
}

TEST_F(ModelExports, ByteEditsMoveTheCaretWithTheirBytes)
{
    const Bytes start{0x11, 0x22, 0x33};
    setData(start);
    ASSERT_TRUE(Editor.QX_SetCaretPos(control, 3));
    ASSERT_TRUE(Editor.QX_Insert(control));
    EXPECT_EQ(data(), (Bytes{0x11, 0x00, 0x22, 0x33}));
    EXPECT_EQ(caret(), 3);
    EXPECT_EQ(notifications, 2);

    setData(start);
    Editor.QX_SetCaretPos(control, 3);
    ASSERT_TRUE(Editor.QX_Space(control));
    EXPECT_EQ(data(), (Bytes{0x11, 0x22, 0x00, 0x33}));
    EXPECT_EQ(caret(), 5);

    setData(start);
    Editor.QX_SetCaretPos(control, 3);
    ASSERT_TRUE(Editor.QX_Delete(control));
    EXPECT_EQ(data(), (Bytes{0x11, 0x33}));
    EXPECT_EQ(caret(), 2);

    setData(start);
    Editor.QX_SetCaretPos(control, 3);
    ASSERT_TRUE(Editor.QX_BackSpace(control));
    EXPECT_EQ(data(), (Bytes{0x22, 0x33}));
    EXPECT_EQ(caret(), 0);

    setData(Bytes(8, 0xEE));
    Editor.QX_SetCaretPos(control, 2 * 5);
    ASSERT_TRUE(Editor.QX_Tab(control));
    EXPECT_EQ(Editor.QX_GetDataSize(control), 11);
    EXPECT_EQ(caret(), 2 * 8);

    const unsigned char pasted[] = {0xA1, 0xA2};
    setData(start);
    ASSERT_TRUE(Editor.QX_InsertData(control, 6, pasted, 2));
    EXPECT_EQ(data(), (Bytes{0x11, 0x22, 0x33, 0xA1, 0xA2}));
    EXPECT_FALSE(Editor.QX_InsertData(control, 11, pasted, 2));
}

TEST_F(ModelExports, RefusalsBeepAndChangeNothing)
{
    BeepCounter beeps;
    ASSERT_TRUE(beeps.installed());
    setData(Bytes{0x55});
    EXPECT_FALSE(Editor.QX_Delete(control));
    EXPECT_FALSE(Editor.QX_BackSpace(control));
    EXPECT_FALSE(Editor.QX_CursorLeft(control));
    EXPECT_FALSE(Editor.QX_CursorUp(control));
    EXPECT_EQ(beeps.count(), 4);
    EXPECT_FALSE(Editor.QX_SetCaretPos(control, 2)) << "silently";
    EXPECT_EQ(beeps.count(), 4);

    ASSERT_TRUE(Editor.QX_SetReadOnly(control, true));
    EXPECT_FALSE(Editor.QX_Insert(control));
    EXPECT_FALSE(Editor.QX_Tab(control));
    EXPECT_EQ(beeps.count(), 6);
    EXPECT_EQ(notifications, 0);
    EXPECT_TRUE(Editor.QX_SetData(control, "\x01\x02", 2)) << "loading works while read-only";
    EXPECT_EQ(Editor.QX_GetDataSize(control), 2);
    Editor.QX_SetReadOnly(control, false);
}

TEST_F(ModelExports, UndoAndRedoWithTheirNotifications)
{
    setData(Bytes{0x10, 0x20, 0x30});
    ASSERT_TRUE(Editor.QX_SetCaretPos(control, 2));
    ASSERT_TRUE(Editor.QX_Delete(control));
    ASSERT_TRUE(Editor.QX_Insert(control));
    EXPECT_EQ(notifications, 3) << "the first edit also makes undo available";
    EXPECT_TRUE(Editor.QX_CanUndo(control));
    EXPECT_FALSE(Editor.QX_CanRedo(control));

    notifications = 0;
    ASSERT_TRUE(Editor.QX_Undo(control));
    ASSERT_TRUE(Editor.QX_Undo(control));
    EXPECT_EQ(data(), (Bytes{0x10, 0x20, 0x30}));
    EXPECT_EQ(caret(), 2);
    EXPECT_EQ(notifications, 2);
    EXPECT_FALSE(Editor.QX_CanUndo(control));
    EXPECT_TRUE(Editor.QX_CanRedo(control));
    ASSERT_TRUE(Editor.QX_Redo(control));
    EXPECT_EQ(data(), (Bytes{0x10, 0x30}));
    EXPECT_TRUE(Editor.QX_ClearHistory(control));
    EXPECT_EQ(notifications, 4);
    EXPECT_FALSE(Editor.QX_CanUndo(control));
    EXPECT_FALSE(Editor.QX_CanRedo(control));
    EXPECT_FALSE(Editor.QX_Undo(control));
    EXPECT_EQ(notifications, 4);
}

TEST_F(ModelExports, SelectionCommandsAndBlockEdits)
{
    setData(Bytes{0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66});
    ASSERT_TRUE(Editor.QX_SetSelection(control, 7, 2));
    EXPECT_EQ(Editor.QX_GetSelectionBegin(control), 6);
    EXPECT_EQ(Editor.QX_GetSelectionSize(control), 2);
    EXPECT_FALSE(Editor.QX_SetSelection(control, 10, 3)) << "one byte past the end";
    EXPECT_TRUE(Editor.QX_SetSelection(control, 10, 2));

    Editor.QX_SetCaretPos(control, 2 * 1);
    Editor.QX_SelectionBegin(control);
    Editor.QX_SetCaretPos(control, 2 * 3);
    Editor.QX_SelectionEnd(control);
    EXPECT_EQ(Editor.QX_GetSelectionBegin(control), 2);
    EXPECT_EQ(Editor.QX_GetSelectionSize(control), 3);
    EXPECT_EQ(notifications, 0) << "selecting does not notify";
    ASSERT_TRUE(Editor.QX_DeleteSelection(control));
    EXPECT_EQ(data(), (Bytes{0x00, 0x44, 0x55, 0x66}));
    EXPECT_EQ(Editor.QX_GetSelectionBegin(control), -1);
    EXPECT_EQ(notifications, 2);

    const unsigned char replacement[] = {0xAB, 0xCD, 0xEF};
    ASSERT_TRUE(Editor.QX_SetSelection(control, 2, 2));
    ASSERT_TRUE(Editor.QX_ReplaceSelection(control, replacement, 3));
    const Bytes replaced{0x00, 0xAB, 0xCD, 0xEF, 0x66};
    EXPECT_EQ(data(), replaced);
    EXPECT_FALSE(Editor.QX_DeleteSelection(control)) << "nothing selected";
    ASSERT_TRUE(Editor.QX_SetSelection(control, 0, 5));
    ASSERT_TRUE(Editor.QX_DeleteSelection(control));
    EXPECT_EQ(data(), Bytes{0x00}) << "deleting everything leaves one zero byte";
    ASSERT_TRUE(Editor.QX_Undo(control));
    EXPECT_EQ(data(), replaced);
}

TEST_F(ModelExports, FindSelectsEachHitWithoutWrapping)
{
    setData(Bytes{0x41, 0x42, 0x43, 0x41, 0x42});
    const unsigned char pattern[] = {0x41, 0x42};
    ASSERT_TRUE(Editor.QX_FindFirst(control, 0, pattern, 2));
    EXPECT_EQ(caret(), 0);
    EXPECT_EQ(Editor.QX_GetSelectionSize(control), 2);
    ASSERT_TRUE(Editor.QX_FindNext(control, 0, pattern, 2));
    EXPECT_EQ(caret(), 6);
    EXPECT_EQ(Editor.QX_GetSelectionBegin(control), 6);
    EXPECT_FALSE(Editor.QX_FindNext(control, 6, pattern, 2));
    EXPECT_EQ(caret(), 6);
    ASSERT_TRUE(Editor.QX_FindPrev(control, 6, pattern, 2));
    EXPECT_EQ(Editor.QX_GetSelectionBegin(control), 0);
    EXPECT_FALSE(Editor.QX_FindPrev(control, 1, pattern, 2));
    const unsigned char absent[] = {0x41, 0x42, 0x00};
    EXPECT_FALSE(Editor.QX_FindPrev(control, 8, absent, 3));
    EXPECT_EQ(notifications, 0);
}

TEST_F(ModelExports, BookmarksFollowTheirBytes)
{
    setData(Bytes(16, 0x77));
    EXPECT_FALSE(Editor.QX_SetBookMark(control, 10, 0));
    EXPECT_FALSE(Editor.QX_SetBookMark(control, 3, -2));
    EXPECT_FALSE(Editor.QX_SetBookMark(control, 3, 32));
    ASSERT_TRUE(Editor.QX_SetBookMark(control, 3, 21));
    EXPECT_EQ(Editor.QX_BookMark(control, 3), 21);
    EXPECT_EQ(Editor.QX_BookMark(control, 11), -1);
    const unsigned char two[] = {1, 2};
    ASSERT_TRUE(Editor.QX_InsertData(control, 20, two, 2));
    EXPECT_EQ(Editor.QX_BookMark(control, 3), 25);
    ASSERT_TRUE(Editor.QX_GoBookMark(control, 3));
    EXPECT_EQ(caret(), 25);
    ASSERT_TRUE(Editor.QX_SetCaretPos(control, 24));
    ASSERT_TRUE(Editor.QX_Delete(control));
    EXPECT_EQ(Editor.QX_BookMark(control, 3), -1);
    EXPECT_FALSE(Editor.QX_GoBookMark(control, 3));
}

TEST_F(ModelExports, CaretViewAndScrollBar)
{
    setData(Bytes(16 * 100 + 5));
    const int lastNibble = 2 * (16 * 100 + 5) - 1;
    ASSERT_TRUE(Editor.QX_DataEnd(control));
    EXPECT_EQ(caret(), lastNibble);
    SCROLLINFO bar = ScrollBarOf(control);
    EXPECT_EQ(bar.nMax, 100);
    EXPECT_EQ(bar.nPos + static_cast<int>(bar.nPage), 101) << "the last line ends the page";
    EXPECT_EQ(Editor.QX_GetViewTop(control), 32 * bar.nPos);
    EXPECT_FALSE(Editor.QX_CursorDown(control));
    EXPECT_TRUE(Editor.QX_LineTop(control));
    EXPECT_EQ(caret(), 32 * 100);

    ASSERT_TRUE(Editor.QX_DataTop(control));
    EXPECT_EQ(Editor.QX_GetViewTop(control), 0);
    ASSERT_TRUE(Editor.QX_SetViewTop(control, 40));
    EXPECT_EQ(Editor.QX_GetViewTop(control), 32);
    EXPECT_FALSE(Editor.QX_SetViewTop(control, lastNibble + 1));
    ASSERT_TRUE(Editor.QX_PageDown(control));
    bar = ScrollBarOf(control);
    EXPECT_EQ(bar.nPos, 1 + static_cast<int>(bar.nPage));
    EXPECT_EQ(Editor.QX_GetViewTop(control), 32 * bar.nPos);
    EXPECT_EQ(caret(), 32 * bar.nPos) << "the caret is pulled into the view in its column";
    ASSERT_TRUE(Editor.QX_PageUp(control));
    EXPECT_EQ(Editor.QX_GetViewTop(control), 32);
    EXPECT_EQ(notifications, 0);
}

TEST_F(ModelExports, TheSizeLimitShowsItsBoxAndChangesNothing)
{
    setData(Bytes{0x01, 0x02});
    MessageBoxCatcher catcher;
    const unsigned char byte = 0xFF;
    // The count is checked before the bytes are read, so one byte of buffer is enough.
    EXPECT_FALSE(Editor.QX_InsertData(control, 0, &byte, 0x40000000));
    ASSERT_EQ(catcher.boxes().size(), 1u);
    EXPECT_EQ(catcher.boxes()[0].text, "データの大きさが、扱える範囲を超えてしまいます。");
    EXPECT_EQ(catcher.boxes()[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(data(), (Bytes{0x01, 0x02}));
    EXPECT_FALSE(Editor.QX_CanUndo(control));
    EXPECT_EQ(notifications, 0);
    EXPECT_EQ(GetFocus(), control) << "the focus goes back to the control";
}

} // namespace
