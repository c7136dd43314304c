// AddBuffer: chunk choice and appending.
#include "core/AddBuffer.h"

#include <algorithm>
#include <cstring>

std::shared_ptr<MemoryChunk> AddBuffer::chunkFor(size_t count)
{
    if (count > chunkSize / 4)
        return std::make_shared<MemoryChunk>(count);
    if (!current_ || current_->room() < count)
        current_ = std::make_shared<MemoryChunk>(chunkSize);
    return current_;
}

Piece AddBuffer::append(const uint8_t* bytes, size_t count)
{
    if (count == 0)
        return {};
    const std::shared_ptr<MemoryChunk> chunk = chunkFor(count);
    const uint64_t at = chunk->size();
    std::memcpy(chunk->tail(), bytes, count);
    chunk->commit(count);
    return Piece{chunk, at, count};
}

bool AddBuffer::appendFrom(size_t count, size_t fillPiece, const Filler& fill, Piece& piece)
{
    const std::shared_ptr<MemoryChunk> chunk = chunkFor(count);
    const uint64_t at = chunk->size();
    uint8_t* out = chunk->tail();
    for (size_t done = 0; done < count;) {
        const size_t part = std::min(fillPiece, count - done);
        if (!fill(out + done, part))
            return false;
        done += part;
    }
    chunk->commit(count);
    piece = count ? Piece{chunk, at, count} : Piece{};
    return true;
}
