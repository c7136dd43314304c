// Crc32c: the CRC-32C (Castagnoli) checksum, with the processor's instruction where it has one.
#pragma once
#include <cstddef>
#include <cstdint>

// Continues `crc` (0 to start) over the bytes; feeding a run in pieces gives the same result.
[[nodiscard]] uint32_t Crc32c(uint32_t crc, const void* bytes, size_t count) noexcept;
