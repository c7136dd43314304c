// FillBytes: the repeated unit and the random bytes.
#include "app/patching/FillBytes.h"

#include <algorithm>
#include <cstring>
#include <random>

std::vector<uint8_t> RepeatedBytes(std::span<const uint8_t> unit, size_t count)
{
    std::vector<uint8_t> bytes(count);
    if (unit.empty() || count == 0)
        return bytes;
    size_t done = std::min(unit.size(), count);
    std::memcpy(bytes.data(), unit.data(), done);
    // Doubling copies: what is written so far is a whole number of units.
    while (done < count) {
        const size_t step = std::min(done - done % unit.size(), count - done);
        std::memcpy(bytes.data() + done, bytes.data(), step);
        done += step;
    }
    return bytes;
}

std::vector<uint8_t> RandomBytes(size_t count, uint64_t seed)
{
    std::vector<uint8_t> bytes(count);
    std::mt19937_64 generator(seed);
    for (size_t i = 0; i < count; i += 8) {
        const uint64_t value = generator();
        std::memcpy(bytes.data() + i, &value, std::min<size_t>(8, count - i));
    }
    return bytes;
}
