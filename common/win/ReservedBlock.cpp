// ReservedBlock over VirtualAlloc: MEM_RESERVE once, MEM_COMMIT as the block grows.
#include "common/ReservedBlock.h"

#include <windows.h>

#include <new>

namespace {

size_t RoundUp(size_t bytes) noexcept
{
    const size_t page = ReservedBlockPageSize();
    return (bytes + page - 1) / page * page;
}

} // namespace

size_t ReservedBlockPageSize() noexcept
{
    static const size_t page = [] {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        return static_cast<size_t>(info.dwPageSize);
    }();
    return page;
}

ReservedBlock::ReservedBlock(size_t maxBytes) : reserved_(RoundUp(maxBytes ? maxBytes : 1))
{
    base_ = static_cast<uint8_t*>(VirtualAlloc(nullptr, reserved_, MEM_RESERVE, PAGE_NOACCESS));
    if (!base_)
        throw std::bad_alloc();
}

void ReservedBlock::commit(size_t bytes)
{
    if (bytes <= committed_)
        return;
    if (bytes > reserved_)
        throw std::bad_alloc();
    const size_t target = RoundUp(bytes);
    if (!VirtualAlloc(base_ + committed_, target - committed_, MEM_COMMIT, PAGE_READWRITE))
        throw std::bad_alloc();
    committed_ = target;
}

void ReservedBlock::decommitBeyond(size_t bytes) noexcept
{
    const size_t keep = RoundUp(bytes);
    if (keep >= committed_)
        return;
    VirtualFree(base_ + keep, committed_ - keep, MEM_DECOMMIT);
    committed_ = keep;
}

void ReservedBlock::release() noexcept
{
    if (base_)
        VirtualFree(base_, 0, MEM_RELEASE);
    base_ = nullptr;
    reserved_ = committed_ = 0;
}
