// CompareRegions: byte-by-byte over pieces of both sources, and the insertion-aware line-up by common runs.
#include "app/compare/CompareRegions.h"

#include <algorithm>
#include <cstring>

namespace {

// Collects the regions in order, joining one that starts where the last ended (a run of
// differing bytes that crosses a piece's edge, a bound stop followed by more differences).
class RegionSink {
public:
    explicit RegionSink(CompareResult& result) noexcept : result_(result) {}

    void Add(const CompareRegion& region)
    {
        if (pending_ && pending_->offset1 + pending_->length1 == region.offset1 &&
            pending_->offset2 + pending_->length2 == region.offset2) {
            pending_->length1 += region.length1;
            pending_->length2 += region.length2;
            return;
        }
        Flush();
        held_ = region;
        pending_ = &held_;
    }

    void Flush()
    {
        if (!pending_)
            return;
        ++result_.regionCount;
        result_.differingBytes += std::max(held_.length1, held_.length2);
        if (result_.regions.size() < kRegionLimit)
            result_.regions.push_back(held_);
        pending_ = nullptr;
    }

private:
    CompareResult& result_;
    CompareRegion held_;
    CompareRegion* pending_ = nullptr;
};

// Adds the runs of differing bytes of two equal-length pieces that start at `offset` in both.
void AddDifferingRuns(RegionSink& sink, uint64_t offset, const uint8_t* first, const uint8_t* second, size_t count)
{
    size_t at = 0;
    while (at < count) {
        const auto [a, b] = std::mismatch(first + at, first + count, second + at);
        at = static_cast<size_t>(a - first);
        if (at == count)
            break;
        size_t end = at + 1;
        while (end < count && first[end] != second[end])
            ++end;
        sink.Add({offset + at, end - at, offset + at, end - at});
        at = end;
    }
}

// Open addressing from a run's hash to the earliest offset at which a run with that hash starts.
class RunTable {
public:
    explicit RunTable(size_t runs)
    {
        size_t capacity = 16;
        while (capacity < 2 * runs)
            capacity *= 2;
        slots_.assign(capacity, Slot{});
        mask_ = capacity - 1;
    }

    // Keeps the first offset given for a hash.
    void AddIfNew(uint64_t hash, uint64_t offset)
    {
        for (size_t at = Start(hash);; at = (at + 1) & mask_) {
            Slot& slot = slots_[at];
            if (slot.offsetPlusOne == 0) {
                slot = {hash, offset + 1};
                return;
            }
            if (slot.hash == hash)
                return;
        }
    }

    // The offset of the hash plus one, 0 when none.
    [[nodiscard]] uint64_t Find(uint64_t hash) const noexcept
    {
        for (size_t at = Start(hash);; at = (at + 1) & mask_) {
            const Slot& slot = slots_[at];
            if (slot.offsetPlusOne == 0 || slot.hash == hash)
                return slot.offsetPlusOne;
        }
    }

private:
    struct Slot {
        uint64_t hash = 0;
        uint64_t offsetPlusOne = 0;
    };
    [[nodiscard]] size_t Start(uint64_t hash) const noexcept { return static_cast<size_t>(hash >> 17) & mask_; }

    std::vector<Slot> slots_;
    size_t mask_ = 0;
};

// Polynomial hash of kResyncRun bytes, rolled one byte at a time (arithmetic modulo 2^64).
class RollingHash {
public:
    static constexpr uint64_t kBase = 0x100000001B3ull;

    RollingHash() noexcept
    {
        for (size_t i = 1; i < kResyncRun; ++i)
            leadingWeight_ *= kBase;
    }

    [[nodiscard]] uint64_t Of(const uint8_t* run) const noexcept
    {
        uint64_t hash = 0;
        for (size_t i = 0; i < kResyncRun; ++i)
            hash = hash * kBase + run[i];
        return hash;
    }

    // The hash of the run one byte further on.
    [[nodiscard]] uint64_t Roll(uint64_t hash, uint8_t leaving, uint8_t entering) const noexcept
    {
        return (hash - leaving * leadingWeight_) * kBase + entering;
    }

private:
    uint64_t leadingWeight_ = 1;
};

struct Resync {
    uint64_t skip1;  // differing bytes of the first before the common run
    uint64_t skip2;
};

// The common run of kResyncRun bytes that starts earliest (skip1 + skip2 least) with both skips
// at most `window`; none when no such run exists.
bool FindResync(std::span<const uint8_t> first, std::span<const uint8_t> second, uint64_t window, Resync& found)
{
    if (first.size() < kResyncRun || second.size() < kResyncRun)
        return false;
    const uint64_t last1 = std::min<uint64_t>(window, first.size() - kResyncRun);
    const uint64_t last2 = std::min<uint64_t>(window, second.size() - kResyncRun);
    const RollingHash rolling;
    RunTable table(static_cast<size_t>(last2 + 1));
    uint64_t hash = rolling.Of(second.data());
    for (uint64_t q = 0;; ++q) {
        table.AddIfNew(hash, q);
        if (q == last2)
            break;
        hash = rolling.Roll(hash, second[q], second[q + kResyncRun]);
    }
    uint64_t best = UINT64_MAX;
    hash = rolling.Of(first.data());
    for (uint64_t p = 0; p <= last1 && p < best; ++p) {
        if (const uint64_t q = table.Find(hash); q != 0 && p + q - 1 < best &&
            std::memcmp(first.data() + p, second.data() + q - 1, kResyncRun) == 0) {
            best = p + q - 1;
            found = {p, q - 1};
        }
        if (p < last1)
            hash = rolling.Roll(hash, first[p], first[p + kResyncRun]);
    }
    return best != UINT64_MAX;
}

// The common tail of the two spans, in bytes.
uint64_t CommonSuffix(std::span<const uint8_t> first, std::span<const uint8_t> second) noexcept
{
    const size_t most = std::min(first.size(), second.size());
    size_t length = 0;
    while (length < most && first[first.size() - 1 - length] == second[second.size() - 1 - length])
        ++length;
    return length;
}

bool ReadWhole(const CompareSource& source, std::vector<uint8_t>& bytes, CompareProgress& progress,
               CompareResult& result)
{
    bytes.resize(static_cast<size_t>(source.Size()));
    for (size_t at = 0; at < bytes.size(); at += kComparePiece) {
        if (progress.cancel) {
            result.end = CompareEnd::Cancelled;
            return false;
        }
        const size_t count = std::min(kComparePiece, bytes.size() - at);
        if (!source.Read(at, bytes.data() + at, count)) {
            result.end = CompareEnd::ReadFailed;
            result.failedOffset = at;
            return false;
        }
        progress.done += count;
    }
    return true;
}

} // namespace

