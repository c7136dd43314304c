// PageLayout: where the control's page lies in its window, in pixels: the cell of the font, the
// text and page rectangles, the cell rectangles and nibble points of every visible line, and
// the inverse, which nibble lies under a point.
#pragma once
#include <cstdint>

#include "common/ABaseRect.h"
#include "common/_CVec.h"

class PageLayout {
public:
    using Rect = ABaseRect<int>;
    using Point = ABasePoint<int>;

    // With an offset column of d digits a line is d + 70 cells wide: offset (columns 0 to d - 1),
    // bytes (d + 2 + 3j + j/4 and the cell after), characters (d + 54 + j). With 8 digits: 78
    // cells, bytes from column 10, characters from 62.
    static constexpr int lineBytes = 16;
    static constexpr int hexAreaCells = 52;         // from the offset column's end to the characters
    static constexpr int groupCells = 13;           // a group of 4 bytes and the blank column before it

    // The offset column's digits for data whose last offset is lastOffset: 8 while it fits, then
    // 10, 12 and 16.
    [[nodiscard]] static int AddressDigitsFor(uint64_t lastOffset) noexcept;

    [[nodiscard]] int addressCellCount() const noexcept { return addressDigits / 2; }  // two-digit cells
    [[nodiscard]] int lineCells() const noexcept { return addressDigits + 70; }
    [[nodiscard]] int hexColumn(int byteInLine) const noexcept { return addressDigits + 2 + 3 * byteInLine + byteInLine / 4; }
    [[nodiscard]] int charColumn(int byteInLine) const noexcept { return addressDigits + 54 + byteInLine; }

    // Cell of the font. A dimension that is not positive counts as one pixel, so that nothing
    // divides by zero. invariant: cellWidth >= 1 and cellHeight >= 1
    void setCell(int width, int height) noexcept;
    [[nodiscard]] int cellWidth() const noexcept { return cell.right; }
    [[nodiscard]] int cellHeight() const noexcept { return cell.bottom; }

    // Lays the page out for the client rectangle and returns the lines that fit (at least 1).
    int layoutPage(const Rect& client);

    // The nibble whose digit lies under (x, y) on a page whose first nibble is topNibble, or -1
    // for the offset and character columns, blank columns, margins, rows past the page and
    // digits past the data.
    [[nodiscard]] int64_t hitTest(unsigned x, unsigned y, int64_t topNibble, int64_t nibbleCount) const noexcept;
    // The digit nearest to (x, y) for a drag, which may leave the window: rows above or below the
    // page's go to its first or last line, points left or right of the hex area to the row's
    // first or last digit, a blank column to the digit after it, and digits past the data to
    // the last one.
    [[nodiscard]] int64_t dragHit(int x, int y, int64_t topNibble, int64_t nibbleCount) const noexcept;
    // How many lines a drag at height y scrolls per step: negative above the page's rows, positive
    // below them, one more for each line height further out; 0 on the rows.
    [[nodiscard]] int dragScrollLines(int y) const noexcept;

    Rect cell{0, 0, 1, 1};
    int addressDigits = 8;    // invariant: 8, 10, 12 or 16; layoutPage places the cells for it
    Rect clientRect;          // the last rectangle given to layoutPage
    int marginLeft = 4;       // also the right margin
    int marginTop = 4;        // also the bottom margin
    Rect textRect;            // client less the margins, normalised
    Rect pageRect;            // lineCells() by pageLines cells from the top-left margin
    int pageLines = 1;        // invariant: 1 <= pageLines, textRect.height() / cellHeight below 2 gives 1
    // Per visible line i, with a = addressCellCount(): addressCells [ai, ai + a), hexCells and
    // charCells [16i, 16i + 16), nibblePoints [32i, 32i + 32) (the top-left corner of each
    // digit's cell).
    _CVec<Rect> addressCells;
    _CVec<Rect> hexCells;
    _CVec<Rect> charCells;
    _CVec<Point> nibblePoints;
};
