// BlockCache: the last few blocks of a source that must be read, so that painting and the caret,
// which read a few bytes at a time near one another, cost one system read per block. Safe to
// use from several threads at once.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class BlockCache {
public:
    static constexpr size_t blockSize = 64u << 10;
    static constexpr size_t blockCount = 48;  // 3 MiB in all
    // Reads of more bytes than this go straight to the source: they are sequential, and would
    // only push out what painting needs.
    static constexpr size_t largestCachedRead = blockSize;

    // Reads exactly [offset, offset + count) of the source; false when it cannot.
    using RawRead = std::function<bool(uint64_t offset, uint8_t* out, size_t count)>;

    explicit BlockCache(uint64_t sourceSize) noexcept : sourceSize_(sourceSize) {}
    BlockCache(const BlockCache&) = delete;
    BlockCache& operator=(const BlockCache&) = delete;

    // Copies [offset, offset + count) (inside the source) into out, through the blocks for a
    // small read and straight from the source for a large one. A block that could not be read
    // is not kept, so a later read tries again.
    [[nodiscard]] bool read(uint64_t offset, uint8_t* out, size_t count, const RawRead& raw);

private:
    struct Entry {
        uint64_t block = 0;
        uint64_t lastUse = 0;
        std::unique_ptr<uint8_t[]> bytes;
    };
    // The entry of `block`, read in when it is not there; null when the read fails.
    Entry* find(uint64_t block, const RawRead& raw);

    const uint64_t sourceSize_;
    std::mutex lock_;
    std::vector<Entry> entries_;  // invariant: at most blockCount, each block at most once
    uint64_t clock_ = 0;          // counts uses, for choosing the least recently used entry
};
