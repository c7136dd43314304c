// Byte sources for the storage tests: a synthetic one of any size whose bytes are computed from
// their offsets (so positions past 4 GiB are tested without large files), one over a vector that
// must be read like a file, and a table that cuts given bytes into pieces at random edges.
#pragma once
#include <atomic>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "core/PieceTable.h"

// The byte a synthetic source holds at `offset`: well mixed (splitmix64), so that a few bytes
// taken from it stand nowhere else near.
[[nodiscard]] inline uint8_t SyntheticByte(uint64_t offset) noexcept
{
    uint64_t z = offset + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<uint8_t>(z ^ (z >> 31));
}

// `size` bytes of SyntheticByte; reads touching [failFrom, failTo) fail, as on a drive gone.
class SyntheticSource : public ByteSource {
public:
    explicit SyntheticSource(uint64_t size) : size_(size) {}
    [[nodiscard]] uint64_t size() const noexcept override { return size_; }
    [[nodiscard]] bool read(uint64_t offset, uint8_t* out, size_t count) const noexcept override
    {
        ++reads;
        if (offset > size_ || count > size_ - offset)
            return false;
        if (count && offset < failTo && offset + count > failFrom)
            return false;
        for (size_t i = 0; i < count; ++i)
            out[i] = SyntheticByte(offset + i);
        return true;
    }
    void failBetween(uint64_t from, uint64_t to) noexcept
    {
        failFrom = from;
        failTo = to;
    }
    mutable std::atomic<int> reads{0};

private:
    uint64_t size_;
    uint64_t failFrom = 0;
    uint64_t failTo = 0;
};

// Bytes held in memory but handed out only by read(), as a file's are.
class ReadOnlySource : public ByteSource {
public:
    explicit ReadOnlySource(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
    [[nodiscard]] uint64_t size() const noexcept override { return bytes_.size(); }
    [[nodiscard]] bool read(uint64_t offset, uint8_t* out, size_t count) const noexcept override
    {
        if (offset > bytes_.size() || count > bytes_.size() - offset)
            return false;
        if (count)
            std::memcpy(out, bytes_.data() + offset, count);
        return true;
    }

private:
    std::vector<uint8_t> bytes_;
};

// A saved file's stand-in: the bytes of a table frozen at a moment.
class SnapshotSource : public ByteSource {
public:
    explicit SnapshotSource(PieceTable table) : table_(std::move(table)) {}
    [[nodiscard]] uint64_t size() const noexcept override { return table_.size(); }
    [[nodiscard]] bool read(uint64_t offset, uint8_t* out, size_t count) const noexcept override
    {
        return table_.read(offset, out, count);
    }

private:
    PieceTable table_;
};

// A memory chunk holding `bytes`.
inline std::shared_ptr<MemoryChunk> ChunkOf(const std::vector<uint8_t>& bytes)
{
    auto chunk = std::make_shared<MemoryChunk>(bytes.size());
    if (!bytes.empty())
        std::memcpy(chunk->tail(), bytes.data(), bytes.size());
    chunk->commit(bytes.size());
    return chunk;
}

// `bytes` as a table of pieces with random edges, every other source one that must be read.
inline PieceTable ScatteredTable(const std::vector<uint8_t>& bytes, std::mt19937& random)
{
    const SourcePtr inMemory = ChunkOf(bytes);
    const SourcePtr readOnly = std::make_shared<ReadOnlySource>(bytes);
    PieceList pieces;
    for (size_t at = 0; at < bytes.size();) {
        const size_t length = std::min<size_t>(bytes.size() - at, 1 + random() % 9);
        pieces.push_back(Piece{pieces.size() % 2 ? readOnly : inMemory, at, length});
        at += length;
    }
    return PieceTable(pieces);
}
