// CompareReport: the compare window's texts (status line, list lines, copied list), moves between regions, exit codes.
#pragma once
#include "app/compare/CompareRegions.h"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// `text` with each "%s" replaced by the next of `values`, in order.
[[nodiscard]] std::string FillText(std::string_view text, std::initializer_list<std::string_view> values);

// An offset as the control's offset column shows it: upper-case hex, at least 8 digits.
[[nodiscard]] std::string OffsetText(uint64_t offset);

// The status line: the differing bytes and regions, the current region (index from 0) and its
// offsets, and what stopped the comparison or cut its list short.
[[nodiscard]] std::string CompareStatusText(const CompareResult& result, std::optional<size_t> current);

// One line of the list: both offsets and both lengths, tab-separated, "比較元のみ" or
// "比較先のみ" where one side has no bytes.
[[nodiscard]] std::string CompareListLine(const CompareRegion& region);

// The list as text for the clipboard: a header line, then one line per region, each ended by CR LF.
[[nodiscard]] std::string CompareListText(const CompareResult& result);

// The region after (before) the one at `current`, or the first (last) when none is current;
// none past the ends.
[[nodiscard]] std::optional<size_t> NextRegion(size_t count, std::optional<size_t> current) noexcept;
[[nodiscard]] std::optional<size_t> PreviousRegion(size_t count, std::optional<size_t> current) noexcept;

// The first region that reaches past `offset1` in the first data, or none: the region a
// caret at that offset stands in or before.
[[nodiscard]] std::optional<size_t> RegionAtOrAfter(const CompareResult& result, uint64_t offset1) noexcept;

// The process exit code of a compare started from the command line.
enum CompareExitCode : int {
    kCompareIdentical = 0,
    kCompareDifferent = 1,
    kCompareError = 2,  // a file could not be opened or read, or the comparison was stopped
};
[[nodiscard]] CompareExitCode ExitCodeOf(const CompareResult& result) noexcept;
