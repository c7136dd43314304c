// The document's storage: the piece table against a naive piece list (inserts, deletes,
// overwrites, undo, redo and rebasing as after a save, over a 16 GiB synthetic base), the regions
// that differ from the base, snapshots, spans, read failures and the block cache.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/BlockCache.h"
#include "core/ByteSearcher.h"
#include "core/ByteStore.h"
#include "tests/unit/core/TestSources.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr uint64_t kGiB = uint64_t(1) << 30;

// The plain rule: a flat list, split and spliced, and joined only when compared.
struct NaivePieces {
    PieceList pieces;

    uint64_t size() const { return TotalLength(pieces); }
    size_t splitAt(uint64_t at)
    {
        uint64_t start = 0;
        for (size_t i = 0; i < pieces.size(); start += pieces[i++].length) {
            if (at == start)
                return i;
            if (at < start + pieces[i].length) {
                Piece back{pieces[i].source, pieces[i].offset + (at - start), start + pieces[i].length - at};
                pieces[i].length = at - start;
                pieces.insert(pieces.begin() + static_cast<ptrdiff_t>(i) + 1, back);
                return i + 1;
            }
        }
        return pieces.size();
    }
    void replace(uint64_t at, uint64_t remove, const PieceList& put)
    {
        const size_t first = splitAt(at);
        const size_t end = splitAt(at + remove);
        pieces.erase(pieces.begin() + static_cast<ptrdiff_t>(first), pieces.begin() + static_cast<ptrdiff_t>(end));
        pieces.insert(pieces.begin() + static_cast<ptrdiff_t>(first), put.begin(), put.end());
    }
    PieceList joined() const { return Joined(pieces); }
    static PieceList Joined(const PieceList& list)
    {
        PieceList out;
        for (const Piece& piece : list) {
            if (piece.length == 0)
                continue;
            if (!out.empty() && out.back().continuedBy(piece))
                out.back().length += piece.length;
            else
                out.push_back(piece);
        }
        return out;
    }
};

PieceList PiecesOf(const PieceTable& table) { return table.slice(0, table.size()); }

bool SamePieces(const PieceList& a, const PieceList& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const Piece& x, const Piece& y) {
               return x.source == y.source && x.offset == y.offset && x.length == y.length;
           });
}

// The document rebuilt from the base and the regions, the inserted parts taken from the
// document: equal to the document when the regions are right.
PieceList RebuiltFromBase(const ByteStore& store)
{
    PieceList rebuilt;
    uint64_t basePos = 0, at = 0;
    for (const ChangedRegion& region : store.baseChanges()) {
        EXPECT_GE(region.offset, at) << "regions in order";
        rebuilt.push_back(Piece{store.base(), basePos, region.offset - at});
        basePos += region.offset - at + region.removed;
        const PieceList inserted = store.table().slice(region.offset, region.inserted);
        rebuilt.insert(rebuilt.end(), inserted.begin(), inserted.end());
        at = region.offset + region.inserted;
    }
    if (store.base())
        rebuilt.push_back(Piece{store.base(), basePos, store.base()->size() - basePos});
    return NaivePieces::Joined(rebuilt);
}

struct Record {
    uint64_t at;
    PieceList removed, inserted;
};

