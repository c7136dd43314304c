// MarkedRanges: ordering, trimming and merging the marks, and the walk of the painter.
#include "core/MarkedRanges.h"

#include <algorithm>

void MarkedRanges::set(std::span<const Range> ranges)
{
    std::vector<Range> sorted;
    sorted.reserve(ranges.size());
    for (const Range& range : ranges)
        if (range.length > 0 && range.kind >= 0 && range.kind < kindCount)
            sorted.push_back({range.offset, std::min(range.length, UINT64_MAX - range.offset), range.kind});
    std::stable_sort(sorted.begin(), sorted.end(), [](const Range& a, const Range& b) { return a.offset < b.offset; });
    ranges_.clear();
    for (Range range : sorted) {
        if (!ranges_.empty()) {
            Range& last = ranges_.back();
            const uint64_t lastEnd = last.offset + last.length;
            if (range.offset < lastEnd) {
                // The earlier range keeps the bytes both cover.
                const uint64_t end = range.offset + range.length;
                if (end <= lastEnd)
                    continue;
                range = {lastEnd, end - lastEnd, range.kind};
            }
            if (range.offset == lastEnd && range.kind == last.kind) {
                last.length += range.length;
                continue;
            }
        }
        ranges_.push_back(range);
    }
}

MarkedRanges::Cursor::Cursor(const MarkedRanges& marks, uint64_t firstByte) noexcept
    : ranges_(marks.ranges_),
      next_(static_cast<size_t>(std::partition_point(ranges_.begin(), ranges_.end(),
                                                     [&](const Range& r) { return r.offset + r.length <= firstByte; }) -
                                ranges_.begin()))
{
}

int MarkedRanges::Cursor::kindOf(uint64_t byte) noexcept
{
    while (next_ < ranges_.size() && ranges_[next_].offset + ranges_[next_].length <= byte)
        ++next_;
    return next_ < ranges_.size() && ranges_[next_].offset <= byte ? ranges_[next_].kind : -1;
}
