// ChangeMap: merging each splice into the ordered regions.
#include "core/ChangeMap.h"

#include <algorithm>

namespace {

// One region from `first` to the end of `last`, with the unchanged bytes between them.
ChangedRegion Joined(const ChangedRegion& first, const ChangedRegion& last, uint64_t removedWithin,
                     uint64_t insertedWithin)
{
    const uint64_t span = last.offset + last.inserted - first.offset;
    return {first.offset, span - insertedWithin + removedWithin, span};
}

} // namespace

ChangeMap::ChangeMap() { regions_.reserve(maxRegions + 1); }

void ChangeMap::splice(uint64_t offset, uint64_t removed, uint64_t inserted) noexcept
{
    if (removed == 0 && inserted == 0)
        return;
    const uint64_t end = offset + removed;
    // The regions that overlap or touch [offset, end) are merged with it.
    auto first = std::lower_bound(regions_.begin(), regions_.end(), offset,
                                  [](const ChangedRegion& r, uint64_t at) { return r.offset + r.inserted < at; });
    auto last = first;
    uint64_t removedWithin = 0, insertedWithin = 0;
    while (last != regions_.end() && last->offset <= end) {
        removedWithin += last->removed;
        insertedWithin += last->inserted;
        ++last;
    }
    ChangedRegion merged{offset, removed, inserted};
    if (first != last) {
        const uint64_t begin = std::min(offset, first->offset);
        const uint64_t endBefore = std::max(end, (last - 1)->offset + (last - 1)->inserted);
        const uint64_t span = endBefore - begin;
        merged = {begin, span - insertedWithin + removedWithin, span - removed + inserted};
        first = regions_.erase(first, last);
    }
    auto placed = regions_.insert(first, merged);
    for (auto after = placed + 1; after != regions_.end(); ++after)
        after->offset = after->offset + inserted - removed;
    if (regions_.size() > maxRegions)
        joinNeighbours();
}

void ChangeMap::replaceAll(uint64_t oldSize, uint64_t newSize) noexcept
{
    // What the data held at the mark, not just before.
    uint64_t markedSize = oldSize;
    for (const ChangedRegion& region : regions_)
        markedSize = markedSize - region.inserted + region.removed;
    regions_.clear();
    regions_.push_back({0, markedSize, newSize});
}

void ChangeMap::joinNeighbours() noexcept
{
    size_t kept = 0;
    for (size_t i = 0; i < regions_.size(); i += 2) {
        if (i + 1 == regions_.size()) {
            regions_[kept++] = regions_[i];
            break;
        }
        const ChangedRegion& a = regions_[i];
        const ChangedRegion& b = regions_[i + 1];
        regions_[kept++] = Joined(a, b, a.removed + b.removed, a.inserted + b.inserted);
    }
    regions_.resize(kept);
}
