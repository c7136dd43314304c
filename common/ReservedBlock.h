// ReservedBlock: address space reserved once for a block's largest size, its pages committed as
// the block grows, so that growing never copies the block and untouched capacity costs nothing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>

// What each platform provides (common/ReservedBlock.cpp over mmap, common/win over VirtualAlloc).
namespace ReservedPages {
[[nodiscard]] size_t PageSize() noexcept;
// Null when the address space cannot be had.
[[nodiscard]] uint8_t* Reserve(size_t bytes) noexcept;
[[nodiscard]] bool Commit(uint8_t* at, size_t bytes) noexcept;
void Decommit(uint8_t* at, size_t bytes) noexcept;
void Release(uint8_t* base, size_t bytes) noexcept;
} // namespace ReservedPages

class ReservedBlock {
public:
    ReservedBlock() noexcept = default;
    // Reserves room for `maxBytes` (at least one page); throws std::bad_alloc when the address
    // space cannot be had. Nothing is committed yet.
    explicit ReservedBlock(size_t maxBytes) : reserved_(RoundUp(maxBytes ? maxBytes : 1))
    {
        base_ = ReservedPages::Reserve(reserved_);
        if (!base_)
            throw std::bad_alloc();
    }
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
    void commit(size_t bytes)
    {
        if (bytes <= committed_)
            return;
        if (bytes > reserved_)
            throw std::bad_alloc();
        const size_t target = RoundUp(bytes);
        if (!ReservedPages::Commit(base_ + committed_, target - committed_))
            throw std::bad_alloc();
        committed_ = target;
    }
    // Gives the pages beyond the first `bytes` back to the system; their contents are gone.
    void decommitBeyond(size_t bytes) noexcept
    {
        const size_t keep = RoundUp(bytes);
        if (keep >= committed_)
            return;
        ReservedPages::Decommit(base_ + keep, committed_ - keep);
        committed_ = keep;
    }

private:
    void release() noexcept
    {
        if (base_)
            ReservedPages::Release(base_, reserved_);
        base_ = nullptr;
        reserved_ = committed_ = 0;
    }
    [[nodiscard]] static size_t RoundUp(size_t bytes) noexcept
    {
        const size_t page = ReservedPages::PageSize();
        return (bytes + page - 1) / page * page;
    }

    uint8_t* base_ = nullptr;
    size_t reserved_ = 0;   // a multiple of the page size
    size_t committed_ = 0;  // invariant: committed_ <= reserved_, a multiple of the page size
};
