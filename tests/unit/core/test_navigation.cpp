// Caret moves, view and scrolling, layout, and which scroll-bar fields each kind of operation sets.
#include <gtest/gtest.h>

#include <climits>

#include "tests/unit/core/RecordingView.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr unsigned allFields = ScrollBarFields::Range | ScrollBarFields::Page | ScrollBarFields::Position;

TEST(Navigation, OneByteOfDataStopsEveryMoveButLineEnd)
{
    TestControl t;
    EXPECT_FALSE(t.model.cursorLeft());
    EXPECT_FALSE(t.model.cursorUp());
    EXPECT_FALSE(t.model.cursorDown());
    EXPECT_TRUE(t.model.cursorRight());
    EXPECT_FALSE(t.model.cursorRight());
    EXPECT_EQ(t.view.beeps, 4);
    EXPECT_TRUE(t.model.lineTop());
    EXPECT_TRUE(t.model.lineEnd());
    EXPECT_EQ(t.model.caretPos(), 1);
}

TEST(Navigation, ShortLastLineStopsCursorDownAndEndsLineEnd)
{
    TestControl t(countingBytes(20));  // line 1 holds 4 bytes: nibbles 32..39
    t.model.setCaretPos(10);
    EXPECT_FALSE(t.model.cursorDown());
    EXPECT_EQ(t.view.beeps, 1);
    t.model.setCaretPos(7);
    EXPECT_TRUE(t.model.cursorDown());
    EXPECT_EQ(t.model.caretPos(), 39);
    EXPECT_TRUE(t.model.lineTop());
    EXPECT_EQ(t.model.caretPos(), 32);
    EXPECT_TRUE(t.model.lineEnd());
    EXPECT_EQ(t.model.caretPos(), 39);
}

TEST(Navigation, MovesThatScrollPaintTheNewLineAndSetOnlyThePosition)
{
    TestControl t(countingBytes(16 * 10), 3);
    t.model.setCaretPos(2 * 32 + 5);  // line 2, the last visible one
    t.view.clear();
    EXPECT_TRUE(t.model.cursorDown());
    EXPECT_EQ(t.p().topLine, 1);
    ASSERT_EQ(t.view.damages.size(), 1u);
    EXPECT_EQ(t.view.damages[0], (LineDamage{1, 3, 4}));
    ASSERT_EQ(t.view.updates.size(), 1u);
    EXPECT_EQ(t.view.updates[0].mask, ScrollBarFields::Position);
    EXPECT_EQ(t.view.updates[0].pos, 1);
    EXPECT_EQ(t.view.log.front(), "hide");
    EXPECT_EQ(t.view.log.back(), "show");
    t.view.clear();
    EXPECT_TRUE(t.model.cursorRight());  // no scroll: nothing drawn, no bar update
    EXPECT_TRUE(t.view.damages.empty());
    EXPECT_TRUE(t.view.updates.empty());
    EXPECT_EQ(t.view.placed, 1);
}

TEST(Navigation, SetCaretPosAndSetViewTopRefuseOutsideTheDataSilently)
{
    TestControl t(countingBytes(16 * 10), 3);
    for (const int nibble : {-1, 320, INT_MAX, INT_MIN}) {
        EXPECT_FALSE(t.model.setCaretPos(nibble));
        EXPECT_FALSE(t.model.setViewTop(nibble));
    }
    EXPECT_EQ(t.view.beeps, 0);
    EXPECT_TRUE(t.view.log.empty());
    EXPECT_TRUE(t.model.setViewTop(40));
    EXPECT_EQ(t.model.viewTop(), 32);
    EXPECT_EQ(t.model.caretPos(), 32);  // pulled into the view in its column
    EXPECT_TRUE(t.model.setViewTop(319));
    EXPECT_EQ(t.p().topLine, 7);        // never past the last full page
    EXPECT_EQ(t.model.viewTop() % 32, 0);
    EXPECT_TRUE(t.model.dataEnd());
    EXPECT_EQ(t.model.caretPos(), 319);
    EXPECT_TRUE(t.model.dataTop());
    EXPECT_EQ(t.p().topLine, 0);
    EXPECT_EQ(t.view.staleRow(), -1);
}

TEST(Navigation, PagingMovesTheViewAndPullsTheCaretInItsColumn)
{
    TestControl t(countingBytes(16 * 10), 3);
    t.model.setCaretPos(7);
    EXPECT_TRUE(t.model.pageDown());
    EXPECT_EQ(t.p().topLine, 3);
    EXPECT_EQ(t.model.caretPos(), 3 * 32 + 7);
    t.model.setCaretPos(5 * 32 + 9);  // last visible line
    EXPECT_TRUE(t.model.pageUp());
    EXPECT_EQ(t.p().topLine, 0);
    EXPECT_EQ(t.model.caretPos(), 2 * 32 + 9);
    t.model.pageDown();
    t.model.pageDown();
    t.model.pageDown();
    EXPECT_EQ(t.p().topLine, 7);
    EXPECT_EQ(t.view.staleRow(), -1);
}

