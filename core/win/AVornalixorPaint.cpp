// AVornalixor: layout, glyph strips and painting. Every visible cell is one block copy from a
// strip that holds the glyphs of all byte values in one colour pair.
#include "core/win/AVornalixor.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int glyphCount = 258;  // the 256 byte values, the blank cell and the unreadable cell

RECT ToRect(const PageLayout::Rect& rect) noexcept
{
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

} // namespace

void AVornalixor::layoutPage(const PageLayout::Rect& client)
{
    layout.layoutPage(client);
    model.setPageLines(layout.pageLines);
}

void AVornalixor::buildGlyphStrips()
{
    const int cw = layout.cellWidth();
    const int ch = layout.cellHeight();
    std::unique_ptr<MemoryDC> hex[stripCount];
    std::unique_ptr<MemoryDC> chars[stripCount];
    {
        DisplayDC screen(window);
        for (int k = 0; k < stripCount; ++k) {
            hex[k] = std::make_unique<MemoryDC>(screen, 2 * glyphCount * cw, ch);
            chars[k] = std::make_unique<MemoryDC>(screen, glyphCount * cw, ch);
        }
    }

    // Glyphs past the byte values: the blank cell stays background; the unreadable cell shows
    // "??", which no byte does, and a blank character.
    char digits[2 * glyphCount];
    char characters[glyphCount];
    for (int v = 0; v < 256; ++v) {
        digits[2 * v] = "0123456789ABCDEF"[v >> 4];
        digits[2 * v + 1] = "0123456789ABCDEF"[v & 15];
        characters[v] = v >= 0x20 && v <= 0x7E ? static_cast<char>(v) : '.';
    }
    digits[2 * blankCell] = digits[2 * blankCell + 1] = characters[blankCell] = ' ';
    digits[2 * unreadableCell] = digits[2 * unreadableCell + 1] = '?';
    characters[unreadableCell] = ' ';
    for (int k = 0; k < stripCount; ++k) {
        const Brush markBrush(k >= 2 ? markColors[k - 2] : RGB(0, 0, 0));
        for (MemoryDC* strip : {hex[k].get(), chars[k].get()}) {
            strip->selectFont(font);
            strip->setTextColor(k == 1 ? inverseTextColor : textColor);
            strip->setBackgroundMode(TRANSPARENT);
            strip->setFillBrush(k == 0 ? backBrush : k == 1 ? inverseBackBrush : markBrush);
            strip->fillRect(strip->drawableRect());
        }
        hex[k]->textOutCells(0, 0, digits, static_cast<int>(sizeof digits), cw);
        chars[k]->textOutCells(0, 0, characters, static_cast<int>(sizeof characters), cw);
    }
    for (int k = 0; k < stripCount; ++k) {
        hexGlyphs[k] = std::move(hex[k]);
        charGlyphs[k] = std::move(chars[k]);
    }
}

void AVornalixor::followOffsetWidth()
{
    const int digits = PageLayout::AddressDigitsFor(model.dataSize64() - 1);
    if (digits == layout.addressDigits)
        return;
    // The offset column widened or narrowed: every cell moves sideways, the page lines stay.
    layout.addressDigits = digits;
    layout.layoutPage(layout.clientRect);
    InvalidateRect(window, nullptr, TRUE);
}

