// PositionModel: line counts, the view, the caret, the selection and the bookmarks of the control,
// with the rules by which caret moves, scrolling and edits change them.
#pragma once
#include <cstdint>

#include "core/LineDamage.h"

class PositionModel {
public:
    static constexpr int lineNibbles = 32;              // 16 bytes per line, fixed
    static constexpr int bookmarkSlots = 10;
    // 2 x the largest data size; far enough below the end of int64_t that a position plus a
    // page never overflows.
    static constexpr int64_t maxNibbleCount = 0x1FFFFFFFFFFFFFFE;
    static constexpr int64_t maxPageLines = 0x3FFFFFF;

    // Fields in the order of the control's record. All hold for every caller after every
    // operation of this class:
    //   2 <= nibbleCount <= maxNibbleCount, lineCount = ceil(nibbleCount / 32)
    //   0 <= topLine <= max(0, lineCount - pageLines), bottomLine = min(lineCount, topLine + pageLines)
    //   0 <= caret < nibbleCount and topNibble <= caret < bottomNibble
    //   selBegin = selEnd = -1, or both even with 0 <= selBegin < selEnd <= nibbleCount
    //   bookmarkCount = number of bookmarks other than -1; every set bookmark < nibbleCount
    int64_t lineCount = 1;
    int64_t topLine = 0;
    int64_t bottomLine = 1;     // end (exclusive) of the visible lines
    int64_t pageLines = 1;      // 1 <= pageLines <= maxPageLines
    int64_t nibbleCount = 2;
    int64_t topNibble = 0;      // topLine x 32
    int64_t bottomNibble = 2;   // min(nibbleCount, topNibble + pageNibbles)
    int64_t pageNibbles = 32;   // pageLines x 32
    int64_t caret = 0;
    int64_t selBegin = -1;
    int64_t selEnd = -1;
    int64_t bookmarks[bookmarkSlots] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    int bookmarkCount = 0;

    // New data of `nibbles` nibbles: view and caret at the start, no selection, no bookmarks.
    void resetPositions(int64_t nibbles);
    // Lines that fit in the window; below 2 counts as 1.
    LineDamage setPageLines(int64_t lines);
    // Scrolls so that `line` (clamped to the scrollable range) is the top line; the caret
    // follows into the view in its column.
    LineDamage setTopLine(int64_t line);
    // Moves the caret to `nibble` (0 <= nibble < nibbleCount) and scrolls it into view.
    LineDamage setCaret(int64_t nibble);
    // The nibbles [editBegin, editEnd) were replaced, giving `newNibbleCount` nibbles: caret,
    // view, selection and bookmarks follow their bytes. editBegin is even.
    LineDamage adjustAfterEdit(int64_t newNibbleCount, int64_t editBegin, int64_t editEnd);

    [[nodiscard]] bool hasSelection() const noexcept { return selBegin >= 0; }
    // One-byte selection of the byte holding `nibble`.
    LineDamage beginSelection(int64_t nibble);
    // Grows the selection so that it reaches `nibble`, the exclusive end of the byte to include.
    LineDamage stretchSelection(int64_t nibble);
    LineDamage clearSelection();
    // Stores `value` (-1 clears) in a bookmark slot, keeping bookmarkCount exact.
    LineDamage setBookmarkSlot(int index, int64_t value);

    // The first broken invariant as a text, or null when all hold (for checks and tests).
    [[nodiscard]] const char* brokenInvariant() const noexcept;

private:
    void storeView(int64_t top, int64_t bottom) noexcept;
    [[nodiscard]] LineDamage scrollDamage(int64_t oldTop, int64_t oldBottom) const noexcept;
    [[nodiscard]] LineDamage visibleLines(int64_t firstNibble, int64_t endNibble) const noexcept;
    [[nodiscard]] LineDamage selectionLines() const noexcept;
    [[nodiscard]] LineDamage bookmarkLine(int64_t nibble) const noexcept;
};
