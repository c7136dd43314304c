// PositionModel on its own: the damage of scrolling, of page changes and of edits, exactly; the
// same rules past 2^31 lines, and the scroll bar's mapping of them.
#include <gtest/gtest.h>

#include "common/AError.h"
#include "core/PositionModel.h"
#include "core/ScrollMapping.h"

namespace {

PositionModel model(int64_t nibbles, int pageLines)
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
    EXPECT_THROW(p.resetPositions(PositionModel::maxNibbleCount + 2), AOverflowError);
    EXPECT_THROW(p.adjustAfterEdit(PositionModel::maxNibbleCount + 2, 0, 0), AOverflowError);
    EXPECT_EQ(p.nibbleCount, 2);
    p.resetPositions(PositionModel::maxNibbleCount);
    EXPECT_EQ(p.lineCount, (PositionModel::maxNibbleCount + 31) / 32);
    p.setPageLines(0x7FFFFFFF);
    EXPECT_EQ(p.pageLines, PositionModel::maxPageLines);
    p.setCaret(PositionModel::maxNibbleCount - 1);
    EXPECT_EQ(p.brokenInvariant(), nullptr);
}

// 16 TiB of data: 2^40 lines. Scrolling, the caret's pull and an edit far past 2^31 lines keep
// the rules they keep near the start.
TEST(PositionModel, RulesHoldPastTwoToTheThirtyOneLines)
{
    const int64_t lines = int64_t(1) << 40;
    PositionModel p = model(32 * lines, 10);
    const int64_t far = (int64_t(3) << 32) + 5;
    EXPECT_EQ(p.setCaret(32 * far + 7), (LineDamage{far - 9, far - 9, far + 1}));
    EXPECT_EQ(p.topLine, far - 9);
    EXPECT_EQ(p.setTopLine(far - 7), (LineDamage{2, far + 1, far + 3}));
    EXPECT_EQ(p.setTopLine(far + 3), (LineDamage{10, far + 3, far + 13}));
    EXPECT_EQ(p.caret, 32 * (far + 3) + 7) << "pulled into the view in its column";
    p.beginSelection(32 * far);
    p.setBookmarkSlot(4, 32 * far + 1);
    // Three bytes inserted lines before the view move caret, selection and bookmark; the view
    // keeps its top line and redraws from it.
    const LineDamage damage = p.adjustAfterEdit(32 * lines + 6, 32 * (far - 8), 32 * (far - 8));
    EXPECT_EQ(damage, (LineDamage{0, far + 3, far + 13}));
    EXPECT_EQ(p.caret, 32 * (far + 3) + 7 + 6);
    EXPECT_EQ(p.selBegin, 32 * far + 6);
    EXPECT_EQ(p.bookmarks[4], 32 * far + 7);
    EXPECT_EQ(p.lineCount, lines + 1);
    EXPECT_EQ(p.brokenInvariant(), nullptr);
}

// The bar counts lines one for one up to 2^30 lines; beyond, its values are the view's share,
// the ends meet the ends, and a track position maps back to the line it came from.
TEST(ScrollMapping, ExactUpToTheOldRangeThenProportional)
{
    PositionModel exact = model(32 * ScrollMapping::exactLines, 40);
    exact.setTopLine(12345678);
    EXPECT_EQ(ScrollMapping::Range(exact), ScrollMapping::exactLines - 1);
    EXPECT_EQ(ScrollMapping::Page(exact), 40);
    EXPECT_EQ(ScrollMapping::Position(exact), 12345678);
    EXPECT_EQ(ScrollMapping::LineAt(12345678, exact), 12345678);

    for (const int64_t lines : {ScrollMapping::exactLines + 1, int64_t(1) << 31, int64_t(3) << 35, int64_t(1) << 55}) {
        PositionModel p = model(32 * lines, 40);
        const int64_t lastTop = lines - 40;
        const int range = ScrollMapping::Range(p);
        const int page = ScrollMapping::Page(p);
        EXPECT_EQ(range, ScrollMapping::proportionalRange);
        EXPECT_GE(page, 1);
        EXPECT_EQ(ScrollMapping::Position(p), 0);
        p.setTopLine(lastTop);
        EXPECT_EQ(ScrollMapping::Position(p), range - page + 1) << "the last top line puts the thumb at the end";
        EXPECT_EQ(ScrollMapping::LineAt(range - page + 1, p), lastTop);
        EXPECT_EQ(ScrollMapping::LineAt(range, p), lastTop) << "track positions past the end clamp";
        int previous = -1;
        for (const int64_t top : {int64_t(1), lastTop / 3, lastTop / 2, lastTop - 1}) {
            p.setTopLine(top);
            const int position = ScrollMapping::Position(p);
            EXPECT_GE(position, previous) << "positions follow the lines in order";
            previous = position;
            const int64_t line = ScrollMapping::LineAt(position, p);
            EXPECT_LE(line, top);
            p.setTopLine(line);
            EXPECT_EQ(ScrollMapping::Position(p), position) << "a track position maps back to itself";
        }
    }
}

TEST(PositionModel, MergeAddsScrollsAndCoversBothRanges)
{
    EXPECT_EQ(mergeDamage({1, 2, 3}, {2, 7, 9}), (LineDamage{3, 2, 9}));
    EXPECT_EQ(mergeDamage({1, -1, -1}, {0, 4, 5}), (LineDamage{1, 4, 5}));
    EXPECT_EQ(mergeDamage({0, 4, 5}, {}), (LineDamage{0, 4, 5}));
}

} // namespace
