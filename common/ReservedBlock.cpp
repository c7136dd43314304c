// ReservedBlock over mmap and mprotect; the Windows build has its own in common/win.
#ifndef _WIN32
#include "common/ReservedBlock.h"

#include <sys/mman.h>
#include <unistd.h>

#include <new>
#include <utility>

namespace {

size_t RoundUp(size_t bytes) noexcept
{
    const size_t page = ReservedBlockPageSize();
    return (bytes + page - 1) / page * page;
}

} // namespace

size_t ReservedBlockPageSize() noexcept
{
    static const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    return page;
}

ReservedBlock::ReservedBlock(size_t maxBytes) : reserved_(RoundUp(maxBytes ? maxBytes : 1))
{
    void* base = mmap(nullptr, reserved_, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (base == MAP_FAILED)
        throw std::bad_alloc();
    base_ = static_cast<uint8_t*>(base);
}

void ReservedBlock::commit(size_t bytes)
{
    if (bytes <= committed_)
        return;
    if (bytes > reserved_)
        throw std::bad_alloc();
    const size_t target = RoundUp(bytes);
    if (mprotect(base_ + committed_, target - committed_, PROT_READ | PROT_WRITE) != 0)
        throw std::bad_alloc();
    committed_ = target;
}

void ReservedBlock::decommitBeyond(size_t bytes) noexcept
{
    const size_t keep = RoundUp(bytes);
    if (keep >= committed_)
        return;
    madvise(base_ + keep, committed_ - keep, MADV_DONTNEED);
    mprotect(base_ + keep, committed_ - keep, PROT_NONE);
    committed_ = keep;
}

void ReservedBlock::release() noexcept
{
    if (base_)
        munmap(base_, reserved_);
    base_ = nullptr;
    reserved_ = committed_ = 0;
}
#endif
