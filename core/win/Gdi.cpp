// Owners of GDI handles: objects, fonts, brushes and device contexts.
#include "core/win/Gdi.h"

#include "common/AError.h"
#include "core/FontText.h"

#include <cstdint>
#include <vector>

LOGFONTA DefaultLogFont() noexcept
{
    static_assert(sizeof(LOGFONTA) == kLogFontSize);
    LOGFONTA logFont{};
    DecodeHexPrefix(kDefaultLogFontText, reinterpret_cast<uint8_t*>(&logFont), sizeof logFont);
    return logFont;
}

Font::Font() : Font(DefaultLogFont()) {}

Font::Font(const LOGFONTA& logFont) : GdiObject(CreateFontIndirectA(&logFont))
{
    if (!handle())
        throw ASystemError("CreateFontIndirect failed");
}

bool Font::set(const LOGFONTA& logFont) noexcept
{
    HFONT created = CreateFontIndirectA(&logFont);
    if (!created)
        return false;
    reset(created);
    return true;
}

LOGFONTA Font::logFont() const noexcept
{
    LOGFONTA result{};
    if (handle())
        GetObjectA(handle(), sizeof result, &result);
    return result;
}

Brush::Brush() : Brush(RGB(255, 255, 255)) {}

Brush::Brush(COLORREF color) : GdiObject(CreateSolidBrush(color))
{
    if (!handle())
        throw ASystemError("CreateSolidBrush failed");
}

Brush::Brush(const Brush& other) : GdiObject()
{
    const LOGBRUSH source = other.logBrush();
    reset(CreateBrushIndirect(&source));
    if (!handle())
        throw ASystemError("CreateBrushIndirect failed");
}

Brush& Brush::operator=(const Brush& other)
{
    if (this != &other)
        *this = Brush(other);
    return *this;
}

bool Brush::set(COLORREF color) noexcept
{
    HBRUSH created = CreateSolidBrush(color);
    if (!created)
        return false;
    reset(created);
    return true;
}

LOGBRUSH Brush::logBrush() const noexcept
{
    LOGBRUSH result{};
    if (handle())
        GetObjectA(handle(), sizeof result, &result);
    return result;
}

DeviceContext::~DeviceContext() = default;

void DeviceContext::selectFont(const Font& font) noexcept
{
    HGDIOBJ previous = SelectObject(hdc_, font.handle());
    if (!originalFont_)
        originalFont_ = previous;
}

void DeviceContext::textOutCells(int x, int y, const char* text, int length, int advance)
{
    std::vector<INT> advances(static_cast<size_t>(length), advance);
    ExtTextOutA(hdc_, x, y, 0, nullptr, text, static_cast<UINT>(length), advances.data());
}

void DeviceContext::restoreFont() noexcept
{
    if (hdc_ && originalFont_)
        SelectObject(hdc_, originalFont_);
    originalFont_ = nullptr;
}

DisplayDC::DisplayDC(HWND window) : window_(window)
{
    hdc_ = GetDC(window);
    if (!hdc_)
        throw ASystemError("GetDC failed");
}

DisplayDC::DisplayDC(HWND window, PAINTSTRUCT& paint) : window_(window), paint_(&paint)
{
    hdc_ = BeginPaint(window, &paint);
    if (!hdc_)
        throw ASystemError("BeginPaint failed");
}

DisplayDC::~DisplayDC()
{
    restoreFont();
    if (paint_)
        EndPaint(window_, paint_);
    else
        ReleaseDC(window_, hdc_);
}

RECT DisplayDC::drawableRect() const noexcept
{
    if (paint_)
        return paint_->rcPaint;
    RECT client{};
    GetClientRect(window_, &client);
    return client;
}

MemoryDC::MemoryDC(const DeviceContext& compatible, int width, int height) : width_(width), height_(height)
{
    hdc_ = CreateCompatibleDC(compatible.hdc());
    if (!hdc_)
        throw ASystemError("CreateCompatibleDC failed");
    bitmap_.reset(CreateCompatibleBitmap(compatible.hdc(), width > 0 ? width : 1, height > 0 ? height : 1));
    if (!bitmap_.handle()) {
        DeleteDC(hdc_);
        throw ASystemError("CreateCompatibleBitmap failed");
    }
    originalBitmap_ = SelectObject(hdc_, bitmap_.handle());
}

MemoryDC::~MemoryDC()
{
    restoreFont();
    SelectObject(hdc_, originalBitmap_);  // the bitmap can be deleted only once it is not selected
    DeleteDC(hdc_);
}
