// ReservedBlock: address space reserved once for a block's largest size, its pages committed as
// the block grows, so that growing never copies the block and untouched capacity costs nothing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <utility>

class ReservedBlock {
public:
    ReservedBlock() noexcept = default;
    // Reserves room for `maxBytes` (at least one page); throws std::bad_alloc when the address
    // space cannot be had. Nothing is committed yet.
    explicit ReservedBlock(size_t maxBytes);
    ~ReservedBlock() { release(); }
    ReservedBlock(ReservedBlock&& other) noexcept
        : base_(std::exchange(other.base_, nullptr)), reserved_(std::exchange(other.reserved_, 0)),
          committed_(std::exchange(other.committed_, 0))
    {
    }
    ReservedBlock& operator=(ReservedBlock&& other) noexcept
    {
        if (this != &other) {
            release();
            base_ = std::exchange(other.base_, nullptr);
            reserved_ = std::exchange(other.reserved_, 0);
            committed_ = std::exchange(other.committed_, 0);
        }
        return *this;
    }
    ReservedBlock(const ReservedBlock&) = delete;
    ReservedBlock& operator=(const ReservedBlock&) = delete;

    [[nodiscard]] uint8_t* data() const noexcept { return base_; }
    [[nodiscard]] size_t reserved() const noexcept { return reserved_; }
    [[nodiscard]] size_t committed() const noexcept { return committed_; }

    // Makes [0, bytes) usable, keeping what it held; throws std::bad_alloc, with nothing
    // changed, when the pages cannot be committed or `bytes` passes the reservation.
    void commit(size_t bytes);
    // Gives the pages beyond the first `bytes` back to the system; their contents are gone.
    void decommitBeyond(size_t bytes) noexcept;

private:
    void release() noexcept;

    uint8_t* base_ = nullptr;
    size_t reserved_ = 0;   // a multiple of the page size
    size_t committed_ = 0;  // invariant: committed_ <= reserved_, a multiple of the page size
};

// The commit granularity: byte counts are rounded up to it.
[[nodiscard]] size_t ReservedBlockPageSize() noexcept;
