// PositionModel: line counts, the view, the caret, the selection and the bookmarks of the control,
// with the rules by which caret moves, scrolling and edits change them.
#pragma once
#include <cstdint>

#include "core/LineDamage.h"

class PositionModel {
public:
    static constexpr int lineNibbles = 32;              // 16 bytes per line, fixed
    static constexpr int bookmarkSlots = 10;
    static constexpr int maxNibbleCount = 0x7FFFFFFE;   // 2 x the largest data size
    static constexpr int maxPageLines = 0x3FFFFFF;      // keeps pageNibbles inside an int

    // Fields in the order of the control's record. All hold for every caller after every
    // operation of this class:
    //   2 <= nibbleCount <= maxNibbleCount, lineCount = ceil(nibbleCount / 32)
    //   0 <= topLine <= max(0, lineCount - pageLines), bottomLine = min(lineCount, topLine + pageLines)
    //   0 <= caret < nibbleCount and topNibble <= caret < bottomNibble
    //   selBegin = selEnd = -1, or both even with 0 <= selBegin < selEnd <= nibbleCount
    //   bookmarkCount = number of bookmarks other than -1; every set bookmark < nibbleCount
    int lineCount = 1;
    int topLine = 0;
    int bottomLine = 1;       // end (exclusive) of the visible lines
    int pageLines = 1;        // 1 <= pageLines <= maxPageLines
    int nibbleCount = 2;
    int topNibble = 0;        // topLine x 32
    int bottomNibble = 2;     // min(nibbleCount, topNibble + pageNibbles)
    int pageNibbles = 32;     // pageLines x 32
    int caret = 0;
    int selBegin = -1;
    int selEnd = -1;
    int bookmarks[bookmarkSlots] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    int bookmarkCount = 0;

    // New data of `nibbles` nibbles: view and caret at the start, no selection, no bookmarks.
    void resetPositions(int nibbles);
    // Lines that fit in the window; below 2 counts as 1.
    LineDamage setPageLines(int lines);
    // Scrolls so that `line` (clamped to the scrollable range) is the top line; the caret
    // follows into the view in its column.
    LineDamage setTopLine(int line);
    // Moves the caret to `nibble` (0 <= nibble < nibbleCount) and scrolls it into view.
    LineDamage setCaret(int nibble);
    // The nibbles [editBegin, editEnd) were replaced, giving `newNibbleCount` nibbles: caret,
    // view, selection and bookmarks follow their bytes. editBegin is even.
    LineDamage adjustAfterEdit(int64_t newNibbleCount, int editBegin, int editEnd);

    [[nodiscard]] bool hasSelection() const noexcept { return selBegin >= 0; }
    // One-byte selection of the byte holding `nibble`.
    LineDamage beginSelection(int nibble);
    // Grows the selection so that it reaches `nibble`, the exclusive end of the byte to include.
    LineDamage stretchSelection(int nibble);
    LineDamage clearSelection();
    // Stores `value` (-1 clears) in a bookmark slot, keeping bookmarkCount exact.
    LineDamage setBookmarkSlot(int index, int value);

    // The first broken invariant as a text, or null when all hold (for checks and tests).
    [[nodiscard]] const char* brokenInvariant() const noexcept;

private:
    void storeView(int top, int bottom) noexcept;
    [[nodiscard]] LineDamage scrollDamage(int oldTop, int oldBottom) const noexcept;
    [[nodiscard]] LineDamage visibleLines(int firstNibble, int endNibble) const noexcept;
    [[nodiscard]] LineDamage selectionLines() const noexcept;
    [[nodiscard]] LineDamage bookmarkLine(int nibble) const noexcept;
};