TEST(PieceTable, RandomEditsUndoRedoAndRebasesAgreeWithANaiveList)
{
    std::mt19937_64 random(5);
    const auto pick = [&](uint64_t low, uint64_t high) { return std::uniform_int_distribution<uint64_t>(low, high)(random); };
    ByteStore store;
    store.open(std::make_shared<SyntheticSource>(16 * kGiB + 7));
    NaivePieces naive{PiecesOf(store.table())};
    std::vector<Record> done, undone;
    PieceTable snapshot = store.table();
    PieceList snapshotPieces = naive.joined();
    const auto randomOffset = [&](uint64_t size) {
        // Near the start, past 4 GiB, near the end or anywhere.
        switch (pick(0, 3)) {
        case 0: return std::min(size, pick(0, 100));
        case 1: return std::min(size, (4 * kGiB) - 8 + pick(0, 16));
        case 2: return size - std::min(size, pick(0, 100));
        default: return pick(0, size);
        }
    };
    for (int step = 0; step < 4000; ++step) {
        const uint64_t size = store.size();
        const int choice = static_cast<int>(pick(0, 99));
        if (choice < 60 || done.empty()) {
            const uint64_t at = randomOffset(size);
            const uint64_t remove = pick(0, 19) == 0 ? pick(0, size - at) : std::min(size - at, pick(0, 3));
            Bytes bytes(pick(0, 3) == 0 && remove ? 0 : pick(1, 5));
            for (auto& byte : bytes)
                byte = static_cast<uint8_t>(pick(0, 255));
            const PieceList put = store.added(bytes.data(), bytes.size());
            if (size - remove + bytes.size() == 0)
                continue;  // the document keeps one byte
            const PieceList removed = store.replace(at, remove, put);
            ASSERT_EQ(TotalLength(removed), remove);
            naive.replace(at, remove, put);
            done.push_back({at, removed, put});
            undone.clear();
        } else if (choice < 75) {
            Record record = done.back();
            done.pop_back();
            record.inserted = store.replace(record.at, TotalLength(record.inserted), record.removed);
            naive.replace(record.at, TotalLength(record.inserted), record.removed);
            undone.push_back(record);
        } else if (choice < 85 && !undone.empty()) {
            Record record = undone.back();
            undone.pop_back();
            record.removed = store.replace(record.at, TotalLength(record.removed), record.inserted);
            naive.replace(record.at, TotalLength(record.removed), record.inserted);
            done.push_back(record);
        } else if (choice < 88) {
            // As after a save: the saved bytes become the base; the history goes on over it.
            ASSERT_TRUE(store.rebase(std::make_shared<SnapshotSource>(store.table())));
            naive.pieces = PiecesOf(store.table());
            ASSERT_EQ(naive.pieces.size(), 1u);
        } else if (choice < 90) {
            snapshot = store.table();
            snapshotPieces = naive.joined();
        } else {
            const uint64_t at = randomOffset(size - 1);
            Bytes fromTable(std::min<uint64_t>(size - at, 40)), fromNaive(fromTable.size());
            ASSERT_TRUE(store.read(at, fromTable.data(), fromTable.size()));
            PieceTable plain(naive.pieces);
            ASSERT_TRUE(plain.read(at, fromNaive.data(), fromNaive.size()));
            ASSERT_EQ(fromTable, fromNaive) << "step " << step << " at " << at;
        }
        ASSERT_EQ(store.table().brokenInvariant(), nullptr) << "step " << step;
        ASSERT_TRUE(SamePieces(PiecesOf(store.table()), naive.joined())) << "step " << step;
        ASSERT_EQ(store.size(), naive.size());
        if (step % 50 == 0) {
            ASSERT_TRUE(SamePieces(PiecesOf(snapshot), snapshotPieces)) << "a snapshot changed with the table";
            ASSERT_TRUE(SamePieces(RebuiltFromBase(store), naive.joined())) << "step " << step;
        }
    }
}

TEST(PieceTable, BlocksSplitAndJoinWithinTheirBounds)
{
    const auto source = std::make_shared<SyntheticSource>(1 << 20);
    PieceTable table(PieceList{Piece{source, 0, 1 << 20}});
    // Every other byte replaced: many pieces, many blocks.
    const auto other = std::make_shared<SyntheticSource>(1 << 20);
    for (uint64_t at = 1; at < 20000; at += 2)
        table.replace(at, 1, PieceList{Piece{other, at, 1}});
    ASSERT_EQ(table.brokenInvariant(), nullptr);
    EXPECT_EQ(table.pieceCount(), 20001u);
    // Deleting most of them leaves blocks that still keep their bounds.
    table.replace(100, 19000, {});
    EXPECT_EQ(table.brokenInvariant(), nullptr);
    table.replace(0, table.size(), {});
    EXPECT_EQ(table.size(), 0u);
    EXPECT_EQ(table.pieceCount(), 0u);
    EXPECT_THROW(table.replace(1, 0, {}), std::out_of_range);
}

TEST(PieceTable, TypingForwardGrowsOnePiece)
{
    ByteStore store;
    store.open(std::make_shared<SyntheticSource>(1000));
    for (uint8_t i = 0; i < 100; ++i)
        store.replace(500 + i, 1, store.added(&i, 1));
    EXPECT_EQ(store.table().pieceCount(), 3u) << "base, the typed run, base";
}

TEST(ByteStore, BaseChangesNameWhatDiffersFromTheOpenedBase)
{
    ByteStore store;
    const uint8_t ab[] = {0xAA, 0xBB};
    store.assign(ab, 2);
    EXPECT_EQ(store.baseChanges().size(), 1u) << "without a base, all of it";
    EXPECT_EQ(store.baseChanges()[0].inserted, 2u);

    const auto base = std::make_shared<SyntheticSource>(5 * kGiB);
    store.open(base);
    EXPECT_TRUE(store.baseChanges().empty());
    store.replace(4 * kGiB + 1, 10, store.added(ab, 2));  // 10 bytes gave way to 2
    store.replace(store.size() - 8, 8, {});               // the last bytes deleted
    store.replace(0, 0, store.added(ab, 1));              // one inserted at the start
    const std::vector<ChangedRegion> regions = store.baseChanges();
    ASSERT_EQ(regions.size(), 3u);
    EXPECT_EQ(regions[0].offset, 0u);
    EXPECT_EQ(regions[0].removed, 0u);
    EXPECT_EQ(regions[0].inserted, 1u);
    EXPECT_EQ(regions[1].offset, 4 * kGiB + 2);
    EXPECT_EQ(regions[1].removed, 10u);
    EXPECT_EQ(regions[1].inserted, 2u);
    EXPECT_EQ(regions[2].removed, 8u);
    EXPECT_EQ(regions[2].offset, store.size());

    // Base bytes brought back out of their order count as written ones.
    ByteStore moved;
    moved.open(std::make_shared<SyntheticSource>(100));
    moved.build({Piece{moved.base(), 50, 50}, Piece{moved.base(), 0, 50}});
    const std::vector<ChangedRegion> swapped = moved.baseChanges();
    ASSERT_EQ(swapped.size(), 2u);
    EXPECT_EQ(swapped[0].removed, 50u);
    EXPECT_EQ(swapped[1].inserted, 50u);

    EXPECT_FALSE(moved.rebase(std::make_shared<SyntheticSource>(99))) << "the saved size must match";
    EXPECT_EQ(moved.table().pieceCount(), 2u);
}

