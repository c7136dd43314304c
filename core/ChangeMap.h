// ChangeMap: where the data differs from what it was at the last mark, as regions in today's
// offsets, each with the length of what it replaced; what an incremental backup writes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// At `offset` (in the data as it is now), `inserted` bytes stand where the data at the mark had
// `removed` bytes. Regions are ordered, apart from one another, and the bytes between them are
// those of the data at the mark.
struct ChangedRegion {
    uint64_t offset;
    uint64_t removed;
    uint64_t inserted;
};

class ChangeMap {
public:
    // Past this many regions, neighbours are joined pairwise: the regions then cover some
    // unchanged bytes too, which a backup writes again.
    static constexpr size_t maxRegions = 1024;

    ChangeMap();

    // removed bytes at offset (in today's data) gave way to inserted bytes. Never allocates.
    void splice(uint64_t offset, uint64_t removed, uint64_t inserted) noexcept;
    // The whole data of oldSize bytes gave way to newSize bytes.
    void replaceAll(uint64_t oldSize, uint64_t newSize) noexcept;
    // The data as it is now becomes the mark.
    void clear() noexcept { regions_.clear(); }

    [[nodiscard]] bool empty() const noexcept { return regions_.empty(); }
    [[nodiscard]] const std::vector<ChangedRegion>& regions() const noexcept { return regions_; }

private:
    void joinNeighbours() noexcept;

    std::vector<ChangedRegion> regions_;  // invariant: capacity > maxRegions, so splice never allocates
};
