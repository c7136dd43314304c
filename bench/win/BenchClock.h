// What the Windows benchmarks share: seconds from the performance counter, the switch of the
// short form, and reproducible pseudo-random data.
#pragma once
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <vector>

inline double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// QX_BENCH_SHORT=1: the short form that runs with the tests.
inline bool IsShortRun()
{
    const char* shortForm = std::getenv("QX_BENCH_SHORT");
    return shortForm && std::strcmp(shortForm, "1") == 0;
}

// `size` bytes from a xorshift generator: the same bytes in every run.
inline std::vector<unsigned char> RandomBytes(size_t size)
{
    std::vector<unsigned char> data(size);
    unsigned state = 2463534242u;
    for (unsigned char& byte : data) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<unsigned char>(state);
    }
    return data;
}
