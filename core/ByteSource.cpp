// ByteSource's anchor and the memory chunk.
#include "core/ByteSource.h"

#include <cstring>

ByteSource::~ByteSource() = default;

MemoryChunk::MemoryChunk(size_t capacity) : block_(new uint8_t[capacity ? capacity : 1]), capacity_(capacity) {}

bool MemoryChunk::read(uint64_t offset, uint8_t* out, size_t count) const noexcept
{
    const uint64_t written = size();
    if (offset > written || count > written - offset)
        return false;
    if (count)
        std::memcpy(out, block_.get() + offset, count);
    return true;
}
