// Page geometry: cell rectangles and nibble points of the layout, and the mouse hit test as their
// inverse, pixel by pixel.
#include "core/PageLayout.h"

#include <gtest/gtest.h>

namespace {

using Rect = PageLayout::Rect;

PageLayout LaidOut(int cw, int ch, Rect client)
{
    PageLayout layout;
    layout.setCell(cw, ch);
    layout.layoutPage(client);
    return layout;
}

// The nibble whose digit cell holds pixel x of page row 0, from the forward layout alone.
int NibbleByPoints(const PageLayout& layout, int x)
{
    for (int n = 0; n < 32; ++n) {
        const auto point = layout.nibblePoints[static_cast<size_t>(n)];
        if (x >= point.x && x < point.x + layout.cellWidth())
            return n;
    }
    return -1;
}

} // namespace

TEST(PageLayout, CellsFollowTheLineOfSeventyEightColumns)
{
    const PageLayout layout = LaidOut(8, 16, {0, 0, 700, 500});
    EXPECT_EQ(layout.textRect, (Rect{4, 4, 696, 496}));
    EXPECT_EQ(layout.pageLines, 30);  // 492 / 16
    EXPECT_EQ(layout.pageRect, (Rect{4, 4, 4 + 78 * 8, 4 + 30 * 16}));
    ASSERT_EQ(layout.addressCells.size(), 30u * 4);
    ASSERT_EQ(layout.hexCells.size(), 30u * 16);
    ASSERT_EQ(layout.charCells.size(), 30u * 16);
    ASSERT_EQ(layout.nibblePoints.size(), 30u * 32);

    // Line 2: offset cell 1 spans columns 2 and 3.
    EXPECT_EQ(layout.addressCells[2 * 4 + 1], (Rect{4 + 16, 4 + 32, 4 + 32, 4 + 48}));
    // Bytes 3 and 4 straddle the two blank columns between groups; byte 15 ends at column 60.
    EXPECT_EQ(layout.hexCells[3], (Rect{4 + 19 * 8, 4, 4 + 21 * 8, 20}));
    EXPECT_EQ(layout.hexCells[4], (Rect{4 + 23 * 8, 4, 4 + 25 * 8, 20}));
    EXPECT_EQ(layout.hexCells[15].right, 4 + 60 * 8);
    EXPECT_EQ(layout.charCells[0], (Rect{4 + 62 * 8, 4, 4 + 63 * 8, 20}));
    EXPECT_EQ(layout.charCells[29 * 16 + 15], (Rect{4 + 77 * 8, 4 + 29 * 16, 4 + 78 * 8, 4 + 30 * 16}));
    // The low digit's point is one cell right of the high digit's.
    EXPECT_EQ(layout.nibblePoints[32 + 8].x, layout.hexCells[16 + 4].left);
    EXPECT_EQ(layout.nibblePoints[32 + 9].x, layout.hexCells[16 + 4].left + 8);
    EXPECT_EQ(layout.nibblePoints[32 + 9].y, 20);
}

TEST(PageLayout, PageLinesAndWidthDoNotDependOnTheWindowWidth)
{
    // Two lines need 32 pixels of text height; a narrow window keeps the 78-cell page.
    EXPECT_EQ(LaidOut(8, 16, {0, 0, 100, 8 + 31}).pageLines, 1);
    const PageLayout two = LaidOut(8, 16, {0, 0, 100, 8 + 32});
    EXPECT_EQ(two.pageLines, 2);
    EXPECT_EQ(two.pageRect.width(), 78 * 8);
    // The empty client of a new window: the margins cross, the rectangle is normalised.
    const PageLayout empty = LaidOut(8, 15, {0, 0, 0, 0});
    EXPECT_EQ(empty.textRect, (Rect{-4, -4, 4, 4}));
    EXPECT_EQ(empty.pageLines, 1);
    EXPECT_EQ(empty.nibblePoints.size(), 32u);
    // Laying out again for a smaller window shrinks the arrays.
    PageLayout layout = LaidOut(8, 16, {0, 0, 700, 500});
    layout.layoutPage({0, 0, 700, 100});
    EXPECT_EQ(layout.pageLines, 5);
    EXPECT_EQ(layout.hexCells.size(), 5u * 16);
}

TEST(PageLayout, ZeroSizedCellCountsAsOnePixel)
{
    PageLayout layout;
    layout.setCell(0, -3);
    EXPECT_EQ(layout.cellWidth(), 1);
    EXPECT_EQ(layout.cellHeight(), 1);
    EXPECT_EQ(layout.layoutPage({0, 0, 200, 50}), 42);
    EXPECT_EQ(layout.hitTest(4 + 10, 4 + 1, 0, 1000), 32);
    EXPECT_EQ(layout.hitTest(65535, 65535, 0, 1000), -1);
}

TEST(HitTest, EveryPixelOfALineMatchesTheLayoutsDigitCells)
{
    const PageLayout layout = LaidOut(7, 13, {0, 0, 800, 400});
    for (int x = 0; x < 4 + 80 * 7; ++x)
        ASSERT_EQ(layout.hitTest(static_cast<unsigned>(x), 4 + 6, 0, 1000), NibbleByPoints(layout, x)) << "x " << x;
}

