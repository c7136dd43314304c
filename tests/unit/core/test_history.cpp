// Undo and redo: records, caret rules, flags, read-only, failed edits and the modified flag.
#include <gtest/gtest.h>

#include "common/AError.h"
#include "tests/unit/core/RecordingView.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(History, TwoDigitsUndoneRestoreTheByteAndTheCaret)
{
    TestControl t;
    t.model.typeDigit(0xA);
    t.model.typeDigit(0x5);
    EXPECT_EQ(t.model.historySize(), 2u);
    EXPECT_TRUE(t.model.undo());
    EXPECT_TRUE(t.model.undo());
    EXPECT_EQ(t.bytes(), Bytes{0x00});
    EXPECT_EQ(t.model.caretPos(), 0);
    t.view.clear();
    EXPECT_FALSE(t.model.undo());
    EXPECT_EQ(t.view.beeps, 1);
    EXPECT_FALSE(t.model.canUndo());
    EXPECT_TRUE(t.model.canRedo());
    // Redo does not repeat the caret step that followed the digit.
    EXPECT_TRUE(t.model.redo());
    EXPECT_EQ(t.bytes(), Bytes{0xA0});
    EXPECT_EQ(t.model.caretPos(), 0);
    EXPECT_TRUE(t.model.canUndo());
    EXPECT_TRUE(t.model.canRedo());
}

TEST(History, AnEditAfterUndoDropsTheUndoneRecords)
{
    TestControl t({1, 2, 3});
    t.model.insert();
    t.model.insert();
    t.model.undo();
    t.model.typeDigit(9);
    EXPECT_FALSE(t.model.canRedo());
    EXPECT_EQ(t.model.historySize(), 2u);
    t.view.clear();
    EXPECT_FALSE(t.model.redo());
    EXPECT_EQ(t.view.beeps, 1);
}

TEST(History, ReadOnlyRefusesUndoAndRedo)
{
    TestControl t({1, 2});
    t.model.deleteByte();
    t.model.setReadOnly(true);
    EXPECT_FALSE(t.model.undo());
    t.model.setReadOnly(false);
    t.model.undo();
    t.model.setReadOnly(true);
    EXPECT_FALSE(t.model.redo());
    EXPECT_EQ(t.view.beeps, 2);
    EXPECT_EQ(t.bytes(), (Bytes{1, 2}));
}

TEST(History, UndoAndRedoLeaveTheModifiedFlagAlone)
{
    TestControl t({1, 2});
    t.model.insert();
    t.model.setModified(false, false);
    t.model.undo();
    EXPECT_FALSE(t.model.isModified());
    t.model.setModified(true, false);
    t.model.redo();
    EXPECT_TRUE(t.model.isModified());
}

TEST(History, ClearHistoryKeepsDataAndModifiedFlag)
{
    TestControl t({1, 2});
    t.model.insert();
    t.model.insert();
    t.model.undo();
    EXPECT_TRUE(t.model.clearHistory());
    EXPECT_FALSE(t.model.canUndo());
    EXPECT_FALSE(t.model.canRedo());
    EXPECT_EQ(t.model.historySize(), 0u);
    EXPECT_EQ(t.bytes(), (Bytes{0, 1, 2}));
    EXPECT_TRUE(t.model.isModified());
}

TEST(History, UndoOfDeletingTheLastByteBringsItAndTheCaretBack)
{
    TestControl t({1, 2, 3});
    t.model.setCaretPos(5);
    t.model.deleteByte();
    EXPECT_EQ(t.model.caretPos(), 3);
    t.model.undo();
    EXPECT_EQ(t.bytes(), (Bytes{1, 2, 3}));
    EXPECT_EQ(t.model.caretPos(), 5);
}

TEST(History, UndoScrollsTheCaretBackIntoViewWithOneBarUpdate)
{
    TestControl t(countingBytes(16 * 20), 3);
    t.model.setCaretPos(2 * 16 * 15);
    t.model.insert();
    t.model.dataTop();
    t.view.clear();
    t.model.undo();
    EXPECT_EQ(t.model.caretPos(), 2 * 16 * 15);
    EXPECT_EQ(t.p().topLine, 13);
    ASSERT_EQ(t.view.updates.size(), 1u);
    EXPECT_EQ(t.view.updates[0].pos, 13);
    EXPECT_EQ(t.view.staleRow(), -1);
}

TEST(History, AFailedEditLeavesNoRecordAndTheRangesUntouched)
{
    // Records: done, done, undone. A failing edit must keep all three and both flags.
    TestControl t({1, 2}, 4, 4);
    t.model.insert();
    t.model.typeDigit(3);
    t.model.typeDigit(4);
    t.model.undo();
    const Bytes before = t.bytes();
    const uint8_t three[] = {7, 7, 7};
    EXPECT_THROW(t.model.insertData(0, three, 3), AOverflowError);
    t.model.setSelection(0, 1);
    EXPECT_THROW(t.model.replaceSelection(three, 3), AOverflowError);
    EXPECT_EQ(t.model.selectionStart(), 0);  // the selection is back
    EXPECT_EQ(t.model.selectionSize(), 1);
    EXPECT_EQ(t.model.historySize(), 3u);
    EXPECT_TRUE(t.model.canUndo());
    EXPECT_TRUE(t.model.canRedo());
    EXPECT_EQ(t.bytes(), before);
    EXPECT_TRUE(t.model.redo());
    EXPECT_TRUE(t.model.undo());
    EXPECT_TRUE(t.model.undo());
    EXPECT_TRUE(t.model.undo());
    EXPECT_EQ(t.bytes(), (Bytes{1, 2}));
}

} // namespace
