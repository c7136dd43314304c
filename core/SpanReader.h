// SpanReader: a range of a piece table as runs of bytes in memory, front to back or back to
// front: pieces held in memory as they stand, other pieces read in chunks through one buffer.
// What search, saving and sums walk over.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/PieceTable.h"

class SpanReader {
public:
    static constexpr size_t defaultChunk = 1u << 20;

    enum class Walk { Done, Stopped, ReadFailed };
    // A run of `count` bytes at `bytes` that stand at offset `at` of the table; valid during the
    // call only. False stops the walk.
    using SpanVisitor = std::function<bool(const uint8_t* bytes, size_t count, uint64_t at)>;

    explicit SpanReader(size_t chunk = defaultChunk) noexcept : chunk_(chunk ? chunk : 1) {}

    // [from, to) of the table, cut to its size.
    Walk forward(const PieceTable& table, uint64_t from, uint64_t to, const SpanVisitor& visit);
    Walk backward(const PieceTable& table, uint64_t from, uint64_t to, const SpanVisitor& visit);

private:
    uint8_t* buffer();

    size_t chunk_;
    std::unique_ptr<uint8_t[]> buffer_;  // chunk_ bytes, made at the first read
};
