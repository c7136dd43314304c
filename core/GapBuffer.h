// GapBuffer: the control's bytes in one block with a movable gap at the last edit point, so that
// an edit moves only the bytes between the previous edit and this one.
#pragma once
#include <cstddef>
#include <cstdint>

class GapBuffer {
public:
    // The bytes seen as two runs: front (before the gap) then back (after it).
    struct Segments {
        const uint8_t* front;
        size_t frontSize;
        const uint8_t* back;
        size_t backSize;
    };

    GapBuffer() = default;
    GapBuffer(const GapBuffer&) = delete;
    GapBuffer& operator=(const GapBuffer&) = delete;
    ~GapBuffer();

    [[nodiscard]] size_t size() const noexcept { return capacity_ - gapLength(); }
    [[nodiscard]] size_t capacity() const noexcept { return capacity_; }
    [[nodiscard]] size_t gapStart() const noexcept { return gapStart_; }
    [[nodiscard]] uint8_t at(size_t offset) const noexcept
    {
        return offset < gapStart_ ? block_[offset] : block_[offset + gapLength()];
    }
    [[nodiscard]] Segments segments() const noexcept
    {
        return {block_, gapStart_, block_ + gapEnd_, capacity_ - gapEnd_};
    }

    // Copies [offset, offset + count) out; the range lies inside the data.
    void copyOut(size_t offset, size_t count, uint8_t* out) const noexcept;
    // Replaces the whole contents; the block is kept when it is large enough.
    void assign(const uint8_t* bytes, size_t count);
    // Replaces removeCount bytes at offset by insertCount bytes; `bytes` must not point into the
    // buffer. On an allocation failure nothing has changed.
    void replace(size_t offset, size_t removeCount, const uint8_t* bytes, size_t insertCount);

private:
    [[nodiscard]] size_t gapLength() const noexcept { return gapEnd_ - gapStart_; }
    // Moves the gap to `offset` and widens it over the removeCount bytes there.
    void openGapAt(size_t offset, size_t removeCount) noexcept;
    void overwrite(size_t offset, const uint8_t* bytes, size_t count) noexcept;

    uint8_t* block_ = nullptr;
    size_t capacity_ = 0;  // 0 or a value of the _CVec growth sequence
    size_t gapStart_ = 0;  // invariant: gapStart_ <= gapEnd_ <= capacity_;
    size_t gapEnd_ = 0;    // the data is block_[0, gapStart_) followed by block_[gapEnd_, capacity_)
};
