// The data at a mark with the changed regions' bytes taken from today's data: today's data
// again when the regions are right; empty when they do not even fit.
#pragma once
#include <cstdint>
#include <vector>

#include "core/ChangeMap.h"

inline std::vector<uint8_t> RebuiltFromChanges(const std::vector<uint8_t>& marked, const std::vector<uint8_t>& now,
                                               const std::vector<ChangedRegion>& regions)
{
    std::vector<uint8_t> rebuilt;
    uint64_t old = 0, at = 0;
    for (const ChangedRegion& region : regions) {
        if (region.offset < at || region.offset - at > marked.size() - old ||
            region.offset + region.inserted > now.size() || old + (region.offset - at) + region.removed > marked.size())
            return {};
        rebuilt.insert(rebuilt.end(), marked.begin() + old, marked.begin() + (old + region.offset - at));
        old += region.offset - at + region.removed;
        rebuilt.insert(rebuilt.end(), now.begin() + region.offset, now.begin() + region.offset + region.inserted);
        at = region.offset + region.inserted;
    }
    rebuilt.insert(rebuilt.end(), marked.begin() + old, marked.end());
    return rebuilt;
}