TEST(HitTest, RowsMarginsAndTheEndOfTheData)
{
    const PageLayout layout = LaidOut(8, 16, {0, 0, 700, 100});  // 5 lines
    const unsigned highOfByte4 = 4 + 23 * 8 + 1;
    const unsigned lowOfByte4 = highOfByte4 + 8;
    EXPECT_EQ(layout.hitTest(highOfByte4, 4, 64, 1000), 64 + 8);
    EXPECT_EQ(layout.hitTest(lowOfByte4, 4 + 4 * 16 + 15, 64, 1000), 64 + 4 * 32 + 9);
    EXPECT_EQ(layout.hitTest(lowOfByte4, 4 + 5 * 16, 64, 1000), -1) << "below the page";
    EXPECT_EQ(layout.hitTest(lowOfByte4, 3, 64, 1000), -1) << "top margin";
    // A last line of 5 bytes (nibbles 0..9): byte 4 answers, byte 5 does not.
    EXPECT_EQ(layout.hitTest(lowOfByte4, 4, 0, 10), 9);
    EXPECT_EQ(layout.hitTest(4 + 26 * 8, 4, 0, 10), -1);
    EXPECT_EQ(layout.hitTest(4 + 10 * 8, 4 + 16, 0, 10), -1) << "the line below a short last line";
}

TEST(PageLayout, OffsetColumnWidensInStepsAndTheCellsFollow)
{
    const struct { uint64_t lastOffset; int digits; } steps[] = {
        {0, 8}, {0xFFFFFFFF, 8}, {0x100000000, 10}, {0xFFFFFFFFFF, 10},
        {0x10000000000, 12}, {0xFFFFFFFFFFFF, 12}, {0x1000000000000, 16}, {UINT64_MAX, 16},
    };
    for (const auto& step : steps)
        EXPECT_EQ(PageLayout::AddressDigitsFor(step.lastOffset), step.digits) << std::hex << step.lastOffset;

    PageLayout layout;
    layout.setCell(8, 16);
    layout.addressDigits = 10;
    layout.layoutPage({0, 0, 800, 100});
    ASSERT_EQ(layout.addressCells.size(), 5u * 5);
    EXPECT_EQ(layout.pageRect.width(), 80 * 8);
    EXPECT_EQ(layout.addressCells[4], (Rect{4 + 64, 4, 4 + 80, 20}));
    EXPECT_EQ(layout.hexCells[0].left, 4 + 12 * 8);
    EXPECT_EQ(layout.hexCells[4].left, 4 + 25 * 8);
    EXPECT_EQ(layout.charCells[15], (Rect{4 + 79 * 8, 4, 4 + 80 * 8, 20}));
    // The hit test follows: the old first digit column is now blank, the byte starts two cells on.
    const int64_t top = int64_t(1) << 33;
    EXPECT_EQ(layout.hitTest(4 + 10 * 8 + 1, 4, top, top + 1000), -1);
    EXPECT_EQ(layout.hitTest(4 + 12 * 8 + 1, 4, top, top + 1000), top);
    EXPECT_EQ(layout.hitTest(4 + 13 * 8 + 1, 4 + 16, top, top + 1000), top + 33);
    for (int x = 0; x < 4 + 82 * 8; ++x)
        ASSERT_EQ(layout.hitTest(static_cast<unsigned>(x), 4 + 6, 0, 1000), NibbleByPoints(layout, x)) << "x " << x;
}

TEST(HitTest, ADragFindsTheNearestDigitAndScrollsBeyondTheRows)
{
    const PageLayout layout = LaidOut(8, 16, {0, 0, 700, 100});  // 5 lines from y 4 to 84
    for (int x = 0; x < 700; ++x) {
        const int64_t hit = layout.hitTest(static_cast<unsigned>(x), 4 + 16 + 3, 64, 1000);
        if (hit >= 0) {
            ASSERT_EQ(layout.dragHit(x, 4 + 16 + 3, 64, 1000), hit) << "x " << x;
        }
    }
    const int highOfByte4 = 4 + 23 * 8 + 1;
    const struct { int x, y; int64_t top, count, nibble; } points[] = {
        {0, 4, 64, 1000, 64},                             // the offset column: the row's first digit
        {690, 20, 64, 1000, 127},                         // the characters: the row's last digit
        {-50, -30, 64, 1000, 64},                         // above and left of the window
        {highOfByte4, 84, 64, 1000, 64 + 4 * 32 + 8},     // below the page: its last line
        {4 + 21 * 8, 4, 64, 1000, 64 + 8},                // the blank column before a group
        {4 + 12 * 8, 4, 64, 1000, 64 + 2},                // the blank column before byte 1
        {690, 4, 0, 10, 9},                               // past the data: its last digit
    };
    for (const auto& p : points)
        EXPECT_EQ(layout.dragHit(p.x, p.y, p.top, p.count), p.nibble) << p.x << "," << p.y;

    const struct { int y, lines; } scrolls[] = {{4, 0}, {83, 0}, {3, -1}, {-12, -1}, {-13, -2}, {84, 1}, {99, 1}, {100, 2}};
    for (const auto& s : scrolls)
        EXPECT_EQ(layout.dragScrollLines(s.y), s.lines) << s.y;
}
