// HeapCount: every allocation of a benchmark process counted with its usable size, for the heap
// that a structure holds. Include it in one file of a program only: it replaces operator new.
#pragma once
#include <malloc.h>

#include <cstddef>
#include <cstdlib>
#include <new>

namespace HeapCount {
inline size_t liveBytes = 0;
inline size_t allocations = 0;

inline void Release(void* block) noexcept
{
    if (block)
        liveBytes -= malloc_usable_size(block);
    std::free(block);
}
} // namespace HeapCount

void* operator new(size_t size)
{
    void* block = std::malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    HeapCount::liveBytes += malloc_usable_size(block);
    ++HeapCount::allocations;
    return block;
}
void operator delete(void* block) noexcept { HeapCount::Release(block); }
void operator delete(void* block, size_t) noexcept { HeapCount::Release(block); }
