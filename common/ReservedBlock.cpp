// ReservedBlock's pages over mmap and mprotect; the Windows build has its own in common/win.
#ifndef _WIN32
#include "common/ReservedBlock.h"

#include <sys/mman.h>
#include <unistd.h>

size_t ReservedPages::PageSize() noexcept
{
    static const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    return page;
}

uint8_t* ReservedPages::Reserve(size_t bytes) noexcept
{
    void* base = mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    return base == MAP_FAILED ? nullptr : static_cast<uint8_t*>(base);
}

bool ReservedPages::Commit(uint8_t* at, size_t bytes) noexcept
{
    return mprotect(at, bytes, PROT_READ | PROT_WRITE) == 0;
}

void ReservedPages::Decommit(uint8_t* at, size_t bytes) noexcept
{
    madvise(at, bytes, MADV_DONTNEED);
    mprotect(at, bytes, PROT_NONE);
}

void ReservedPages::Release(uint8_t* base, size_t bytes) noexcept
{
    munmap(base, bytes);
}
#endif