bool MemorySource::Read(uint64_t offset, void* buffer, size_t count) const
{
    if (offset > bytes_.size() || count > bytes_.size() - offset)
        return false;
    std::memcpy(buffer, bytes_.data() + offset, count);
    return true;
}

CompareResult CompareByteByByte(const CompareSource& first, const CompareSource& second, CompareProgress& progress)
{
    CompareResult result;
    result.size1 = first.Size();
    result.size2 = second.Size();
    const uint64_t common = std::min(result.size1, result.size2);
    progress.total = common;
    RegionSink sink(result);
    std::vector<uint8_t> piece1(kComparePiece);
    std::vector<uint8_t> piece2(kComparePiece);
    for (uint64_t at = 0; at < common; at += kComparePiece) {
        if (progress.cancel) {
            result.end = CompareEnd::Cancelled;
            break;
        }
        const size_t count = static_cast<size_t>(std::min<uint64_t>(kComparePiece, common - at));
        if (!first.Read(at, piece1.data(), count) || !second.Read(at, piece2.data(), count)) {
            result.end = CompareEnd::ReadFailed;
            result.failedOffset = at;
            break;
        }
        if (std::memcmp(piece1.data(), piece2.data(), count) != 0)
            AddDifferingRuns(sink, at, piece1.data(), piece2.data(), count);
        progress.done = at + count;
    }
    if (result.end == CompareEnd::Done && result.size1 != result.size2)
        sink.Add({common, result.size1 - common, common, result.size2 - common});
    sink.Flush();
    return result;
}

CompareResult LineUp(std::span<const uint8_t> first, std::span<const uint8_t> second, uint64_t bound,
                     const std::atomic<bool>* cancel)
{
    CompareResult result;
    result.size1 = first.size();
    result.size2 = second.size();
    RegionSink sink(result);
    uint64_t i = 0;
    uint64_t j = 0;
    for (;;) {
        if (cancel && *cancel) {
            result.end = CompareEnd::Cancelled;
            break;
        }
        const auto [a, b] = std::mismatch(first.begin() + i, first.end(), second.begin() + j, second.end());
        i = static_cast<uint64_t>(a - first.begin());
        j = static_cast<uint64_t>(b - second.begin());
        const std::span<const uint8_t> rest1 = first.subspan(i);
        const std::span<const uint8_t> rest2 = second.subspan(j);
        if (rest1.empty() && rest2.empty())
            break;
        Resync resync{};
        bool found = false;
        bool searchedAll = false;
        // Small windows first: a common run found within a window is the earliest overall, so
        // the usual short difference costs a short search.
        for (uint64_t window = 256;; window = std::min(window * 16, bound)) {
            window = std::min(window, bound);
            found = FindResync(rest1, rest2, window, resync);
            searchedAll = rest1.size() <= window + kResyncRun && rest2.size() <= window + kResyncRun;
            if ((found && resync.skip1 + resync.skip2 <= window) || searchedAll || window == bound)
                break;
        }
        if (found) {
            sink.Add({i, resync.skip1, j, resync.skip2});
            i += resync.skip1;
            j += resync.skip2;
        } else if (searchedAll || rest1.size() < kResyncRun || rest2.size() < kResyncRun) {
            // No common run lies ahead: the rest differs but for a common tail.
            const uint64_t tail = CommonSuffix(rest1, rest2);
            sink.Add({i, rest1.size() - tail, j, rest2.size() - tail});
            break;
        } else {
            const uint64_t replaced = std::min<uint64_t>({bound, rest1.size(), rest2.size()});
            if (result.boundStops++ == 0)
                result.firstBoundStop = i;
            sink.Add({i, replaced, j, replaced});
            i += replaced;
            j += replaced;
        }
    }
    sink.Flush();
    return result;
}

CompareResult CompareInsertionAware(const CompareSource& first, const CompareSource& second, CompareProgress& progress)
{
    CompareResult result;
    result.size1 = first.Size();
    result.size2 = second.Size();
    if (result.size1 > kInsertionAwareLimit || result.size2 > kInsertionAwareLimit) {
        result.end = CompareEnd::TooLarge;
        return result;
    }
    progress.total = result.size1 + result.size2;
    std::vector<uint8_t> bytes1;
    std::vector<uint8_t> bytes2;
    if (!ReadWhole(first, bytes1, progress, result))
        return result;
    if (!ReadWhole(second, bytes2, progress, result))
        return result;
    return LineUp(bytes1, bytes2, kResyncBound, &progress.cancel);
}

CompareResult Compare(CompareMethod method, const CompareSource& first, const CompareSource& second,
                      CompareProgress& progress)
{
    return method == CompareMethod::ByteByByte ? CompareByteByByte(first, second, progress)
                                               : CompareInsertionAware(first, second, progress);
}