TEST(SpanReader, ReadFailuresEndWalksAndSearches)
{
    const uint64_t mib = 1 << 20;
    const auto source = std::make_shared<SyntheticSource>(5 * kGiB + 3 * mib);
    source->failBetween(5 * kGiB, 5 * kGiB + 1);
    ByteStore store;
    store.open(source);
    uint8_t byte = 0;
    EXPECT_FALSE(store.read(5 * kGiB, &byte, 1));
    EXPECT_TRUE(store.read(5 * kGiB + 1, &byte, 1));
    EXPECT_EQ(byte, SyntheticByte(5 * kGiB + 1));

    // Searches read in chunks of a MiB: a hit in a chunk before the bad one is found; a search
    // that must read the bad chunk fails and says so; one from the other side finds its hit.
    uint8_t before[4], after[4];
    ASSERT_TRUE(store.read(5 * kGiB - 2 * mib + 100, before, 4));
    ASSERT_TRUE(store.read(5 * kGiB + 2 * mib + 20, after, 4));
    const ByteSearcher searchBefore(before, 4), searchAfter(after, 4);
    SpanReader reader;
    bool failed = true;
    EXPECT_EQ(searchBefore.findForward(store.table(), 5 * kGiB - 2 * mib, reader, failed), 5 * kGiB - 2 * mib + 100);
    EXPECT_FALSE(failed);
    EXPECT_EQ(searchAfter.findForward(store.table(), 5 * kGiB - 2 * mib, reader, failed), ByteSearcher::npos);
    EXPECT_TRUE(failed);
    EXPECT_EQ(searchAfter.findBackward(store.table(), store.size(), reader, failed), 5 * kGiB + 2 * mib + 20);
    EXPECT_FALSE(failed);
    EXPECT_EQ(searchBefore.findBackward(store.table(), store.size(), reader, failed), ByteSearcher::npos);
    EXPECT_TRUE(failed);
}

TEST(BlockCache, SmallReadsShareBlocksAndFailuresAreNotKept)
{
    SyntheticSource source(1 << 24);
    BlockCache cache(source.size());
    const BlockCache::RawRead raw = [&](uint64_t offset, uint8_t* out, size_t count) {
        return source.read(offset, out, count);
    };
    Bytes bytes(100);
    ASSERT_TRUE(cache.read(1000, bytes.data(), 100, raw));
    ASSERT_TRUE(cache.read(2000, bytes.data(), 100, raw));
    EXPECT_EQ(source.reads, 1) << "one block read for both";
    ASSERT_TRUE(cache.read(BlockCache::blockSize - 50, bytes.data(), 100, raw));
    EXPECT_EQ(source.reads, 2) << "a read over a block edge reads the next block";
    EXPECT_EQ(bytes[99], SyntheticByte(BlockCache::blockSize + 49));

    Bytes large(BlockCache::largestCachedRead + 1);
    ASSERT_TRUE(cache.read(0, large.data(), large.size(), raw));
    EXPECT_EQ(source.reads, 3) << "a large read goes straight to the source";

    source.failBetween(5 << 20, (5 << 20) + 1);
    EXPECT_FALSE(cache.read(5 << 20, bytes.data(), 1, raw));
    source.failBetween(0, 0);
    EXPECT_TRUE(cache.read(5 << 20, bytes.data(), 1, raw)) << "the failed block is read again";
    EXPECT_FALSE(cache.read(source.size() - 1, bytes.data(), 2, raw)) << "past the end";

    // Walking through more blocks than the cache holds keeps it to its size and still reads right.
    for (uint64_t block = 0; block < 3 * BlockCache::blockCount; ++block) {
        ASSERT_TRUE(cache.read(block * BlockCache::blockSize + 7, bytes.data(), 1, raw));
        ASSERT_EQ(bytes[0], SyntheticByte(block * BlockCache::blockSize + 7));
    }
}

} // namespace
