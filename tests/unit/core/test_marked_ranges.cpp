// Marked ranges: what set keeps of overlapping, touching and unordered input, and the painter's walk.
#include "core/MarkedRanges.h"

#include <gtest/gtest.h>

#include <random>

using Range = MarkedRanges::Range;

TEST(MarkedRanges, SetOrdersTrimsAndMerges)
{
    struct Case {
        std::vector<Range> given;
        std::vector<Range> kept;
    };
    const Case cases[] = {
        {{}, {}},
        {{{5, 0, 0}, {1, 2, 2}, {1, 2, -1}}, {}},
        {{{10, 2, 0}, {0, 3, 1}}, {{0, 3, 1}, {10, 2, 0}}},
        // Touching ranges of one kind are one; of two kinds they stay two.
        {{{0, 4, 0}, {4, 4, 0}, {8, 1, 1}}, {{0, 8, 0}, {8, 1, 1}}},
        // The range that starts first keeps what both cover.
        {{{0, 10, 0}, {5, 10, 1}}, {{0, 10, 0}, {10, 5, 1}}},
        {{{0, 10, 0}, {2, 3, 1}}, {{0, 10, 0}}},
        {{{0, 10, 1}, {5, 10, 1}}, {{0, 15, 1}}},
        // A range reaching past the last offset is cut there, not wrapped.
        {{{UINT64_MAX - 1, 5, 0}}, {{UINT64_MAX - 1, 1, 0}}},
    };
    for (const Case& c : cases) {
        MarkedRanges marks;
        marks.set(c.given);
        EXPECT_EQ(marks.ranges(), c.kept);
    }
}

TEST(MarkedRanges, CursorMatchesAPlainLookUpFromAnyLine)
{
    std::mt19937 random(5);
    std::vector<Range> given;
    for (int i = 0; i < 60; ++i)
        given.push_back({random() % 1000, 1 + random() % 40, static_cast<int>(random() % 2)});
    MarkedRanges marks;
    marks.set(given);
    std::vector<int> kinds(1100, -1);
    for (const Range& range : marks.ranges())
        for (uint64_t b = range.offset; b < range.offset + range.length; ++b)
            kinds[b] = range.kind;
    for (uint64_t line = 0; line < kinds.size(); line += 16) {
        MarkedRanges::Cursor cursor(marks, line);
        for (uint64_t b = line; b < std::min<uint64_t>(line + 16, kinds.size()); ++b)
            ASSERT_EQ(cursor.kindOf(b), kinds[b]) << b;
    }
}
