// GapBuffer: gap movement, growth by the _CVec rule, splicing.
#include "core/GapBuffer.h"

#include <cstring>
#include <new>

#include "common/_CVec.h"

GapBuffer::~GapBuffer()
{
    ::operator delete(block_);
}

void GapBuffer::copyOut(size_t offset, size_t count, uint8_t* out) const noexcept
{
    if (offset < gapStart_) {
        const size_t fromFront = count < gapStart_ - offset ? count : gapStart_ - offset;
        if (fromFront)
            std::memcpy(out, block_ + offset, fromFront);
        out += fromFront;
        offset += fromFront;
        count -= fromFront;
    }
    if (count)
        std::memcpy(out, block_ + offset + gapLength(), count);
}

void GapBuffer::assign(const uint8_t* bytes, size_t count)
{
    if (count > capacity_) {
        const size_t capacity = _CVecCapacityFor(count);
        uint8_t* block = static_cast<uint8_t*>(::operator new(capacity));
        ::operator delete(block_);
        block_ = block;
        capacity_ = capacity;
    }
    // The gap starts in front of the data, where the caret stands after loading.
    gapStart_ = 0;
    gapEnd_ = capacity_ - count;
    if (count)
        std::memcpy(block_ + gapEnd_, bytes, count);
}

void GapBuffer::openGapAt(size_t offset, size_t removeCount) noexcept
{
    const size_t removeEnd = offset + removeCount;
    if (removeEnd <= gapStart_) {
        // Bytes behind the removed run go to the back; the removed run joins the gap.
        const size_t moving = gapStart_ - removeEnd;
        if (moving)
            std::memmove(block_ + gapEnd_ - moving, block_ + removeEnd, moving);
        gapEnd_ -= moving;
    } else if (offset >= gapStart_) {
        const size_t moving = offset - gapStart_;
        if (moving)
            std::memmove(block_ + gapStart_, block_ + gapEnd_, moving);
        gapEnd_ += moving + removeCount;
    } else {
        // The removed run straddles the gap: nothing moves.
        gapEnd_ += removeEnd - gapStart_;
    }
    gapStart_ = offset;
}

void GapBuffer::overwrite(size_t offset, const uint8_t* bytes, size_t count) noexcept
{
    if (offset < gapStart_) {
        const size_t toFront = count < gapStart_ - offset ? count : gapStart_ - offset;
        if (toFront)
            std::memcpy(block_ + offset, bytes, toFront);
        bytes += toFront;
        offset += toFront;
        count -= toFront;
    }
    if (count)
        std::memcpy(block_ + offset + gapLength(), bytes, count);
}

void GapBuffer::replace(size_t offset, size_t removeCount, const uint8_t* bytes, size_t insertCount)
{
    if (removeCount == insertCount) {  // same length: in place, the gap stays where it is
        overwrite(offset, bytes, insertCount);
        return;
    }
    const size_t oldSize = size();
    const size_t newSize = oldSize - removeCount + insertCount;
    if (newSize > capacity_) {
        // One pass into the new block, which leaves the gap right after the new bytes.
        const size_t capacity = _CVecCapacityFor(newSize);
        uint8_t* block = static_cast<uint8_t*>(::operator new(capacity));
        copyOut(0, offset, block);
        if (insertCount)
            std::memcpy(block + offset, bytes, insertCount);
        const size_t tail = oldSize - offset - removeCount;
        copyOut(offset + removeCount, tail, block + capacity - tail);
        ::operator delete(block_);
        block_ = block;
        capacity_ = capacity;
        gapStart_ = offset + insertCount;
        gapEnd_ = capacity - tail;
        return;
    }
    openGapAt(offset, removeCount);
    if (insertCount)
        std::memcpy(block_ + gapStart_, bytes, insertCount);
    gapStart_ += insertCount;
}
