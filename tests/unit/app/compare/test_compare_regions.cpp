// Both comparisons against plain references: applying the regions to the first data gives the second.
#include "app/compare/CompareRegions.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// The second data rebuilt from the first and the regions, checking their order on the way.
Bytes Apply(const Bytes& first, const Bytes& second, const CompareResult& result)
{
    Bytes rebuilt;
    uint64_t at1 = 0;
    uint64_t at2 = 0;
    for (const CompareRegion& region : result.regions) {
        EXPECT_TRUE(region.length1 > 0 || region.length2 > 0);
        EXPECT_GE(region.offset1, at1);
        // Equal bytes stand between regions, so both offsets move on by the same amount.
        EXPECT_EQ(region.offset1 - at1, region.offset2 - at2);
        if (&region != &result.regions.front()) {
            EXPECT_GT(region.offset1 + region.offset2, at1 + at2) << "adjacent regions are one";
        }
        rebuilt.insert(rebuilt.end(), first.begin() + at1, first.begin() + region.offset1);
        rebuilt.insert(rebuilt.end(), second.begin() + region.offset2,
                       second.begin() + region.offset2 + region.length2);
        at1 = region.offset1 + region.length1;
        at2 = region.offset2 + region.length2;
    }
    rebuilt.insert(rebuilt.end(), first.begin() + at1, first.end());
    return rebuilt;
}

Bytes Random(std::mt19937& random, size_t size, int alphabet = 256)
{
    Bytes bytes(size);
    for (uint8_t& byte : bytes)
        byte = static_cast<uint8_t>(random() % alphabet);
    return bytes;
}

CompareResult ByteByByte(const Bytes& first, const Bytes& second)
{
    const MemorySource source1(first);
    const MemorySource source2(second);
    CompareProgress progress;
    return CompareByteByByte(source1, source2, progress);
}

// Fails reading at or past `failAt`.
class FailingSource final : public CompareSource {
public:
    FailingSource(uint64_t size, uint64_t failAt) : size_(size), failAt_(failAt) {}
    [[nodiscard]] uint64_t Size() const noexcept override { return size_; }
    [[nodiscard]] bool Read(uint64_t offset, void* buffer, size_t count) const override
    {
        std::fill_n(static_cast<uint8_t*>(buffer), count, uint8_t{0});
        return offset + count <= failAt_;
    }

private:
    uint64_t size_;
    uint64_t failAt_;
};

} // namespace

TEST(CompareByteByByte, RegionsAreRunsOfDifferingBytesAndTheLongerRest)
{
    struct Case {
        Bytes first;
        Bytes second;
        std::vector<CompareRegion> regions;
        uint64_t differing;
    };
    const Case cases[] = {
        {{}, {}, {}, 0},
        {{1, 2, 3}, {1, 2, 3}, {}, 0},
        {{}, {7, 8}, {{0, 0, 0, 2}}, 2},
        {{7, 8}, {}, {{0, 2, 0, 0}}, 2},
        {{1, 2, 3, 4}, {1, 9, 9, 4}, {{1, 2, 1, 2}}, 2},
        {{1, 2, 3, 4}, {0, 2, 0, 4}, {{0, 1, 0, 1}, {2, 1, 2, 1}}, 2},
        // A differing last byte joins the rest present on one side only.
        {{1, 2, 3}, {1, 2, 0, 5, 6}, {{2, 1, 2, 3}}, 3},
        {{1, 2, 3, 4, 5}, {1, 2}, {{2, 3, 2, 0}}, 3},
    };
    for (const Case& c : cases) {
        const CompareResult result = ByteByByte(c.first, c.second);
        EXPECT_EQ(result.end, CompareEnd::Done);
        EXPECT_EQ(result.regions, c.regions);
        EXPECT_EQ(result.regionCount, c.regions.size());
        EXPECT_EQ(result.differingBytes, c.differing);
        EXPECT_EQ(result.Identical(), c.regions.empty());
    }
}

TEST(CompareByteByByte, MatchesAByteLoopOverManyPiecesAndRunsAcrossTheirEdges)
{
    std::mt19937 random(21);
    const Bytes first = Random(random, 3 * kComparePiece + 1234);
    Bytes second(first.begin(), first.begin() + 3 * kComparePiece + 234);
    // A run across the first piece's edge, and scattered single bytes.
    for (size_t at = kComparePiece - 3; at < kComparePiece + 5; ++at)
        second[at] ^= 0xFF;
    for (int i = 0; i < 500; ++i)
        second[random() % second.size()] ^= 0x5A;
    uint64_t differing = first.size() - second.size();
    for (size_t at = 0; at < second.size(); ++at)
        differing += first[at] != second[at];

    const CompareResult result = ByteByByte(first, second);
    EXPECT_EQ(result.differingBytes, differing);
    EXPECT_EQ(Apply(first, second, result), second);
    bool edgeRunWhole = false;
    for (const CompareRegion& region : result.regions) {
        EXPECT_EQ(region.offset1, region.offset2);
        edgeRunWhole = edgeRunWhole || (region.offset1 <= kComparePiece - 3 &&
                                        region.offset1 + region.length1 >= kComparePiece + 5);
    }
    EXPECT_TRUE(edgeRunWhole);
}

TEST(CompareByteByByte, StopsOnCancelAndOnAnUnreadablePiece)
{
    const Bytes bytes(3 * kComparePiece, 1);
    const MemorySource source(bytes);
    CompareProgress cancelled;
    cancelled.cancel = true;
    EXPECT_EQ(CompareByteByByte(source, source, cancelled).end, CompareEnd::Cancelled);

    const FailingSource failing(bytes.size(), 2 * kComparePiece);
    CompareProgress progress;
    const CompareResult result = CompareByteByByte(source, failing, progress);
    EXPECT_EQ(result.end, CompareEnd::ReadFailed);
    EXPECT_EQ(result.failedOffset, 2 * kComparePiece);
    EXPECT_FALSE(result.Identical());
}

