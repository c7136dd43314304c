// MarkedRanges: byte ranges a control draws in a mark colour of their kind, in order and apart.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class MarkedRanges {
public:
    static constexpr int kindCount = 2;

    struct Range {
        uint64_t offset = 0;
        uint64_t length = 0;
        int kind = 0;
        bool operator==(const Range&) const = default;
    };

    // Replaces the ranges, given in any order. Empty ranges and unknown kinds are dropped; where
    // ranges overlap, a byte keeps the kind of the range that starts first; touching ranges of
    // one kind become one.
    // invariant: ranges_ are ordered by offset, non-empty, never overlapping, and two
    // neighbours of one kind never touch.
    void set(std::span<const Range> ranges);
    void clear() noexcept { ranges_.clear(); }
    [[nodiscard]] bool empty() const noexcept { return ranges_.empty(); }
    [[nodiscard]] const std::vector<Range>& ranges() const noexcept { return ranges_; }

    // Walks the bytes of a line in order: the kind of each byte, -1 when unmarked.
    class Cursor {
    public:
        Cursor(const MarkedRanges& marks, uint64_t firstByte) noexcept;
        // Bytes are asked in increasing order.
        [[nodiscard]] int kindOf(uint64_t byte) noexcept;

    private:
        const std::vector<Range>& ranges_;
        size_t next_;
    };

private:
    std::vector<Range> ranges_;
};
