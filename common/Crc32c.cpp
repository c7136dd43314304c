// Crc32c: a table for any processor, the SSE4.2 instruction where there is one.
#include "common/Crc32c.h"

#include <array>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <nmmintrin.h>
#define QX_CRC32C_HARDWARE 1
#endif

namespace {

constexpr uint32_t kPolynomial = 0x82F63B78;  // reflected

constexpr std::array<uint32_t, 256> MakeTable()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t crc = i;
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ kPolynomial : crc >> 1;
        table[i] = crc;
    }
    return table;
}

constexpr std::array<uint32_t, 256> kTable = MakeTable();

uint32_t TableCrc(uint32_t crc, const uint8_t* bytes, size_t count) noexcept
{
    for (size_t i = 0; i < count; ++i)
        crc = kTable[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

#ifdef QX_CRC32C_HARDWARE
__attribute__((target("sse4.2"))) uint32_t HardwareCrc(uint32_t crc, const uint8_t* bytes, size_t count) noexcept
{
    uint64_t wide = crc;
    for (; count >= 8; bytes += 8, count -= 8) {
        uint64_t word;
        std::memcpy(&word, bytes, 8);
        wide = _mm_crc32_u64(wide, word);
    }
    crc = static_cast<uint32_t>(wide);
    for (; count; ++bytes, --count)
        crc = _mm_crc32_u8(crc, *bytes);
    return crc;
}
#endif

} // namespace

uint32_t Crc32c(uint32_t crc, const void* bytes, size_t count) noexcept
{
    const auto* data = static_cast<const uint8_t*>(bytes);
    crc = ~crc;
#ifdef QX_CRC32C_HARDWARE
    static const bool hardware = __builtin_cpu_supports("sse4.2");
    crc = hardware ? HardwareCrc(crc, data, count) : TableCrc(crc, data, count);
#else
    crc = TableCrc(crc, data, count);
#endif
    return ~crc;
}
