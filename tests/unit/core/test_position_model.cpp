// PositionModel on its own: the damage of scrolling, of page changes and of edits, exactly.
#include <gtest/gtest.h>

#include "common/AError.h"
#include "core/PositionModel.h"

namespace {

PositionModel model(int nibbles, int pageLines)
{
    PositionModel p;
    p.setPageLines(pageLines);
    p.resetPositions(nibbles);
    return p;
}

TEST(PositionModel, ScrollingDamagesTheUncoveredLinesOrTheWholePage)
{
    PositionModel p = model(32 * 20, 5);
    EXPECT_EQ(p.setTopLine(2), (LineDamage{2, 5, 7}));
    EXPECT_EQ(p.setTopLine(1), (LineDamage{-1, 1, 2}));
    EXPECT_EQ(p.setTopLine(9), (LineDamage{8, 9, 14}));
    EXPECT_EQ(p.setTopLine(100), (LineDamage{6, 15, 20}));  // clamped to the last full page
    EXPECT_EQ(p.setTopLine(15), LineDamage{});
    EXPECT_EQ(p.caret, 15 * 32);  // pulled down in its column
    EXPECT_EQ(p.setTopLine(-4), (LineDamage{-15, 0, 5}));
    EXPECT_EQ(p.caret, 4 * 32);
    EXPECT_EQ(p.brokenInvariant(), nullptr);
}

TEST(PositionModel, GrowingThePageRedrawsItAndMayScrollBack)
{
    PositionModel p = model(32 * 10, 3);
    p.setTopLine(7);
    EXPECT_EQ(p.setPageLines(5), (LineDamage{0, 5, 10}));
    EXPECT_EQ(p.topLine, 5);
    p.setCaret(9 * 32 + 3);
    EXPECT_EQ(p.setPageLines(2), LineDamage{});  // shrinking keeps the top line
    EXPECT_EQ(p.topLine, 5);
    EXPECT_EQ(p.caret, 6 * 32 + 3);
    EXPECT_EQ(p.brokenInvariant(), nullptr);
}

TEST(PositionModel, ShorteningTheDataPullsTheViewUpAndClipsTheDamage)
{
    PositionModel p = model(32 * 20, 4);
    p.setCaret(32 * 19);
    ASSERT_EQ(p.topLine, 16);
    // Remove lines 10..17: 12 lines remain, the last page is lines 8..11.
    const LineDamage damage = p.adjustAfterEdit(32 * 12, 32 * 10, 32 * 18);
    EXPECT_EQ(p.topLine, 8);
    EXPECT_EQ(p.caret, 32 * 11);
    EXPECT_EQ(damage, (LineDamage{-8, 8, 12}));
    // Below a page of data the view goes to line 0 and the emptied lines are drawn too.
    const LineDamage shorter = p.adjustAfterEdit(32 * 2, 32 * 2, 32 * 12);
    EXPECT_EQ(p.topLine, 0);
    EXPECT_EQ(shorter, (LineDamage{-8, 0, 4}));
    EXPECT_EQ(p.brokenInvariant(), nullptr);
}

TEST(PositionModel, AnEditBelowTheViewDrawsNothing)
{
    PositionModel p = model(32 * 20, 4);
    EXPECT_EQ(p.adjustAfterEdit(32 * 20 + 2, 32 * 10, 32 * 10), LineDamage{});
    EXPECT_EQ(p.adjustAfterEdit(32 * 20 + 2, 32 * 10, 32 * 10 + 2), LineDamage{});  // overwrite
    EXPECT_EQ(p.adjustAfterEdit(32 * 20 + 4, 2, 2), (LineDamage{0, 0, 4}));
}

TEST(PositionModel, SelectionAndBookmarkDamageFollowTheirLines)
{
    PositionModel p = model(32 * 20, 4);
    EXPECT_EQ(p.beginSelection(32 * 2 + 5), (LineDamage{0, 2, 3}));
    EXPECT_EQ(p.selBegin, 32 * 2 + 4);
    EXPECT_EQ(p.stretchSelection(32 * 9), (LineDamage{0, 2, 4}));  // clipped to the page
    EXPECT_EQ(p.stretchSelection(32 * 3), LineDamage{});            // inside: no change
    EXPECT_EQ(p.clearSelection(), (LineDamage{0, 2, 4}));
    EXPECT_EQ(p.setBookmarkSlot(1, 33), (LineDamage{0, 1, 2}));
    EXPECT_EQ(p.setBookmarkSlot(1, 32 * 10), (LineDamage{0, 1, 2}));
    EXPECT_EQ(p.setBookmarkSlot(1, -1), LineDamage{});
    EXPECT_EQ(p.bookmarkCount, 0);
}

TEST(PositionModel, CountsBeyondTheLargestDataRaise)
{
    PositionModel p;
    EXPECT_THROW(p.resetPositions(0x7FFFFFFF), AOverflowError);
    EXPECT_THROW(p.adjustAfterEdit(int64_t(PositionModel::maxNibbleCount) + 2, 0, 0), AOverflowError);
    EXPECT_EQ(p.nibbleCount, 2);
    p.resetPositions(PositionModel::maxNibbleCount);
    EXPECT_EQ(p.lineCount, 67108864);
    p.setPageLines(0x7FFFFFFF);
    EXPECT_EQ(p.pageLines, PositionModel::maxPageLines);
    p.setCaret(PositionModel::maxNibbleCount - 1);
    EXPECT_EQ(p.brokenInvariant(), nullptr);
}

TEST(PositionModel, MergeAddsScrollsAndCoversBothRanges)
{
    EXPECT_EQ(mergeDamage({1, 2, 3}, {2, 7, 9}), (LineDamage{3, 2, 9}));
    EXPECT_EQ(mergeDamage({1, -1, -1}, {0, 4, 5}), (LineDamage{1, 4, 5}));
    EXPECT_EQ(mergeDamage({0, 4, 5}, {}), (LineDamage{0, 4, 5}));
}

} // namespace
