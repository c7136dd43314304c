// ReservedBlock's pages over VirtualAlloc: MEM_RESERVE once, MEM_COMMIT as the block grows.
#include "common/ReservedBlock.h"

#include <windows.h>

size_t ReservedPages::PageSize() noexcept
{
    static const size_t page = [] {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        return static_cast<size_t>(info.dwPageSize);
    }();
    return page;
}

uint8_t* ReservedPages::Reserve(size_t bytes) noexcept
{
    return static_cast<uint8_t*>(VirtualAlloc(nullptr, bytes, MEM_RESERVE, PAGE_NOACCESS));
}

bool ReservedPages::Commit(uint8_t* at, size_t bytes) noexcept
{
    return VirtualAlloc(at, bytes, MEM_COMMIT, PAGE_READWRITE) != nullptr;
}

void ReservedPages::Decommit(uint8_t* at, size_t bytes) noexcept
{
    VirtualFree(at, bytes, MEM_DECOMMIT);
}

void ReservedPages::Release(uint8_t* base, size_t) noexcept
{
    VirtualFree(base, 0, MEM_RELEASE);
}
