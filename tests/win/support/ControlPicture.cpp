// Reading a control's pixels back and comparing its cells with text drawn by the same font.
#include "tests/win/support/ControlPicture.h"

#include "tests/win/support/ControlHost.h"

#include <cstdio>

namespace {

// Copies a rectangle of a device context into 0x00RRGGBB pixels, top-down.
std::vector<DWORD> ReadPixels(HDC source, int x, int y, int width, int height)
{
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(source);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    const DWORD* from = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = from[i] & 0xFFFFFF;
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return pixels;
}

COLORREF FromPixel(DWORD pixel) noexcept
{
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

} // namespace

ControlPicture::ControlPicture(HWND window)
{
    UpdateWindow(window);
    RECT client{};
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    HDC dc = GetDC(window);
    pixels_ = ReadPixels(dc, 0, 0, width_, height_);
    ReleaseDC(window, dc);
}

COLORREF ControlPicture::pixel(int x, int y) const noexcept
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return CLR_INVALID;
    return FromPixel(pixels_[static_cast<size_t>(y) * width_ + x]);
}

bool ControlPicture::uniform(const RECT& rect, COLORREF color) const noexcept
{
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (pixel(x, y) != color)
                return false;
    return true;
}

bool ControlPicture::saveBitmap(const std::string& path) const
{
    const int stride = (width_ * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width_;
    header.biHeight = height_;  // bottom-up rows
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(stride * height_);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::vector<unsigned char> row(static_cast<size_t>(stride));
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            const DWORD p = pixels_[static_cast<size_t>(y) * width_ + x];
            row[3 * x] = p & 0xFF;
            row[3 * x + 1] = (p >> 8) & 0xFF;
            row[3 * x + 2] = (p >> 16) & 0xFF;
        }
        std::fwrite(row.data(), row.size(), 1, out);
    }
    return std::fclose(out) == 0;
}

CellGrid::CellGrid(HWND control)
{
    LOGFONTA logFont{};
    COLORREF text = 0;
    Editor.QX_GetLogFont(control, &logFont, &text);
    font_ = CreateFontIndirectA(&logFont);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, font_);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    cellWidth_ = metrics.tmAveCharWidth > 0 ? metrics.tmAveCharWidth : 1;
    cellHeight_ = metrics.tmHeight + metrics.tmExternalLeading > 0 ? metrics.tmHeight + metrics.tmExternalLeading : 1;
}

CellGrid::~CellGrid()
{
    DeleteObject(font_);
}

RECT CellGrid::cells(int column, int row, int count) const noexcept
{
    const int left = margin + column * cellWidth_;
    const int top = margin + row * cellHeight_;
    return RECT{left, top, left + count * cellWidth_, top + cellHeight_};
}

bool CellGrid::shows(const ControlPicture& picture, int column, int row, const std::string& text,
                     COLORREF textColor, COLORREF backColor) const
{
    const int count = static_cast<int>(text.size());
    const int width = count * cellWidth_;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, cellHeight_);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HGDIOBJ oldFont = SelectObject(memory, font_);
    HBRUSH back = CreateSolidBrush(backColor);
    const RECT all{0, 0, width, cellHeight_};
    FillRect(memory, &all, back);
    DeleteObject(back);
    SetTextColor(memory, textColor);
    SetBkMode(memory, TRANSPARENT);
    for (int i = 0; i < count; ++i)
        TextOutA(memory, i * cellWidth_, 0, &text[static_cast<size_t>(i)], 1);
    const std::vector<DWORD> expected = ReadPixels(memory, 0, 0, width, cellHeight_);
    SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    const RECT place = cells(column, row, count);
    for (int y = 0; y < cellHeight_; ++y)
        for (int x = 0; x < width; ++x)
            if (picture.pixel(place.left + x, place.top + y) != FromPixel(expected[static_cast<size_t>(y) * width + x]))
                return false;
    return true;
}

SCROLLINFO ScrollBarOf(HWND window)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window, SB_VERT, &info);
    return info;
}

CaretState ThreadCaret()
{
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetCurrentThreadId(), &gui);
    return CaretState{gui.hwndCaret, gui.rcCaret};
}
