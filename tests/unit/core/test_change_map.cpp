// ChangeMap against a plain vector: the regions, applied to the data at the mark with today's
// bytes, must give today's data, however many splices came and however they were joined.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/ChangeMap.h"
#include "tests/unit/core/RebuiltFromChanges.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(ChangeMap, RandomSplicesRebuildTheDataFromTheMark)
{
    std::mt19937 random(12);
    const auto pick = [&](uint64_t low, uint64_t high) { return std::uniform_int_distribution<uint64_t>(low, high)(random); };
    Bytes data(100000);
    for (auto& byte : data)
        byte = static_cast<uint8_t>(pick(0, 255));
    Bytes marked = data;
    ChangeMap changes;
    size_t mostRegions = 0;
    for (int step = 0; step < 20000; ++step) {
        const uint64_t offset = pick(0, data.size());
        const uint64_t removed = pick(0, std::min<uint64_t>(data.size() - offset, step % 7 == 0 ? 300 : 2));
        const uint64_t inserted = pick(0, step % 11 == 0 ? 300 : 2);
        data.erase(data.begin() + offset, data.begin() + (offset + removed));
        Bytes put(inserted);
        for (auto& byte : put)
            byte = static_cast<uint8_t>(pick(0, 255));
        data.insert(data.begin() + offset, put.begin(), put.end());
        changes.splice(offset, removed, inserted);
        mostRegions = std::max(mostRegions, changes.regions().size());
        if (step % 97 == 0 || step % 5000 == 4999) {
            ASSERT_EQ(RebuiltFromChanges(marked, data, changes.regions()), data) << "step " << step;
            if (step % 5000 == 4999) {
                changes.clear();
                marked = data;
            }
        }
    }
    EXPECT_EQ(mostRegions, ChangeMap::maxRegions) << "the joining of neighbours was reached";

    changes.splice(5, 0, 4);  // the whole data replaced after a change: the mark's size counts
    changes.replaceAll(data.size() + 4, 3);
    const Bytes three{1, 2, 3};
    EXPECT_EQ(RebuiltFromChanges(data, three, changes.regions()), three);
}

TEST(ChangeMap, TypingAlongALineStaysOneRegion)
{
    ChangeMap changes;
    for (uint64_t offset = 100; offset < 160; ++offset)
        changes.splice(offset, 1, 1);
    changes.splice(40, 0, 2);  // an insertion in front moves the region
    ASSERT_EQ(changes.regions().size(), 2u);
    EXPECT_EQ(changes.regions()[1].offset, 102u);
    EXPECT_EQ(changes.regions()[1].removed, 60u);
    EXPECT_EQ(changes.regions()[1].inserted, 60u);
}

} // namespace