TEST(Navigation, ShortDataDoesNotScroll)
{
    TestControl t(countingBytes(40), 5);
    for (int code = 0; code < 8; ++code)
        EXPECT_TRUE(t.model.scrollView(code, 3));
    EXPECT_EQ(t.p().topLine, 0);
    EXPECT_TRUE(t.view.damages.empty());
    EXPECT_TRUE(t.view.updates.empty());
}

TEST(Navigation, OneLinePagePagingOntoAShortLastLineKeepsTheCaretInTheData)
{
    TestControl t(countingBytes(16 * 2 + 4), 1);
    t.model.setCaretPos(20);
    t.model.pageDown();
    t.model.pageDown();
    EXPECT_EQ(t.p().topLine, 2);
    EXPECT_EQ(t.model.caretPos(), 71);
}

TEST(Navigation, ThumbTrackUsesTheWhole32BitPosition)
{
    TestControl t(countingBytes(16 * 100000), 10);
    EXPECT_TRUE(t.model.scrollView(ControlModel::ScrollThumbTrack, 70000));
    EXPECT_EQ(t.p().topLine, 70000);
    EXPECT_TRUE(t.model.scrollView(ControlModel::ScrollThumbTrack, INT_MAX));
    EXPECT_EQ(t.p().topLine, 100000 - 10);
    EXPECT_TRUE(t.model.scrollView(ControlModel::ScrollThumbTrack, INT_MIN));
    EXPECT_EQ(t.p().topLine, 0);
    EXPECT_EQ(t.view.bar.pos, 0);
}

TEST(Navigation, LayoutSetsTheWholeBarOrPageAndPosition)
{
    TestControl t(countingBytes(16 * 10), 3);
    t.model.resize(20);
    ASSERT_EQ(t.view.updates.size(), 1u);
    EXPECT_EQ(t.view.updates[0], (ScrollBarFields{allFields, 0, 9, 10, 0}));
    EXPECT_EQ(t.view.log.back(), "show");
    EXPECT_EQ(t.view.log[t.view.log.size() - 2], "invalidate erase");
    t.view.clear();
    t.model.fontChanged(4);
    ASSERT_EQ(t.view.updates.size(), 1u);
    EXPECT_EQ(t.view.updates[0].mask, ScrollBarFields::Page | ScrollBarFields::Position);
    EXPECT_EQ(t.view.updates[0].page, 4);
    EXPECT_EQ(t.model.setPageLines(0), LineDamage{});
    EXPECT_EQ(t.p().pageLines, 1);
}

TEST(Navigation, EditsSetOnlyTheBarFieldsThatChanged)
{
    TestControl t(countingBytes(16 * 4 - 1), 2);  // four lines, the last one byte short
    t.model.setCaretPos(0);
    t.model.insert();                              // same line count
    EXPECT_TRUE(t.view.updates.empty());
    t.model.insert();                              // a fifth line
    ASSERT_EQ(t.view.updates.size(), 1u);
    EXPECT_EQ(t.view.updates[0].mask, ScrollBarFields::Range);
    EXPECT_EQ(t.view.updates[0].max, 4);
    t.view.clear();
    t.model.dataEnd();                             // view to lines 3-4
    t.view.clear();
    t.model.setSelection(0, 16 * 4);
    t.model.deleteSelection();                     // one line left: range, page and position
    ASSERT_EQ(t.view.updates.size(), 1u);
    EXPECT_EQ(t.view.updates[0], (ScrollBarFields{allFields, 0, 0, 1, 0}));
    EXPECT_TRUE(t.view.barMatches());
    EXPECT_EQ(t.view.staleRow(), -1);
}

TEST(Navigation, SetDataRedrawsEverythingAndSetsTheWholeBar)
{
    TestControl t(countingBytes(100), 3);
    t.model.setCaretPos(150);
    t.view.clear();
    const Bytes bytes(40, 7);
    t.model.setData(bytes.data(), 40);
    EXPECT_EQ(t.view.log, (std::vector<std::string>{"hide", "invalidate", "place", "show", "bar 7"}));
    EXPECT_EQ(t.view.updates[0], (ScrollBarFields{allFields, 0, 2, 3, 0}));
}

} // namespace
