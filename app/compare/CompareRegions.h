// CompareRegions: the two comparisons of a pair of byte sources and the regions in which they differ.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// What a comparison reads: a document snapshot or a file, any size, read on a worker thread.
class CompareSource {
public:
    virtual ~CompareSource() = default;
    [[nodiscard]] virtual uint64_t Size() const noexcept = 0;
    // Fills `buffer` with `count` bytes from `offset`; false when they cannot be read.
    [[nodiscard]] virtual bool Read(uint64_t offset, void* buffer, size_t count) const = 0;
};

// A region in which the second data differs from the first: `length1` bytes at `offset1` of the
// first stand where the second holds `length2` bytes at `offset2`. A length of 0 marks bytes
// present on one side only.
struct CompareRegion {
    uint64_t offset1 = 0;
    uint64_t length1 = 0;
    uint64_t offset2 = 0;
    uint64_t length2 = 0;
    bool operator==(const CompareRegion&) const = default;
};

enum class CompareMethod : uint8_t {
    ByteByByte,      // the bytes at equal offsets; the longer data's rest is present on one side only
    InsertionAware,  // inserted and deleted runs lined up, within kResyncBound
};

enum class CompareEnd : uint8_t {
    Done,
    Cancelled,   // the caller asked to stop; the regions found so far stand
    ReadFailed,  // a source could not be read at `failedOffset`
    TooLarge,    // the insertion-aware comparison holds both in memory; they exceed kInsertionAwareLimit
};

// Shared with the thread that shows the progress: `done` of `total` bytes read so far.
struct CompareProgress {
    std::atomic<uint64_t> done{0};
    std::atomic<uint64_t> total{0};
    std::atomic<bool> cancel{false};
};

// Invariant: regions are in order of both offsets, never adjacent or overlapping, and between
// two of them (and before the first, after the last) the two data hold the same bytes; applying
// the regions to the first data gives the second.
struct CompareResult {
    CompareEnd end = CompareEnd::Done;
    uint64_t size1 = 0;
    uint64_t size2 = 0;
    std::vector<CompareRegion> regions;
    // The regions' bytes, each region counting as its longer side; counted on past kRegionLimit.
    uint64_t differingBytes = 0;
    // Regions past kRegionLimit are counted, not kept.
    uint64_t regionCount = 0;
    // Insertion-aware: the runs where no common run came within kResyncBound and the bytes were
    // taken as replaced, equal lengths on both sides, so the comparison went on instead of
    // searching without end; the first such offset in the first data.
    uint64_t boundStops = 0;
    uint64_t firstBoundStop = 0;
    uint64_t failedOffset = 0;

    [[nodiscard]] bool Identical() const noexcept { return end == CompareEnd::Done && regionCount == 0; }
    [[nodiscard]] bool ListCut() const noexcept { return regionCount > regions.size(); }
};

// The regions kept for the list; enough for any pair worth reading region by region.
inline constexpr size_t kRegionLimit = 1000000;
// Bytes read at once, and the step at which cancelling is noticed.
inline constexpr size_t kComparePiece = size_t{1} << 20;
// The insertion-aware search for the next common run looks this far ahead on either side.
inline constexpr uint64_t kResyncBound = uint64_t{1} << 20;
// A common run must be this long to line the two sides up again.
inline constexpr size_t kResyncRun = 32;
// The insertion-aware comparison reads both sources whole into memory, each up to this size.
inline constexpr uint64_t kInsertionAwareLimit = uint64_t{256} << 20;

[[nodiscard]] CompareResult CompareByteByByte(const CompareSource& first, const CompareSource& second,
                                              CompareProgress& progress);
[[nodiscard]] CompareResult CompareInsertionAware(const CompareSource& first, const CompareSource& second,
                                                  CompareProgress& progress);
[[nodiscard]] CompareResult Compare(CompareMethod method, const CompareSource& first, const CompareSource& second,
                                    CompareProgress& progress);

// The insertion-aware comparison over data in memory; `bound` for tests (kResyncBound otherwise).
[[nodiscard]] CompareResult LineUp(std::span<const uint8_t> first, std::span<const uint8_t> second,
                                   uint64_t bound, const std::atomic<bool>* cancel = nullptr);

// Bytes in memory as a source.
class MemorySource final : public CompareSource {
public:
    explicit MemorySource(std::span<const uint8_t> bytes) noexcept : bytes_(bytes) {}
    [[nodiscard]] uint64_t Size() const noexcept override { return bytes_.size(); }
    [[nodiscard]] bool Read(uint64_t offset, void* buffer, size_t count) const override;

private:
    std::span<const uint8_t> bytes_;
};
