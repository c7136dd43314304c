// The compare window's texts, moves between regions and the command line's exit codes.
#include "app/compare/CompareReport.h"

#include <gtest/gtest.h>

namespace {

CompareResult Result(std::vector<CompareRegion> regions, uint64_t size1 = 100, uint64_t size2 = 100)
{
    CompareResult result;
    result.size1 = size1;
    result.size2 = size2;
    for (const CompareRegion& region : regions)
        result.differingBytes += std::max(region.length1, region.length2);
    result.regionCount = regions.size();
    result.regions = std::move(regions);
    return result;
}

} // namespace

TEST(CompareReport, StatusLineSaysCountsCurrentRegionSizesAndWhatStopped)
{
    CompareResult two = Result({{16, 2, 16, 2}, {0x1234, 1, 0x1234, 1}}, 0x2000, 0x2000);
    EXPECT_EQ(CompareStatusText(two, std::nullopt), "相違 3 バイト / 2 箇所");
    EXPECT_EQ(CompareStatusText(two, 1), "相違 3 バイト / 2 箇所  [2/2] 比較元 00001234 / 比較先 00001234");

    CompareResult longer = Result({{4, 0, 4, 1000}}, 4, 1004);
    EXPECT_EQ(CompareStatusText(longer, std::nullopt), "相違 1,000 バイト / 1 箇所  サイズ 4 / 1,004 バイト");

    EXPECT_EQ(CompareStatusText(Result({}, 1234567, 1234567), std::nullopt), "同一です (1,234,567 バイト)");

    CompareResult bounded = Result({{8, 4096, 8, 4096}});
    bounded.boundStops = 3;
    bounded.firstBoundStop = 8;
    EXPECT_NE(CompareStatusText(bounded, std::nullopt).find("00000008 以降"), std::string::npos);

    CompareResult cut = two;
    cut.regionCount = 5;
    EXPECT_NE(CompareStatusText(cut, std::nullopt).find("先頭の 2 箇所"), std::string::npos);

    CompareResult failed;
    failed.end = CompareEnd::ReadFailed;
    failed.failedOffset = 0x100000;
    EXPECT_EQ(CompareStatusText(failed, std::nullopt), "読み込めない位置があったため比較を中止しました: 00100000");
    // A stopped run with nothing found is no "identical".
    CompareResult cancelled = Result({});
    cancelled.end = CompareEnd::Cancelled;
    EXPECT_EQ(CompareStatusText(cancelled, std::nullopt).find("同一"), std::string::npos);
}

TEST(CompareReport, ListLinesAndTheCopiedList)
{
    EXPECT_EQ(CompareListLine({0x10, 2, 0x10, 2}), "00000010\t2\t00000010\t2");
    EXPECT_EQ(CompareListLine({0x10, 0, 0x10, 1500}), "00000010\t比較先のみ\t00000010\t1,500");
    EXPECT_EQ(CompareListLine({0x123456789, 7, 0x10, 0}), "123456789\t7\t00000010\t比較元のみ");
    EXPECT_EQ(CompareListText(Result({{1, 1, 1, 1}})), "比較元の位置\t長さ\t比較先の位置\t長さ\r\n00000001\t1\t00000001\t1\r\n");
}

TEST(CompareReport, MovesStopAtTheEndsAndTheCaretFindsItsRegion)
{
    struct Move {
        size_t count;
        std::optional<size_t> current, next, previous;
    };
    const Move moves[] = {
        {0, std::nullopt, std::nullopt, std::nullopt},
        {3, std::nullopt, 0, 2},
        {3, 0, 1, std::nullopt},
        {3, 2, std::nullopt, 1},
    };
    for (const Move& move : moves) {
        EXPECT_EQ(NextRegion(move.count, move.current), move.next);
        EXPECT_EQ(PreviousRegion(move.count, move.current), move.previous);
    }
    // An insertion has no bytes in the first data; it still counts at its offset.
    const CompareResult result = Result({{10, 5, 10, 5}, {20, 0, 20, 3}, {30, 1, 33, 1}});
    EXPECT_EQ(RegionAtOrAfter(result, 0), 0u);
    EXPECT_EQ(RegionAtOrAfter(result, 14), 0u);
    EXPECT_EQ(RegionAtOrAfter(result, 15), 1u);
    EXPECT_EQ(RegionAtOrAfter(result, 20), 1u);
    EXPECT_EQ(RegionAtOrAfter(result, 21), 2u);
    EXPECT_EQ(RegionAtOrAfter(result, 31), std::nullopt);
}

TEST(CompareReport, ExitCodesTellIdenticalDifferentAndError)
{
    EXPECT_EQ(ExitCodeOf(Result({})), kCompareIdentical);
    EXPECT_EQ(ExitCodeOf(Result({{0, 0, 0, 1}}, 0, 1)), kCompareDifferent);
    for (const CompareEnd end : {CompareEnd::Cancelled, CompareEnd::ReadFailed, CompareEnd::TooLarge}) {
        CompareResult stopped = Result({});
        stopped.end = end;
        EXPECT_EQ(ExitCodeOf(stopped), kCompareError);
    }
}
