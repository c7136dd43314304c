// ScrollMapping: the view's lines on the window's scroll bar, whose values are ints. Up to
// exactLines lines the bar counts lines one for one, as it always has; beyond, the bar keeps a
// fixed range and the view's place is mapped onto it in proportion, thumb tracking included.
#pragma once
#include <cstdint>

#include "core/PositionModel.h"

namespace ScrollMapping {

inline constexpr int64_t exactLines = int64_t(1) << 30;  // 16 GiB of data
inline constexpr int proportionalRange = (1 << 30) - 1;

// The bar's maximum (its minimum is 0): lineCount - 1, or proportionalRange beyond exactLines.
[[nodiscard]] int Range(const PositionModel& positions) noexcept;
// The bar's page: the lines shown, or their share of the bar beyond exactLines (at least 1).
[[nodiscard]] int Page(const PositionModel& positions) noexcept;
// The bar's position: topLine, or its share of the bar beyond exactLines, so that the last
// top line puts the thumb at the bar's end.
[[nodiscard]] int Position(const PositionModel& positions) noexcept;
// The top line that a bar position stands for: the inverse of Position (the smallest line that
// Position puts there), inside 0 .. the last top line.
[[nodiscard]] int64_t LineAt(int64_t barPosition, const PositionModel& positions) noexcept;

} // namespace ScrollMapping
