// LineDamage: how far the view scrolled and which lines must be drawn again after a model operation.
#pragma once
#include <cstdint>

struct LineDamage {
    int64_t scrolledLines = 0;  // lines the top line moved by; positive = towards the end of the data
    int64_t firstLine = -1;     // half-open range [firstLine, endLine) of absolute lines to draw
    int64_t endLine = -1;       // again; both -1 when nothing is to be drawn

    [[nodiscard]] bool hasLines() const noexcept { return firstLine >= 0 && firstLine < endLine; }
    // Nothing scrolled and nothing to draw: the view need not be touched.
    [[nodiscard]] bool isEmpty() const noexcept { return scrolledLines == 0 && !hasLines(); }
    bool operator==(const LineDamage&) const = default;

    // Lines [first, end), or nothing when the range is empty.
    [[nodiscard]] static LineDamage lines(int64_t first, int64_t end) noexcept
    {
        return first < end ? LineDamage{0, first, end} : LineDamage{};
    }
};

// Scrolls add up; the line ranges unite into the smallest range that covers both.
[[nodiscard]] inline LineDamage mergeDamage(const LineDamage& a, const LineDamage& b) noexcept
{
    LineDamage merged;
    merged.scrolledLines = a.scrolledLines + b.scrolledLines;
    if (!a.hasLines()) {
        merged.firstLine = b.firstLine;
        merged.endLine = b.endLine;
    } else if (!b.hasLines()) {
        merged.firstLine = a.firstLine;
        merged.endLine = a.endLine;
    } else {
        merged.firstLine = a.firstLine < b.firstLine ? a.firstLine : b.firstLine;
        merged.endLine = a.endLine > b.endLine ? a.endLine : b.endLine;
    }
    if (!merged.hasLines())
        merged.firstLine = merged.endLine = -1;
    return merged;
}
