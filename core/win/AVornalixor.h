// AVornalixor: the instance record of one control window: the drawing state (font, colours,
// layout, glyph strips, caret) around the editing model, and the view the model draws through.
#pragma once
#include <windows.h>

#include <memory>
#include <span>

#include "common/_CVec.h"
#include "core/ControlModel.h"
#include "core/MarkedRanges.h"
#include "core/PageLayout.h"
#include "core/win/Caret.h"
#include "core/win/Gdi.h"

class AVornalixor : public ControlView {
public:
    explicit AVornalixor(HWND window);
    ~AVornalixor() override;
    AVornalixor(const AVornalixor&) = delete;
    AVornalixor& operator=(const AVornalixor&) = delete;

    // The instance in slot 0 of a window, null when it has none.
    [[nodiscard]] static AVornalixor* FromWindow(HWND window) noexcept;

    // Handles a message other than creation and destruction; false leaves it to the
    // default window procedure.
    bool dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    // The font and colour exports.
    bool setLogFont(const LOGFONTA& logFont, COLORREF color);
    bool setBkColor(COLORREF color);
    // Replaces the marked runs; `colors` (MarkedRanges::kindCount of them) when not null.
    bool setMarks(std::span<const MarkedRanges::Range> ranges, const COLORREF* colors);

    // ControlView
    void beep() override;
    void hideCaret() override;
    void showCaret() override;
    void placeCaret() override;
    void applyDamage(const LineDamage& damage) override;
    void invalidate(bool erase) override;
    void setScrollBar(const ScrollBarFields& fields) override;

    HWND window;
    bool hasFocus = false;
    Font font;
    COLORREF textColor = 0x000000;
    COLORREF inverseTextColor = 0xFFFFFF;  // the complement of textColor
    Brush backBrush;
    Brush inverseBackBrush;                 // the complement of backBrush's colour
    COLORREF markColors[MarkedRanges::kindCount] = {RGB(255, 240, 150), RGB(170, 215, 255)};
    MarkedRanges marks;                     // drawn in markColors below the selection
    PageLayout layout;                      // cell, client, text and page rectangles, cells, nibble points
    Caret systemCaret;
    ControlModel model;                     // bytes, positions, history, flags
    bool shiftDown = false;                 // tracked from this window's own key messages
    bool ctrlDown = false;
    // Glyph strips, index 0 in the normal colours, 1 in the inverse ones, 2 and up on the mark
    // colours: hex strips hold 258 two-cell glyphs (the byte values, a blank one and the
    // unreadable one), character strips 258 one-cell glyphs.
    static constexpr int stripCount = 2 + MarkedRanges::kindCount;
    std::unique_ptr<MemoryDC> hexGlyphs[stripCount];
    std::unique_ptr<MemoryDC> charGlyphs[stripCount];

    static constexpr int blankCell = 256;
    static constexpr int unreadableCell = 257;  // a byte whose source cannot be read
    // Posted to itself: draw the scroll bar with the values the last updates left.
    static constexpr UINT kDrawScrollBar = WM_USER + 0x100;

private:
    void measureCell();
    // Lays the cells out again when the data's size asks for another offset width.
    void followOffsetWidth();
    void layoutPage(const PageLayout::Rect& client);
    void buildGlyphStrips();
    void paintLines(DeviceContext& dc, const LineDamage& damage);
    void paint();
    void resize(int width, int height);
    void keyDown(unsigned key);
    void mouse(WPARAM keys, LPARAM position);
    void wheel(int wheelDelta);
    void vscroll(int code);
    void dropFiles(WPARAM drop);
    void drawScrollBar();
    void setRedraw(bool redraw);

    _CVec<uint8_t> lineBytes_;  // the bytes of the lines being painted
    bool scrollBarDrawPending_ = false;  // a kDrawScrollBar message is on its way
    // WM_SETREDRAW off: edits change the model only; the caret stays hidden and the page is
    // painted whole when redrawing is switched on again.
    bool redrawHeld_ = false;
};
