// BlockCache: least recently used blocks under one lock.
#include "core/BlockCache.h"

#include <algorithm>
#include <cstring>

BlockCache::Entry* BlockCache::find(uint64_t block, const RawRead& raw)
{
    for (Entry& entry : entries_)
        if (entry.block == block && entry.bytes) {
            entry.lastUse = ++clock_;
            return &entry;
        }
    Entry* slot = nullptr;
    if (entries_.size() < blockCount) {
        slot = &entries_.emplace_back();
        slot->bytes.reset(new uint8_t[blockSize]);
    } else {
        slot = &*std::min_element(entries_.begin(), entries_.end(),
                                  [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
    }
    const uint64_t start = block * blockSize;
    const size_t length = static_cast<size_t>(std::min<uint64_t>(blockSize, sourceSize_ - start));
    slot->lastUse = ++clock_;
    if (!raw(start, slot->bytes.get(), length)) {
        slot->block = UINT64_MAX;  // holds nothing
        return nullptr;
    }
    slot->block = block;
    return slot;
}

bool BlockCache::read(uint64_t offset, uint8_t* out, size_t count, const RawRead& raw)
{
    if (offset > sourceSize_ || count > sourceSize_ - offset)
        return false;
    if (count > largestCachedRead)
        return raw(offset, out, count);
    const std::lock_guard<std::mutex> hold(lock_);
    while (count > 0) {
        const uint64_t block = offset / blockSize;
        const size_t within = static_cast<size_t>(offset % blockSize);
        const size_t part = std::min(count, blockSize - within);
        const Entry* entry = find(block, raw);
        if (!entry)
            return false;
        std::memcpy(out, entry->bytes.get() + within, part);
        out += part;
        offset += part;
        count -= part;
    }
    return true;
}
