// FillBytes: what a selection is filled with: a unit of bytes repeated, or random bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The most bytes one fill writes: the control takes them as one replacement in memory.
inline constexpr uint64_t kFillLimit = 256u << 20;

// `count` bytes of `unit` over and over, the last copy cut where the count ends; `unit` is
// not empty.
[[nodiscard]] std::vector<uint8_t> RepeatedBytes(std::span<const uint8_t> unit, size_t count);

// `count` bytes from a generator seeded with `seed`.
[[nodiscard]] std::vector<uint8_t> RandomBytes(size_t count, uint64_t seed);
