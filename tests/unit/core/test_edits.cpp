// Byte edits of the model: typing, delete, backspace, insert, space, tab, insert-data, set-data,
// get-data, read-only refusals, the size limit and the change notifications.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <new>

#include "common/AError.h"
#include "tests/unit/core/RecordingView.h"

namespace {

using Bytes = std::vector<uint8_t>;

int notifications = 0;
void countNotification() { ++notifications; }

struct Edits : ::testing::Test {
    TestControl c{{0x11, 0x22, 0x33}};
    void SetUp() override
    {
        c.model.setNotifyChanged(countNotification);
        notifications = 0;
    }
};

TEST_F(Edits, TypingTwoDigitsIntoAFreshControlBeepsAtTheLastNibbleAndKeepsTheDigit)
{
    TestControl fresh;
    EXPECT_TRUE(fresh.model.typeDigit(0xA));
    EXPECT_EQ(fresh.model.caretPos(), 1);
    EXPECT_TRUE(fresh.model.typeDigit(0x5));
    EXPECT_EQ(fresh.bytes(), Bytes{0xA5});
    EXPECT_EQ(fresh.model.caretPos(), 1);
    EXPECT_EQ(fresh.view.beeps, 1);
    EXPECT_TRUE(fresh.model.isModified());
}

TEST_F(Edits, EachEditOnTheLowNibbleOfTheMiddleByte)
{
    struct Case {
        const char* name;
        bool (ControlModel::*edit)();
        Bytes bytes;
        int caret;
    };
    const Case cases[] = {
        {"insert", &ControlModel::insert, {0x11, 0x00, 0x22, 0x33}, 3},
        {"space", &ControlModel::space, {0x11, 0x22, 0x00, 0x33}, 5},
        {"delete", &ControlModel::deleteByte, {0x11, 0x33}, 2},
        {"backspace", &ControlModel::backSpace, {0x22, 0x33}, 0},
    };
    for (const Case& test : cases) {
        TestControl t({0x11, 0x22, 0x33});
        t.model.setCaretPos(3);
        EXPECT_TRUE((t.model.*test.edit)()) << test.name;
        EXPECT_EQ(t.bytes(), test.bytes) << test.name;
        EXPECT_EQ(t.model.caretPos(), test.caret) << test.name;
        EXPECT_EQ(t.view.beeps, 0) << test.name;
        EXPECT_EQ(t.model.historySize(), 1u) << test.name;
    }
}

TEST_F(Edits, SpaceOnTheLastByteAppendsAndMovesOntoTheNewByte)
{
    c.model.setCaretPos(5);
    EXPECT_TRUE(c.model.space());
    EXPECT_EQ(c.bytes(), (Bytes{0x11, 0x22, 0x33, 0x00}));
    EXPECT_EQ(c.model.caretPos(), 7);
}

TEST_F(Edits, TabPadsToTheNextMultipleAndAWholeTabFromAMultiple)
{
    TestControl t(Bytes(8, 0xEE));
    t.model.setCaretPos(2 * 5 + 1);
    EXPECT_TRUE(t.model.tab());
    EXPECT_EQ(t.model.dataSize(), 11);
    EXPECT_EQ(t.model.caretPos(), 2 * 8 + 1);
    t.model.setCaretPos(2 * 4);
    EXPECT_TRUE(t.model.tab());
    EXPECT_EQ(t.model.dataSize(), 15);
    EXPECT_EQ(t.model.caretPos(), 2 * 8);
    EXPECT_EQ(t.model.historySize(), 2u);  // one record per tab, all its bytes in it
    t.model.setTabSize(-3);
    EXPECT_EQ(t.model.tabSize(), 1);
}

TEST_F(Edits, NothingToDeleteBeepsAndChangesNothing)
{
    TestControl one;
    EXPECT_FALSE(one.model.deleteByte());
    EXPECT_FALSE(one.model.backSpace());
    c.model.setCaretPos(1);
    EXPECT_FALSE(c.model.backSpace());
    EXPECT_EQ(one.view.beeps + c.view.beeps, 3);
    EXPECT_EQ(c.bytes(), (Bytes{0x11, 0x22, 0x33}));
    EXPECT_FALSE(c.model.canUndo());
    EXPECT_EQ(notifications, 0);
}

TEST_F(Edits, DeletingTheLastBytePutsTheCaretOnTheLowNibbleOfTheNewLastByte)
{
    c.model.setCaretPos(4);
    EXPECT_TRUE(c.model.deleteByte());
    EXPECT_EQ(c.model.caretPos(), 3);
}

TEST_F(Edits, InsertDataAppendsAtTheEndAndRefusesBadArgumentsWithoutBeep)
{
    const uint8_t more[] = {0xAB, 0xCD};
    EXPECT_FALSE(c.model.insertData(7, more, 2));
    EXPECT_FALSE(c.model.insertData(-1, more, 2));
    EXPECT_FALSE(c.model.insertData(0, more, 0));
    EXPECT_FALSE(c.model.insertData(0, more, -5));
    EXPECT_FALSE(c.model.insertData(INT_MAX, more, 2));
    EXPECT_EQ(c.view.beeps, 0);
    EXPECT_TRUE(c.model.insertData(6, more, 2));
    EXPECT_EQ(c.bytes(), (Bytes{0x11, 0x22, 0x33, 0xAB, 0xCD}));
    // An odd position inserts in front of its byte; a caret at or after it moves with it.
    c.model.setCaretPos(3);
    EXPECT_TRUE(c.model.insertData(3, more, 1));
    EXPECT_EQ(c.bytes(), (Bytes{0x11, 0xAB, 0x22, 0x33, 0xAB, 0xCD}));
    EXPECT_EQ(c.model.caretPos(), 5);
}

TEST_F(Edits, SetDataCutsAtTheLimitAndEmptyInputGivesOneZeroByte)
{
    TestControl small({1}, 4, 4);
    const uint8_t six[] = {1, 2, 3, 4, 5, 6};
    EXPECT_TRUE(small.model.setData(six, 6));
    EXPECT_EQ(small.bytes(), (Bytes{1, 2, 3, 4}));
    for (const int count : {0, -1}) {
        EXPECT_TRUE(c.model.setData(six, count));
        EXPECT_EQ(c.bytes(), Bytes{0});
        EXPECT_FALSE(c.model.isModified());
        EXPECT_FALSE(c.model.canUndo());
    }
    c.model.setReadOnly(true);
    EXPECT_TRUE(c.model.setData(six, 6));
    EXPECT_EQ(c.model.dataSize(), 6);
}

TEST_F(Edits, GetDataOutsideTheDataReturnsFalseAndCopiesNothing)
{
    uint8_t buffer[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    EXPECT_TRUE(c.model.getData(buffer, 2, 2));
    EXPECT_EQ(buffer[0], 0x22);
    EXPECT_EQ(buffer[1], 0x33);
    buffer[0] = buffer[1] = 0xEE;
    EXPECT_FALSE(c.model.getData(buffer, 2, 3));
    EXPECT_FALSE(c.model.getData(buffer, -2, 1));
    EXPECT_FALSE(c.model.getData(buffer, 8, 1));
    EXPECT_FALSE(c.model.getData(buffer, INT_MAX, INT_MAX));
    EXPECT_FALSE(c.model.getData(buffer, 0, -1));
    EXPECT_EQ(buffer[0], 0xEE);
    EXPECT_EQ(buffer[1], 0xEE);
}

TEST_F(Edits, ReadOnlyRefusesEveryEditWithABeep)
{
    c.model.setReadOnly(true);
    const uint8_t byte = 1;
    EXPECT_FALSE(c.model.typeDigit(3));
    EXPECT_FALSE(c.model.deleteByte());
    EXPECT_FALSE(c.model.backSpace());
    EXPECT_FALSE(c.model.insert());
    EXPECT_FALSE(c.model.space());
    EXPECT_FALSE(c.model.tab());
    EXPECT_FALSE(c.model.insertData(0, &byte, 1));
    EXPECT_EQ(c.view.beeps, 7);
    EXPECT_EQ(c.bytes(), (Bytes{0x11, 0x22, 0x33}));
    EXPECT_EQ(notifications, 0);
}

TEST_F(Edits, PassingTheSizeLimitRaisesBeforeAnyChange)
{
    TestControl t({1, 2, 3}, 4, 4);
    t.model.setNotifyChanged(countNotification);
    t.model.typeDigit(5);
    t.model.undo();  // one undone record that must survive the failed edits
    notifications = 0;
    const uint8_t two[] = {8, 9};
    t.model.setCaretPos(2);
    t.model.setTabSize(1000);
    EXPECT_THROW(t.model.insertData(0, two, 2), AOverflowError);
    EXPECT_THROW(t.model.tab(), AOverflowError);
    EXPECT_TRUE(t.model.space());  // exactly at the limit
    EXPECT_THROW(t.model.insert(), AOverflowError);
    EXPECT_EQ(t.bytes(), (Bytes{1, 2, 0, 3}));
    EXPECT_EQ(t.model.historySize(), 1u);
    EXPECT_TRUE(t.model.canUndo());
    EXPECT_FALSE(t.model.canRedo());
    EXPECT_EQ(t.model.caretPos(), 4);
    EXPECT_EQ(t.view.hideDepth, 0);
}

TEST_F(Edits, AnEditWhosePaintingFailsIsStillMarkedAndNotified)
{
    const uint8_t byte = 7;
    const std::vector<std::function<bool(ControlModel&)>> edits{
        [](ControlModel& m) { return m.typeDigit(5); },
        [](ControlModel& m) { return m.deleteByte(); },
        [](ControlModel& m) { return m.backSpace(); },
        [](ControlModel& m) { return m.insert(); },
        [](ControlModel& m) { return m.space(); },
        [](ControlModel& m) { return m.tab(); },
        [&byte](ControlModel& m) { return m.insertData(0, &byte, 1); },
        [](ControlModel& m) { return m.deleteSelection(); },
        [&byte](ControlModel& m) { return m.replaceSelection(&byte, 1); },
    };
    for (size_t i = 0; i < edits.size(); ++i) {
        SCOPED_TRACE(i);
        TestControl t({1, 2, 3, 4});
        t.model.setNotifyChanged(countNotification);
        t.model.setCaretPos(4);
        t.model.setSelection(0, 1);
        t.view.paintingFails = true;
        notifications = 0;
        EXPECT_THROW(edits[i](t.model), std::bad_alloc);
        EXPECT_TRUE(t.model.isModified());
        EXPECT_GE(notifications, 1);
        EXPECT_NE(t.bytes(), (Bytes{1, 2, 3, 4}));
    }

    // Undo and redo change the data too: the owner hears of it first.
    TestControl t({1, 2});
    t.model.typeDigit(5);
    t.model.setNotifyChanged(countNotification);
    t.view.paintingFails = true;
    notifications = 0;
    EXPECT_THROW(t.model.undo(), std::bad_alloc);
    EXPECT_EQ(notifications, 1);
    EXPECT_THROW(t.model.redo(), std::bad_alloc);
    EXPECT_EQ(notifications, 2);
}

TEST_F(Edits, NotificationCounts)
{
    EXPECT_TRUE(c.model.typeDigit(1));   // first record: undo becomes possible, and modified
    EXPECT_EQ(notifications, 2);
    EXPECT_TRUE(c.model.insert());       // undo state unchanged: modified only
    EXPECT_EQ(notifications, 3);
    EXPECT_TRUE(c.model.undo());
    EXPECT_EQ(notifications, 4);
    EXPECT_TRUE(c.model.insert());       // drops the undone record: flags change
    EXPECT_EQ(notifications, 6);
    c.model.clearHistory();
    EXPECT_EQ(notifications, 7);
    c.model.newData();
    EXPECT_EQ(notifications, 9);
    c.model.setModified(true, false);
    c.model.setCaretPos(1);
    c.model.selectionBegin();
    c.model.setBookMark(0, 1);
    c.model.cursorLeft();
    c.model.cursorLeft();                // refused
    c.model.undo();                      // refused
    EXPECT_EQ(notifications, 9);
    EXPECT_TRUE(c.model.isModified());
    c.model.setNotifyChanged(nullptr);
    EXPECT_TRUE(c.model.typeDigit(2));
}

TEST_F(Edits, AnOverwriteDamagesOnlyItsLineAndMovesNothing)
{
    TestControl t(countingBytes(100), 3);
    t.model.setCaretPos(2 * 20);
    t.model.setBookMark(0, 2 * 20 + 1);
    t.model.setSelection(2 * 18, 4);
    t.view.clear();
    t.model.typeDigit(7);
    ASSERT_EQ(t.view.damages.size(), 1u);
    EXPECT_EQ(t.view.damages[0], (LineDamage{0, 1, 2}));
    EXPECT_TRUE(t.view.updates.empty());
    EXPECT_EQ(t.model.bookMark(0), 2 * 20 + 1);
    EXPECT_EQ(t.model.selectionStart(), 2 * 18);
    EXPECT_EQ(t.model.selectionSize(), 4);
}

} // namespace
