// PageLayout: where the control's page lies in its window, in pixels: the cell of the font, the
// text and page rectangles, the cell rectangles and nibble points of every visible line, and
// the inverse, which nibble lies under a point.
#pragma once
#include "common/ABaseRect.h"
#include "common/_CVec.h"

class PageLayout {
public:
    using Rect = ABaseRect<int>;
    using Point = ABasePoint<int>;

    // A line is 78 cells wide: offset (columns 0-7), bytes (10 + 3j + j/4 and the cell after),
    // characters (62 + j).
    static constexpr int lineBytes = 16;
    static constexpr int lineCells = 78;
    static constexpr int addressCellsPerLine = 4;   // two-digit cells, most significant first
    static constexpr int hexAreaColumn = 8;         // where the mouse's hex area begins
    static constexpr int hexAreaCells = 52;         // columns 8 to 59
    static constexpr int groupCells = 13;           // a group of 4 bytes and the blank column before it

    [[nodiscard]] static constexpr int hexColumn(int byteInLine) noexcept
    {
        return 10 + 3 * byteInLine + byteInLine / 4;
    }
    [[nodiscard]] static constexpr int charColumn(int byteInLine) noexcept { return 62 + byteInLine; }

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
    [[nodiscard]] int hitTest(unsigned x, unsigned y, int topNibble, int nibbleCount) const noexcept;

    Rect cell{0, 0, 1, 1};
    Rect clientRect;          // the last rectangle given to layoutPage
    int marginLeft = 4;       // also the right margin
    int marginTop = 4;        // also the bottom margin
    Rect textRect;            // client less the margins, normalised
    Rect pageRect;            // 78 cells by pageLines cells from the top-left margin
    int pageLines = 1;        // invariant: 1 <= pageLines, textRect.height() / cellHeight below 2 gives 1
    // Per visible line i: addressCells [4i, 4i + 4), hexCells and charCells [16i, 16i + 16),
    // nibblePoints [32i, 32i + 32) (the top-left corner of each digit's cell).
    _CVec<Rect> addressCells;
    _CVec<Rect> hexCells;
    _CVec<Rect> charCells;
    _CVec<Point> nibblePoints;
};
