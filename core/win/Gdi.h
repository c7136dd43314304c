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

// A font made from a LOGFONT; keeps the LOGFONT it was made from.
class Font : public GdiObject {
public:
    Font() = default;
    // Throws ASystemError when the font cannot be created.
    explicit Font(const LOGFONTA& logFont);
    [[nodiscard]] HFONT font() const noexcept { return static_cast<HFONT>(handle()); }
    // The LOGFONT of the font, zero-filled when it has no handle.
    [[nodiscard]] LOGFONTA logFont() const noexcept;
};

// A solid brush; a copy creates a new brush of the same colour.
class Brush : public GdiObject {
public:
    Brush() = default;
    explicit Brush(COLORREF color);
    Brush(const Brush& other) : Brush(other.color_) {}
    Brush& operator=(const Brush& other)
    {
        if (this != &other)
            *this = Brush(other.color_);
        return *this;
    }
    Brush(Brush&&) noexcept = default;
    Brush& operator=(Brush&&) noexcept = default;
    [[nodiscard]] HBRUSH brush() const noexcept { return static_cast<HBRUSH>(handle()); }
    [[nodiscard]] COLORREF color() const noexcept { return color_; }

private:
    COLORREF color_ = 0;
};

// A device context that puts back what was selected into it when it ends.
class DeviceContext {
public:
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;
    virtual ~DeviceContext() = default;

    [[nodiscard]] HDC hdc() const noexcept { return hdc_; }
    void select(HGDIOBJ object) noexcept;

protected:
    DeviceContext() = default;
    void restoreSelections() noexcept;
    HDC hdc_ = nullptr;

private:
    HGDIOBJ originalFont_ = nullptr;
    HGDIOBJ originalBitmap_ = nullptr;
    HGDIOBJ originalBrush_ = nullptr;
};

// The window's display DC: BeginPaint/EndPaint when painting, GetDC/ReleaseDC otherwise.
class DisplayDC : public DeviceContext {
public:
    explicit DisplayDC(HWND window);           // GetDC
    DisplayDC(HWND window, PAINTSTRUCT& paint);  // BeginPaint
    ~DisplayDC() override;

private:
    HWND window_;
    PAINTSTRUCT* paint_ = nullptr;
};

// A memory DC holding a bitmap compatible with a reference DC.
class MemoryDC : public DeviceContext {
public:
    MemoryDC(HDC reference, int width, int height);  // throws ASystemError
    ~MemoryDC() override;
    [[nodiscard]] int width() const noexcept { return width_; }
    [[nodiscard]] int height() const noexcept { return height_; }

private:
    GdiObject bitmap_;
    int width_;
    int height_;
};
