// AVornalixor: construction, the view the model draws through, and the font and colour setters.
#include "core/win/AVornalixor.h"

#include <algorithm>

static_assert(ScrollBarFields::Range == SIF_RANGE && ScrollBarFields::Page == SIF_PAGE
              && ScrollBarFields::Position == SIF_POS);

namespace {

// Each of the red, green and blue bytes inverted; the fourth byte 0.
COLORREF Complement(COLORREF color) noexcept
{
    return (color ^ 0xFFFFFF) & 0xFFFFFF;
}

} // namespace

AVornalixor::AVornalixor(HWND window_)
    : window(window_), backBrush(RGB(255, 255, 255)), inverseBackBrush(RGB(0, 0, 0)), systemCaret(window_),
      model(*this)
{
    measureCell();
    buildGlyphStrips();
    RECT client{};
    GetClientRect(window, &client);
    layoutPage({client.left, client.top, client.right, client.bottom});
    systemCaret.setSize(layout.cellWidth(), layout.cellHeight());
    placeCaret();
}

AVornalixor::~AVornalixor() = default;

AVornalixor* AVornalixor::FromWindow(HWND window) noexcept
{
    return window ? reinterpret_cast<AVornalixor*>(GetWindowLongPtrA(window, 0)) : nullptr;
}

void AVornalixor::measureCell()
{
    DisplayDC dc(window);
    dc.selectFont(font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.hdc(), &metrics);
    layout.setCell(metrics.tmAveCharWidth, metrics.tmHeight + metrics.tmExternalLeading);
}

bool AVornalixor::setLogFont(const LOGFONTA& logFont, COLORREF color)
{
    CaretKidnapper kidnapper(*this);
    font.set(logFont);  // a font that cannot be made leaves the old one
    textColor = color;
    inverseTextColor = Complement(color);
    measureCell();
    layoutPage(layout.clientRect);
    buildGlyphStrips();
    model.fontChanged(layout.pageLines);
    systemCaret.setSize(layout.cellWidth(), layout.cellHeight());
    return true;
}

bool AVornalixor::setBkColor(COLORREF color)
{
    CaretKidnapper kidnapper(*this);
    backBrush.set(color);
    inverseBackBrush.set(Complement(color));
    buildGlyphStrips();
    invalidate(true);
    return true;
}

bool AVornalixor::setMarks(std::span<const MarkedRanges::Range> ranges, const COLORREF* colors)
{
    CaretKidnapper kidnapper(*this);
    marks.set(ranges);
    if (colors) {
        std::copy_n(colors, MarkedRanges::kindCount, markColors);
        buildGlyphStrips();
    }
    invalidate(false);
    return true;
}

void AVornalixor::beep()
{
    MessageBeep(0);
}

void AVornalixor::hideCaret()
{
    systemCaret.hide();
}

void AVornalixor::showCaret()
{
    systemCaret.show();
}

void AVornalixor::placeCaret()
{
    followOffsetWidth();
    const PositionModel& positions = model.positions();
    const int64_t index = positions.caret - positions.topNibble;
    if (index < 0 || static_cast<uint64_t>(index) >= layout.nibblePoints.size())
        return;
    const PageLayout::Point point = layout.nibblePoints[static_cast<size_t>(index)];
    systemCaret.setPosition(point.x, point.y);
}

void AVornalixor::invalidate(bool erase)
{
    followOffsetWidth();
    InvalidateRect(window, nullptr, erase);
}

void AVornalixor::setScrollBar(const ScrollBarFields& fields)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = fields.mask;  // the field bits are SIF_RANGE, SIF_PAGE and SIF_POS
    info.nMin = fields.min;
    info.nMax = fields.max;
    info.nPage = static_cast<UINT>(fields.page);
    info.nPos = fields.pos;
    // The values take effect at once; drawing the bar costs more than painting a whole page,
    // so it is drawn once the messages waiting now are handled, however many updates came.
    SetScrollInfo(window, SB_VERT, &info, FALSE);
    if (!scrollBarDrawPending_)
        scrollBarDrawPending_ = PostMessageA(window, kDrawScrollBar, 0, 0) != 0;
    if (!scrollBarDrawPending_)
        drawScrollBar();
}

void AVornalixor::drawScrollBar()
{
    scrollBarDrawPending_ = false;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    if (GetScrollInfo(window, SB_VERT, &info))
        SetScrollInfo(window, SB_VERT, &info, TRUE);
}

void AVornalixor::setRedraw(bool redraw)
{
    if (redraw == !redrawHeld_)
        return;
    redrawHeld_ = !redraw;
    if (redrawHeld_) {
        systemCaret.hide();
        return;
    }
    InvalidateRect(window, nullptr, TRUE);
    drawScrollBar();
    systemCaret.show();
}