TEST(CompareInsertionAware, RandomEditScriptsAreUndoneByTheRegions)
{
    std::mt19937 random(7);
    // A small alphabet makes common runs by chance, the cases a careless line-up gets wrong.
    for (const int alphabet : {2, 4, 256}) {
        for (int round = 0; round < 40; ++round) {
            const Bytes first = Random(random, random() % 5000, alphabet);
            Bytes second = first;
            const int edits = static_cast<int>(random() % 8);
            for (int e = 0; e < edits; ++e) {
                const size_t at = second.empty() ? 0 : random() % (second.size() + 1);
                const size_t length = 1 + random() % 300;
                switch (random() % 3) {
                case 0: {
                    const Bytes run = Random(random, length, alphabet);
                    second.insert(second.begin() + at, run.begin(), run.end());
                    break;
                }
                case 1:
                    second.erase(second.begin() + at, second.begin() + std::min(second.size(), at + length));
                    break;
                default:
                    for (size_t k = at; k < std::min(second.size(), at + length); ++k)
                        second[k] = static_cast<uint8_t>(random() % alphabet);
                }
            }
            SCOPED_TRACE(testing::Message() << "alphabet " << alphabet << " round " << round);
            const CompareResult result = LineUp(first, second, kResyncBound);
            EXPECT_EQ(result.end, CompareEnd::Done);
            EXPECT_EQ(result.boundStops, 0u);
            EXPECT_EQ(Apply(first, second, result), second);
            EXPECT_EQ(result.Identical(), first == second);
        }
    }
}

TEST(CompareInsertionAware, EachInsertedDeletedOrReplacedRunAtItsOwnOffsets)
{
    std::mt19937 random(99);
    const Bytes first = Random(random, 4 << 20);
    Bytes second;
    std::vector<CompareRegion> expected;
    // Runs far apart, each unlike the bytes it meets, so each has exactly one right place.
    size_t at1 = 0;
    for (int run = 0; run < 100; ++run) {
        const size_t next = at1 + 4000 + random() % 30000;
        second.insert(second.end(), first.begin() + at1, first.begin() + next);
        at1 = next;
        const size_t length = 1 + random() % 1024;
        Bytes bytes(length);
        for (size_t k = 0; k < length; ++k)
            bytes[k] = static_cast<uint8_t>(first[at1 + k] ^ (1 + random() % 255));
        switch (run % 3) {
        case 0:
            expected.push_back({at1, 0, second.size(), length});
            second.insert(second.end(), bytes.begin(), bytes.end());
            break;
        case 1:
            if (first[at1] == first[at1 + length])
                continue;
            expected.push_back({at1, length, second.size(), 0});
            at1 += length;
            break;
        default:
            expected.push_back({at1, length, second.size(), length});
            second.insert(second.end(), bytes.begin(), bytes.end());
            at1 += length;
        }
    }
    second.insert(second.end(), first.begin() + at1, first.end());
    const CompareResult result = LineUp(first, second, kResyncBound);
    EXPECT_EQ(result.regions, expected);
    // Byte by byte, everything after the first insertion would differ.
    EXPECT_GT(ByteByByte(first, second).differingBytes, first.size() / 2);
}

TEST(CompareInsertionAware, NotesWhereItStoppedAtItsBoundAndStillGivesAValidScript)
{
    std::mt19937 random(3);
    const Bytes common = Random(random, 100);
    Bytes first = common;
    Bytes second = common;
    const Bytes unlike1 = Random(random, 5000);
    const Bytes unlike2 = Random(random, 6000);
    first.insert(first.end(), unlike1.begin(), unlike1.end());
    second.insert(second.end(), unlike2.begin(), unlike2.end());
    first.insert(first.end(), common.begin(), common.end());
    second.insert(second.end(), common.begin(), common.end());

    const CompareResult bounded = LineUp(first, second, 1024);
    EXPECT_GT(bounded.boundStops, 0u);
    EXPECT_EQ(bounded.firstBoundStop, 100u);
    EXPECT_EQ(Apply(first, second, bounded), second);
    // Without the bound the unlike middle is one region.
    const CompareResult whole = LineUp(first, second, kResyncBound);
    EXPECT_EQ(whole.boundStops, 0u);
    EXPECT_EQ(whole.regions, (std::vector<CompareRegion>{{100, 5000, 100, 6000}}));
}

TEST(CompareInsertionAware, RefusesWhatItCannotHoldAndStopsOnCancelOrAFailedRead)
{
    const FailingSource huge(kInsertionAwareLimit + 1, UINT64_MAX);
    const Bytes bytes(kComparePiece + 10, 3);
    const MemorySource small(bytes);
    CompareProgress progress;
    EXPECT_EQ(CompareInsertionAware(huge, small, progress).end, CompareEnd::TooLarge);
    EXPECT_EQ(CompareInsertionAware(small, huge, progress).end, CompareEnd::TooLarge);

    const FailingSource failing(bytes.size(), kComparePiece);
    const CompareResult failed = CompareInsertionAware(small, failing, progress);
    EXPECT_EQ(failed.end, CompareEnd::ReadFailed);
    EXPECT_EQ(failed.failedOffset, kComparePiece);

    CompareProgress cancelled;
    cancelled.cancel = true;
    EXPECT_EQ(CompareInsertionAware(small, small, cancelled).end, CompareEnd::Cancelled);
}
