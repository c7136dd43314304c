// Owners of GDI handles: objects, fonts, brushes and device contexts.
#pragma once
#include <windows.h>

#include <utility>

// Owns one GDI object and deletes it.
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(HGDIOBJ handle) noexcept : handle_(handle) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    virtual ~GdiObject() { reset(); }

    [[nodiscard]] HGDIOBJ handle() const noexcept { return handle_; }
    void reset(HGDIOBJ handle = nullptr) noexcept
    {
        if (handle_)
            DeleteObject(handle_);
        handle_ = handle;
    }

private:
    HGDIOBJ handle_ = nullptr;
};

// The control's default font: "ＭＳ ゴシック", height -15, fixed pitch.
[[nodiscard]] LOGFONTA DefaultLogFont() noexcept;

// A font made from a LOGFONT. A default Font is the control's default font.
class Font : public GdiObject {
public:
    Font();                                  // throws ASystemError
    explicit Font(const LOGFONTA& logFont);  // throws ASystemError
    // A new font from the LOGFONT; when it cannot be made the old one stays and false is returned.
    bool set(const LOGFONTA& logFont) noexcept;
    [[nodiscard]] HFONT font() const noexcept { return static_cast<HFONT>(handle()); }
    // The LOGFONT of the font, zero-filled when it has no handle.
    [[nodiscard]] LOGFONTA logFont() const noexcept;
};

// A solid brush. A default Brush is white; a copy creates a new brush from the source's LOGBRUSH.
class Brush : public GdiObject {
public:
    Brush();                           // throws ASystemError
    explicit Brush(COLORREF color);    // throws ASystemError
    Brush(const Brush& other);
    Brush& operator=(const Brush& other);
    Brush(Brush&&) noexcept = default;
    Brush& operator=(Brush&&) noexcept = default;
    // A new solid brush of the colour; when it cannot be made the old one stays and false is returned.
    bool set(COLORREF color) noexcept;
    [[nodiscard]] HBRUSH brush() const noexcept { return static_cast<HBRUSH>(handle()); }
    // The LOGBRUSH of the brush, zero-filled when it has no handle.
    [[nodiscard]] LOGBRUSH logBrush() const noexcept;
    [[nodiscard]] COLORREF color() const noexcept { return logBrush().lbColor; }
};

// A device context: selects back the font it started with when it ends, and fills rectangles
// with a brush of its own.
class DeviceContext {
public:
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;
    virtual ~DeviceContext();
    // The rectangle that drawing may touch.
    [[nodiscard]] virtual RECT drawableRect() const noexcept = 0;

    [[nodiscard]] HDC hdc() const noexcept { return hdc_; }
    void selectFont(const Font& font) noexcept;
    void setTextColor(COLORREF color) noexcept { SetTextColor(hdc_, color); }
    void setBackgroundMode(int mode) noexcept { SetBkMode(hdc_, mode); }
    void setFillBrush(const Brush& brush) { fillBrush_ = brush; }
    void fillRect(const RECT& rect) noexcept { FillRect(hdc_, &rect, fillBrush_.brush()); }
    void textOut(int x, int y, const char* text, int length) noexcept { TextOutA(hdc_, x, y, text, length); }
    // Single-byte characters, each at the left edge of its own cell of `advance` pixels.
    void textOutCells(int x, int y, const char* text, int length, int advance);
    // One block copy of width x height pixels from (sourceX, sourceY) of another context.
    void copyFrom(const DeviceContext& source, int x, int y, int width, int height, int sourceX,
                  int sourceY) noexcept
    {
        BitBlt(hdc_, x, y, width, height, source.hdc_, sourceX, sourceY, SRCCOPY);
    }

protected:
    DeviceContext() = default;
    // Puts the first-replaced font back; the derived destructor calls it before letting go of hdc_.
    void restoreFont() noexcept;
    HDC hdc_ = nullptr;

private:
    HGDIOBJ originalFont_ = nullptr;
    Brush fillBrush_;
};

// The window's device context: BeginPaint/EndPaint for the paint message, GetDC/ReleaseDC
// otherwise. Throws ASystemError when the system gives none.
class DisplayDC : public DeviceContext {
public:
    explicit DisplayDC(HWND window);
    DisplayDC(HWND window, PAINTSTRUCT& paint);
    ~DisplayDC() override;
    // The paint rectangle when painting, otherwise the client rectangle.
    [[nodiscard]] RECT drawableRect() const noexcept override;
    // Painting only: the system asks for the background to be erased.
    [[nodiscard]] bool erase() const noexcept { return paint_ && paint_->fErase; }

private:
    HWND window_;
    PAINTSTRUCT* paint_ = nullptr;
};

// A memory device context with a bitmap, both compatible with a given context.
class MemoryDC : public DeviceContext {
public:
    MemoryDC(const DeviceContext& compatible, int width, int height);  // throws ASystemError
    ~MemoryDC() override;
    [[nodiscard]] RECT drawableRect() const noexcept override { return RECT{0, 0, width_, height_}; }
    [[nodiscard]] int width() const noexcept { return width_; }
    [[nodiscard]] int height() const noexcept { return height_; }

private:
    GdiObject bitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
    int width_;
    int height_;
};
