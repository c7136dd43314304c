// Reading a control's pixels back and comparing its cells with text drawn by the same font.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// The client area of a window, copied after it has painted.
class ControlPicture {
public:
    explicit ControlPicture(HWND window);
    [[nodiscard]] int width() const noexcept { return width_; }
    [[nodiscard]] int height() const noexcept { return height_; }
    // RGB of a pixel (COLORREF order), CLR_INVALID outside the picture.
    [[nodiscard]] COLORREF pixel(int x, int y) const noexcept;
    // Whether every pixel of the rectangle has the colour.
    [[nodiscard]] bool uniform(const RECT& rect, COLORREF color) const noexcept;
    // Writes the picture as a 24-bit BMP file.
    bool saveBitmap(const std::string& path) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_;  // top-down, 0x00RRGGBB
};

// The control's page in cells, measured with the control's own font.
class CellGrid {
public:
    explicit CellGrid(HWND control);
    ~CellGrid();
    CellGrid(const CellGrid&) = delete;
    CellGrid& operator=(const CellGrid&) = delete;

    [[nodiscard]] int cellWidth() const noexcept { return cellWidth_; }
    [[nodiscard]] int cellHeight() const noexcept { return cellHeight_; }
    [[nodiscard]] HFONT font() const noexcept { return font_; }
    // Pixel rectangle of `cells` cells from column `column` of page row `row`.
    [[nodiscard]] RECT cells(int column, int row, int count = 1) const noexcept;
    // Whether the cells from (column, row) show `text`, one character per cell at the cell's
    // left edge, in the colours given: compared pixel by pixel with the same text drawn by the
    // same font into a memory bitmap.
    [[nodiscard]] bool shows(const ControlPicture& picture, int column, int row, const std::string& text,
                             COLORREF textColor, COLORREF backColor) const;

    static constexpr int margin = 4;

private:
    HFONT font_ = nullptr;
    int cellWidth_ = 1;
    int cellHeight_ = 1;
};

// The column of byte j (0..15) of a line: its high digit, and its character.
[[nodiscard]] constexpr int HexColumn(int j) noexcept { return 10 + 3 * j + j / 4; }
[[nodiscard]] constexpr int CharColumn(int j) noexcept { return 62 + j; }

// The window's vertical scroll bar: range, page, position and track position.
[[nodiscard]] SCROLLINFO ScrollBarOf(HWND window);
// The thread's caret: its window (null when there is none) and rectangle.
struct CaretState {
    HWND window = nullptr;
    RECT rect{};
};
[[nodiscard]] CaretState ThreadCaret();
