// GapBuffer: gap movement, growth in place, splicing.
#include "core/GapBuffer.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// Growth adds half the data, but never more than this. The first touch of a page costs far
// more than moving bytes over pages in use (under some systems tens of microseconds a page), so
// the room is small and touched when it is made: a gap move over the whole data then touches
// no new page.
constexpr size_t kMostSlack = 1u << 20;
constexpr size_t kLeastSlack = 64;
// The piece `fill` is asked for at a time.
constexpr size_t kFillPiece = 64u << 20;

} // namespace

GapBuffer::GapBuffer(size_t maxSize) : block_(maxSize ? maxSize : 1) {}

size_t GapBuffer::capacityFor(size_t needed) const
{
    if (needed > block_.reserved())
        throw std::bad_alloc();
    const size_t slack = std::clamp(needed / 2, kLeastSlack, kMostSlack);
    return std::min(needed + slack, block_.reserved());
}

void GapBuffer::copyOut(size_t offset, size_t count, uint8_t* out) const noexcept
{
    const uint8_t* block = block_.data();
    if (offset < gapStart_) {
        const size_t fromFront = count < gapStart_ - offset ? count : gapStart_ - offset;
        if (fromFront)
            std::memcpy(out, block + offset, fromFront);
        out += fromFront;
        offset += fromFront;
        count -= fromFront;
    }
    if (count)
        std::memcpy(out, block + offset + gapLength(), count);
}

void GapBuffer::assign(const uint8_t* bytes, size_t count)
{
    const size_t capacity = capacityFor(count);
    block_.commit(capacity);
    block_.decommitBeyond(capacity);
    capacity_ = capacity;
    // The gap starts in front of the data, where the caret stands after loading.
    gapStart_ = 0;
    gapEnd_ = capacity_ - count;
    std::memset(block_.data(), 0, gapEnd_);
    if (count)
        std::memcpy(block_.data() + gapEnd_, bytes, count);
}

bool GapBuffer::assignFrom(size_t count, const Filler& fill)
{
    const size_t capacity = capacityFor(count);
    ReservedBlock block(block_.reserved());
    block.commit(capacity);
    uint8_t* out = block.data() + capacity - count;
    for (size_t done = 0; done < count;) {
        const size_t piece = std::min(kFillPiece, count - done);
        if (!fill(out + done, piece))
            return false;
        done += piece;
    }
    std::memset(block.data(), 0, capacity - count);
    block_ = std::move(block);
    capacity_ = capacity;
    gapStart_ = 0;
    gapEnd_ = capacity - count;
    return true;
}

void GapBuffer::grow(size_t needed)
{
    const size_t capacity = capacityFor(needed);
    block_.commit(capacity);
    const size_t backSize = capacity_ - gapEnd_;
    uint8_t* block = block_.data();
    if (backSize)
        std::memmove(block + capacity - backSize, block + gapEnd_, backSize);
    gapEnd_ = capacity - backSize;
    capacity_ = capacity;
}

void GapBuffer::openGapAt(size_t offset, size_t removeCount) noexcept
{
    uint8_t* block = block_.data();
    const size_t removeEnd = offset + removeCount;
    if (removeEnd <= gapStart_) {
        // Bytes behind the removed run go to the back; the removed run joins the gap.
        const size_t moving = gapStart_ - removeEnd;
        if (moving)
            std::memmove(block + gapEnd_ - moving, block + removeEnd, moving);
        gapEnd_ -= moving;
    } else if (offset >= gapStart_) {
        const size_t moving = offset - gapStart_;
        if (moving)
            std::memmove(block + gapStart_, block + gapEnd_, moving);
        gapEnd_ += moving + removeCount;
    } else {
        // The removed run straddles the gap: nothing moves.
        gapEnd_ += removeEnd - gapStart_;
    }
    gapStart_ = offset;
}

void GapBuffer::overwrite(size_t offset, const uint8_t* bytes, size_t count) noexcept
{
    uint8_t* block = block_.data();
    if (offset < gapStart_) {
        const size_t toFront = count < gapStart_ - offset ? count : gapStart_ - offset;
        if (toFront)
            std::memcpy(block + offset, bytes, toFront);
        bytes += toFront;
        offset += toFront;
        count -= toFront;
    }
    if (count)
        std::memcpy(block + offset + gapLength(), bytes, count);
}

void GapBuffer::replace(size_t offset, size_t removeCount, const uint8_t* bytes, size_t insertCount)
{
    if (removeCount == insertCount) {  // same length: in place, the gap stays where it is
        overwrite(offset, bytes, insertCount);
        return;
    }
    const size_t newSize = size() - removeCount + insertCount;
    if (newSize > capacity_)
        grow(newSize);
    openGapAt(offset, removeCount);
    if (insertCount)
        std::memcpy(block_.data() + gapStart_, bytes, insertCount);
    gapStart_ += insertCount;
}
