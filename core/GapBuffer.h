// GapBuffer: the control's bytes in one block with a movable gap at the last edit point, so that
// an edit moves only the bytes between the previous edit and this one.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

#include "common/ReservedBlock.h"

class GapBuffer {
public:
    // The bytes seen as two runs: front (before the gap) then back (after it).
    struct Segments {
        const uint8_t* front;
        size_t frontSize;
        const uint8_t* back;
        size_t backSize;
    };
    // Puts the next `count` bytes of new contents at `out`; false when it cannot.
    using Filler = std::function<bool(uint8_t* out, size_t count)>;

    // Address space for maxSize bytes is reserved at once; pages are committed as the data
    // grows, so growing moves only the bytes behind the gap and never copies the block.
    explicit GapBuffer(size_t maxSize);
    GapBuffer(const GapBuffer&) = delete;
    GapBuffer& operator=(const GapBuffer&) = delete;

    [[nodiscard]] size_t size() const noexcept { return capacity_ - gapLength(); }
    [[nodiscard]] size_t capacity() const noexcept { return capacity_; }
    [[nodiscard]] size_t gapStart() const noexcept { return gapStart_; }
    [[nodiscard]] uint8_t at(size_t offset) const noexcept
    {
        const uint8_t* block = block_.data();
        return offset < gapStart_ ? block[offset] : block[offset + gapLength()];
    }
    [[nodiscard]] Segments segments() const noexcept
    {
        const uint8_t* block = block_.data();
        return {block, gapStart_, block + gapEnd_, capacity_ - gapEnd_};
    }

    // Copies [offset, offset + count) out; the range lies inside the data.
    void copyOut(size_t offset, size_t count, uint8_t* out) const noexcept;
    // Replaces the whole contents; `bytes` must not point into the buffer. Capacity beyond what
    // the new contents need goes back to the system. On an allocation failure nothing changed.
    void assign(const uint8_t* bytes, size_t count);
    // Replaces the whole contents by `count` bytes that `fill` writes straight into a new block,
    // piece by piece in order; the old block goes only when every piece came. False, with
    // nothing changed, when `fill` fails; an allocation failure throws, also with nothing changed.
    bool assignFrom(size_t count, const Filler& fill);
    // Replaces removeCount bytes at offset by insertCount bytes; `bytes` must not point into the
    // buffer. On an allocation failure nothing has changed.
    void replace(size_t offset, size_t removeCount, const uint8_t* bytes, size_t insertCount);

private:
    [[nodiscard]] size_t gapLength() const noexcept { return gapEnd_ - gapStart_; }
    // The capacity for `needed` bytes: some room to grow, little enough that a gap move over
    // the whole data touches few pages it never used.
    [[nodiscard]] size_t capacityFor(size_t needed) const;
    // Commits room for at least `needed` bytes; the back run moves up to the new end.
    void grow(size_t needed);
    // Moves the gap to `offset` and widens it over the removeCount bytes there.
    void openGapAt(size_t offset, size_t removeCount) noexcept;
    void overwrite(size_t offset, const uint8_t* bytes, size_t count) noexcept;

    ReservedBlock block_;
    size_t capacity_ = 0;  // invariant: capacity_ <= block_.committed()
    size_t gapStart_ = 0;  // invariant: gapStart_ <= gapEnd_ <= capacity_;
    size_t gapEnd_ = 0;    // the data is block[0, gapStart_) followed by block[gapEnd_, capacity_)
};
