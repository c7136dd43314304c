// PageLayout: the page's pixel geometry and the mouse hit test.
#include "core/PageLayout.h"

#include <algorithm>
#include <cstdint>

int PageLayout::AddressDigitsFor(uint64_t lastOffset) noexcept
{
    if (lastOffset <= 0xFFFFFFFFull)
        return 8;
    if (lastOffset <= 0xFFFFFFFFFFull)
        return 10;
    return lastOffset <= 0xFFFFFFFFFFFFull ? 12 : 16;
}

void PageLayout::setCell(int width, int height) noexcept
{
    cell = Rect{0, 0, width > 0 ? width : 1, height > 0 ? height : 1};
}

int PageLayout::layoutPage(const Rect& client)
{
    clientRect = client;
    textRect = Rect{marginLeft, marginTop, client.right - marginLeft, client.bottom - marginTop}.normalized();
    const int cw = cellWidth();
    const int ch = cellHeight();
    const int lines = textRect.height() / ch;
    pageLines = lines < 2 ? 1 : lines;
    const int x0 = marginLeft;
    const int y0 = marginTop;
    pageRect = Rect{x0, y0, x0 + lineCells() * cw, y0 + pageLines * ch};

    const size_t count = static_cast<size_t>(pageLines);
    const int addressCellsPerLine = addressCellCount();
    addressCells.resize(count * static_cast<size_t>(addressCellsPerLine));
    hexCells.resize(count * lineBytes);
    charCells.resize(count * lineBytes);
    nibblePoints.resize(count * 2 * lineBytes);
    for (size_t i = 0; i < count; ++i) {
        const int top = y0 + ch * static_cast<int>(i);
        const int bottom = top + ch;
        for (int m = 0; m < addressCellsPerLine; ++m)
            addressCells[i * static_cast<size_t>(addressCellsPerLine) + static_cast<size_t>(m)] =
                Rect{x0 + cw * 2 * m, top, x0 + cw * (2 * m + 2), bottom};
        for (int j = 0; j < lineBytes; ++j) {
            const int hexLeft = x0 + cw * hexColumn(j);
            const int charLeft = x0 + cw * charColumn(j);
            hexCells[i * lineBytes + j] = Rect{hexLeft, top, hexLeft + 2 * cw, bottom};
            charCells[i * lineBytes + j] = Rect{charLeft, top, charLeft + cw, bottom};
            nibblePoints[(i * lineBytes + j) * 2] = Point{hexLeft, top};
            nibblePoints[(i * lineBytes + j) * 2 + 1] = Point{hexLeft + cw, top};
        }
    }
    return pageLines;
}

int64_t PageLayout::hitTest(unsigned x, unsigned y, int64_t topNibble, int64_t nibbleCount) const noexcept
{
    const int64_t cw = cellWidth();
    const int64_t ch = cellHeight();
    const int64_t hexLeft = marginLeft + int64_t(addressDigits) * cw;  // the hex area begins after the offsets
    if (x < hexLeft)
        return -1;
    const int64_t column = (static_cast<int64_t>(x) - hexLeft) / cw;
    if (column >= hexAreaCells)
        return -1;
    if (static_cast<int64_t>(y) < marginTop)
        return -1;
    const int64_t row = (static_cast<int64_t>(y) - marginTop) / ch;
    if (row >= pageLines)
        return -1;
    const int64_t group = column / groupCells;
    const int64_t inGroup = column % groupCells;
    if (inGroup == 0)
        return -1;
    const int64_t byte = (inGroup - 1) / 3;
    const int64_t digit = (inGroup - 1) % 3;  // 0: the blank column before the byte
    if (digit == 0)
        return -1;
    const int64_t nibble = 32 * row + topNibble + 8 * group + 2 * byte + (digit == 2 ? 1 : 0);
    return nibble < nibbleCount ? nibble : -1;
}

int64_t PageLayout::dragHit(int x, int y, int64_t topNibble, int64_t nibbleCount) const noexcept
{
    const int64_t cw = cellWidth();
    const int64_t hexLeft = marginLeft + int64_t(addressDigits) * cw;
    const int64_t row = std::clamp<int64_t>((int64_t(y) - marginTop) / cellHeight(), 0, pageLines - 1);
    int64_t inLine = 0;  // nibble within the row
    if (x >= hexLeft) {
        const int64_t column = (int64_t(x) - hexLeft) / cw;
        if (column >= hexAreaCells) {
            inLine = 2 * lineBytes - 1;
        } else {
            const int64_t inGroup = column % groupCells;
            const int64_t digit = inGroup == 0 ? 0 : (inGroup - 1) % 3;  // 0: a blank column
            inLine = 8 * (column / groupCells) + 2 * (inGroup == 0 ? 0 : (inGroup - 1) / 3) + (digit == 2 ? 1 : 0);
        }
    }
    return std::min(topNibble + 32 * row + inLine, nibbleCount - 1);
}

int PageLayout::dragScrollLines(int y) const noexcept
{
    const int ch = cellHeight();
    if (y < marginTop)
        return -1 - (marginTop - 1 - y) / ch;
    const int pageBottom = marginTop + pageLines * ch;
    return y < pageBottom ? 0 : 1 + (y - pageBottom) / ch;
}
