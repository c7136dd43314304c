// AddBuffer: where the bytes that edits put in are kept: memory chunks that are only ever
// appended to, so pieces and snapshots may point into them for as long as they like.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/Piece.h"

class AddBuffer {
public:
    // Small runs share chunks of this size; a larger run gets a chunk of its own.
    static constexpr size_t chunkSize = 64u << 10;

    // Puts the next `count` bytes at `out`; false when they cannot be had.
    using Filler = std::function<bool(uint8_t* out, size_t count)>;

    // The bytes as one piece (none for no bytes). Throws std::bad_alloc with nothing kept.
    [[nodiscard]] Piece append(const uint8_t* bytes, size_t count);
    // `count` bytes written by `fill` in pieces of at most fillPiece bytes, in order, as one
    // piece; false (nothing kept) when fill fails.
    [[nodiscard]] bool appendFrom(size_t count, size_t fillPiece, const Filler& fill, Piece& piece);

private:
    // A chunk with room for `count` bytes: the shared one, or a new one.
    std::shared_ptr<MemoryChunk> chunkFor(size_t count);

    std::shared_ptr<MemoryChunk> current_;  // the chunk small runs go to
};
