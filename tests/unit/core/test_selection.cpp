// Selection: the commands, QX_SetSelection's checks, the two block edits and mapping under edits.
#include <gtest/gtest.h>

#include <climits>

#include "tests/unit/core/RecordingView.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(Selection, BeginAndStretchByTheCaret)
{
    TestControl t(countingBytes(20));
    t.model.setCaretPos(2 * 5 + 1);
    t.model.selectionBegin();
    EXPECT_EQ(t.model.selectionStart(), 10);
    EXPECT_EQ(t.model.selectionSize(), 1);
    t.model.setCaretPos(2 * 9);
    t.model.selectionEnd();
    EXPECT_EQ(t.p().selEnd, 20);
    t.model.setCaretPos(2 * 2);
    t.model.selectionEnd();
    EXPECT_EQ(t.model.selectionStart(), 4);
    t.view.clear();
    t.model.setCaretPos(2 * 7);
    EXPECT_TRUE(t.model.selectionEnd());
    EXPECT_EQ(t.model.selectionStart(), 4);
    EXPECT_EQ(t.p().selEnd, 20);
    EXPECT_TRUE(t.view.damages.empty());
    EXPECT_TRUE(t.model.hideSelection());
    EXPECT_EQ(t.model.selectionStart(), -1);
    EXPECT_EQ(t.model.selectionSize(), 0);
    EXPECT_TRUE(t.model.selectionEnd());  // nothing to stretch
    EXPECT_EQ(t.model.selectionStart(), -1);
    EXPECT_EQ(t.view.staleRow(), -1);
}

TEST(Selection, SetSelectionChecksItsEndWithoutOverflow)
{
    TestControl t(countingBytes(8));
    EXPECT_TRUE(t.model.setSelection(7, 2));
    EXPECT_EQ(t.p().selBegin, 6);
    EXPECT_EQ(t.p().selEnd, 10);
    EXPECT_FALSE(t.model.setSelection(2, 8));
    EXPECT_TRUE(t.model.setSelection(2, 7));
    for (const auto& [nibble, count] : {std::pair{0, 0}, {-2, 1}, {0, -1}, {2, INT_MAX}, {INT_MAX, 1}, {16, 1}})
        EXPECT_FALSE(t.model.setSelection(nibble, count)) << nibble << " " << count;
    EXPECT_EQ(t.p().selBegin, 2);
    EXPECT_EQ(t.p().selEnd, 16);
}

TEST(Selection, DeleteSelectionRemovesTheBytesAndOneRecord)
{
    TestControl t({0x00, 0x11, 0x22, 0x33, 0x44});
    t.model.setSelection(2, 3);
    t.model.setCaretPos(9);
    EXPECT_TRUE(t.model.deleteSelection());
    EXPECT_EQ(t.bytes(), (Bytes{0x00, 0x44}));
    EXPECT_EQ(t.model.selectionStart(), -1);
    EXPECT_EQ(t.model.caretPos(), 3);  // after the run: back by its length
    EXPECT_TRUE(t.model.isModified());
    EXPECT_EQ(t.model.historySize(), 1u);
    t.model.undo();
    EXPECT_EQ(t.bytes(), (Bytes{0x00, 0x11, 0x22, 0x33, 0x44}));
    EXPECT_EQ(t.model.selectionStart(), -1);
    EXPECT_FALSE(t.model.deleteSelection());  // nothing selected: no beep
    EXPECT_EQ(t.view.beeps, 0);
}

TEST(Selection, TheWholeDataKeepsOneZeroByte)
{
    TestControl t({5, 6, 7});
    t.model.setSelection(0, 3);
    EXPECT_TRUE(t.model.deleteSelection());
    EXPECT_EQ(t.bytes(), Bytes{0});
    t.model.setSelection(0, 1);
    const uint8_t three[] = {1, 2, 3};
    EXPECT_TRUE(t.model.replaceSelection(three, 0));
    EXPECT_EQ(t.bytes(), Bytes{0});
    t.model.setSelection(0, 1);
    EXPECT_TRUE(t.model.replaceSelection(three, 3));
    EXPECT_EQ(t.bytes(), (Bytes{1, 2, 3}));
    EXPECT_EQ(t.model.selectionStart(), -1);
}

TEST(Selection, ReplaceMovesACaretInsideTheRunToItsStart)
{
    TestControl t(countingBytes(10));
    t.model.setSelection(4, 3);
    t.model.setCaretPos(7);
    const uint8_t one = 0xEE;
    EXPECT_TRUE(t.model.replaceSelection(&one, 1));
    EXPECT_EQ(t.bytes(), (Bytes{0, 1, 0xEE, 5, 6, 7, 8, 9}));
    EXPECT_EQ(t.model.caretPos(), 4);
    t.model.setReadOnly(true);
    t.model.setSelection(0, 1);
    EXPECT_FALSE(t.model.replaceSelection(&one, 1));
    EXPECT_FALSE(t.model.deleteSelection());
    EXPECT_EQ(t.view.beeps, 2);
}

TEST(Selection, OtherEditsKeepTheSelectionOnItsBytes)
{
    TestControl t(countingBytes(10));
    t.model.setSelection(6, 2);
    t.model.setCaretPos(7);
    t.model.typeDigit(0xF);  // inside: untouched
    EXPECT_EQ(t.p().selBegin, 6);
    EXPECT_EQ(t.p().selEnd, 10);
    t.model.setCaretPos(2);
    t.model.insert();  // in front: one byte right
    EXPECT_EQ(t.p().selBegin, 8);
    EXPECT_EQ(t.p().selEnd, 12);
    t.model.setCaretPos(10);
    t.model.deleteByte();  // its last byte goes: the selection shrinks
    EXPECT_EQ(t.p().selBegin, 8);
    EXPECT_EQ(t.p().selEnd, 10);
    t.model.setCaretPos(8);
    t.model.deleteByte();  // its only byte goes: the selection goes
    EXPECT_EQ(t.p().selBegin, -1);
    EXPECT_EQ(t.p().selEnd, -1);
    t.model.undo();  // and does not come back
    EXPECT_EQ(t.p().selBegin, -1);
    EXPECT_EQ(t.view.staleRow(), -1);
}

TEST(Selection, CommandsRepaintTheLinesOfTheOldAndNewSelection)
{
    TestControl t(countingBytes(16 * 8), 4);
    t.model.setSelection(2 * 16 * 1, 1);
    t.view.clear();
    t.model.setSelection(2 * 16 * 3, 1);
    ASSERT_EQ(t.view.damages.size(), 1u);
    EXPECT_EQ(t.view.damages[0], (LineDamage{0, 1, 4}));
    t.view.clear();
    t.model.setSelection(2 * 16 * 6, 2);  // the new one is below the page
    ASSERT_EQ(t.view.damages.size(), 1u);
    EXPECT_EQ(t.view.damages[0], (LineDamage{0, 3, 4}));
    t.view.clear();
    t.model.setSelection(2 * 16 * 7, 1);  // neither is visible
    EXPECT_TRUE(t.view.damages.empty());
    EXPECT_EQ(t.view.staleRow(), -1);
}

} // namespace