void AVornalixor::paintLines(DeviceContext& dc, const LineDamage& damage)
{
    if (!damage.hasLines() || !hexGlyphs[0] || !charGlyphs[0])
        return;
    const PositionModel& p = model.positions();
    const int64_t rows = std::min<int64_t>(p.pageLines, layout.pageLines);
    const int64_t first = std::max(damage.firstLine, p.topLine);
    const int64_t end = std::min(damage.endLine, p.topLine + rows);
    const int64_t contentEnd = std::min(end, p.bottomLine);
    const int cw = layout.cellWidth();
    const int hexWidth = 2 * cw;
    const int ch = layout.cellHeight();
    const size_t addressCellsPerLine = static_cast<size_t>(layout.addressCellCount());

    if (first < contentEnd) {
        const uint64_t dataSize = model.dataSize64();
        const uint64_t firstByte = static_cast<uint64_t>(first) * PageLayout::lineBytes;
        const uint64_t endByte = std::min(static_cast<uint64_t>(contentEnd) * PageLayout::lineBytes, dataSize);
        lineBytes_.resize(static_cast<size_t>(endByte - firstByte));
        const bool allRead = model.copyBytes(firstByte, static_cast<size_t>(endByte - firstByte), lineBytes_.data());
        // Selected bytes: [selectFirst, selectEnd).
        const uint64_t selectFirst = p.hasSelection() ? static_cast<uint64_t>(p.selBegin) / 2 : 0;
        const uint64_t selectEnd = p.hasSelection() ? static_cast<uint64_t>(p.selEnd) / 2 : 0;

        for (int64_t line = first; line < contentEnd; ++line) {
            const size_t row = static_cast<size_t>(line - p.topLine);
            bool marked = false;
            for (int slot = 0; slot < PositionModel::bookmarkSlots && p.bookmarkCount; ++slot)
                marked |= p.bookmarks[slot] >= 0 && p.bookmarks[slot] / PositionModel::lineNibbles == line;
            const MemoryDC& offsetStrip = *hexGlyphs[marked ? 1 : 0];
            // The line's offset, two digits a cell, most significant first.
            const uint64_t lineFirst = static_cast<uint64_t>(line) * PageLayout::lineBytes;
            for (size_t m = 0; m < addressCellsPerLine; ++m) {
                const int digits = static_cast<int>((lineFirst >> (8 * (addressCellsPerLine - 1 - m))) & 0xFF);
                const PageLayout::Rect& cell = layout.addressCells[row * addressCellsPerLine + m];
                dc.copyFrom(offsetStrip, cell.left, cell.top, hexWidth, ch, digits * hexWidth, 0);
            }

            MarkedRanges::Cursor markWalk(marks, lineFirst);
            const uint64_t lineEnd = std::min<uint64_t>(lineFirst + PageLayout::lineBytes, dataSize);
            // A failed read is retried line by line; a line that still cannot be read shows
            // its bytes as unreadable, never as the stale bytes of the buffer.
            const bool lineRead = allRead || model.copyBytes(lineFirst, static_cast<size_t>(lineEnd - lineFirst),
                                                             lineBytes_.data() + (lineFirst - firstByte));
            for (size_t j = 0; j < PageLayout::lineBytes; ++j) {
                const uint64_t byte = lineFirst + j;
                int glyph = blankCell;
                int colours = 0;
                if (byte < dataSize) {
                    glyph = lineRead ? lineBytes_[static_cast<size_t>(byte - firstByte)] : unreadableCell;
                    const int mark = markWalk.kindOf(byte);
                    colours = byte >= selectFirst && byte < selectEnd ? 1 : mark >= 0 ? 2 + mark : 0;
                }
                const PageLayout::Rect& hexCell = layout.hexCells[row * PageLayout::lineBytes + j];
                const PageLayout::Rect& charCell = layout.charCells[row * PageLayout::lineBytes + j];
                dc.copyFrom(*hexGlyphs[colours], hexCell.left, hexCell.top, hexWidth, ch, glyph * hexWidth, 0);
                dc.copyFrom(*charGlyphs[colours], charCell.left, charCell.top, cw, ch, glyph * cw, 0);
            }
        }
    }

    // Lines asked for below the data are background.
    const int64_t emptyFirst = std::max(first, contentEnd);
    if (emptyFirst < end) {
        const PageLayout::Rect& topLeft =
            layout.addressCells[static_cast<size_t>(emptyFirst - p.topLine) * addressCellsPerLine];
        const PageLayout::Rect& bottomRight =
            layout.charCells[static_cast<size_t>(end - 1 - p.topLine) * PageLayout::lineBytes + 15];
        dc.setFillBrush(backBrush);
        dc.fillRect(RECT{topLeft.left, topLeft.top, bottomRight.right, bottomRight.bottom});
    }
}

void AVornalixor::applyDamage(const LineDamage& damage)
{
    if (redrawHeld_)
        return;  // the whole page is painted when redrawing resumes
    followOffsetWidth();
    const int64_t scrolled = damage.scrolledLines;
    if (scrolled != 0 && std::abs(scrolled) < layout.pageLines) {
        const RECT page = ToRect(layout.pageRect);
        ScrollWindowEx(window, 0, -static_cast<int>(scrolled) * layout.cellHeight(), &page, &page, nullptr, nullptr, 0);
    }
    if (damage.hasLines()) {
        DisplayDC dc(window);
        paintLines(dc, damage);
    }
}

void AVornalixor::paint()
{
    CaretKidnapper kidnapper(*this);
    PAINTSTRUCT paintInfo{};
    DisplayDC dc(window, paintInfo);
    if (dc.erase()) {
        dc.setFillBrush(backBrush);
        dc.fillRect(dc.drawableRect());
    }
    followOffsetWidth();
    const PositionModel& p = model.positions();
    paintLines(dc, LineDamage{0, p.topLine, p.topLine + p.pageLines});
}
