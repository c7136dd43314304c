// ByteSource: an immutable run of bytes of a known size that several threads may read at once,
// shared by the pieces, undo records and snapshots that point into it; MemoryChunk, the one in
// memory that the add buffer fills.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

class ByteSource {
public:
    ByteSource() = default;
    ByteSource(const ByteSource&) = delete;
    ByteSource& operator=(const ByteSource&) = delete;
    virtual ~ByteSource();

    // The bytes the source holds. Pieces only point into [0, size()).
    [[nodiscard]] virtual uint64_t size() const noexcept = 0;
    // Copies [offset, offset + count) into out; false when the range leaves the source or its
    // bytes cannot be read (a drive gone), and out then holds nothing to rely on.
    [[nodiscard]] virtual bool read(uint64_t offset, uint8_t* out, size_t count) const noexcept = 0;
    // The source's bytes when they stay in memory at a fixed address for its whole life; null
    // for sources that must be read.
    [[nodiscard]] virtual const uint8_t* bytes() const noexcept { return nullptr; }
};

using SourcePtr = std::shared_ptr<const ByteSource>;

// A block of memory written once, front to back. Bytes below size() never change again, so
// readers on other threads may use them while more bytes are appended behind.
class MemoryChunk final : public ByteSource {
public:
    explicit MemoryChunk(size_t capacity);  // throws std::bad_alloc
    [[nodiscard]] uint64_t size() const noexcept override { return written_.load(std::memory_order_acquire); }
    [[nodiscard]] bool read(uint64_t offset, uint8_t* out, size_t count) const noexcept override;
    [[nodiscard]] const uint8_t* bytes() const noexcept override { return block_.get(); }

    [[nodiscard]] size_t capacity() const noexcept { return capacity_; }
    [[nodiscard]] size_t room() const noexcept { return capacity_ - written_.load(std::memory_order_relaxed); }
    // Where the next bytes go; `count` of them (at most room()) count once commit() is called.
    [[nodiscard]] uint8_t* tail() noexcept { return block_.get() + written_.load(std::memory_order_relaxed); }
    void commit(size_t count) noexcept { written_.fetch_add(count, std::memory_order_release); }

private:
    std::unique_ptr<uint8_t[]> block_;
    size_t capacity_;
    std::atomic<size_t> written_{0};  // invariant: written_ <= capacity_
};
