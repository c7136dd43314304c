// Owners of GDI handles: objects, fonts, brushes and device contexts.
#include "core/win/Gdi.h"

#include "common/AError.h"

Font::Font(const LOGFONTA& logFont) : GdiObject(CreateFontIndirectA(&logFont))
{
    if (!handle())
        throw ASystemError("CreateFontIndirect failed");
}

LOGFONTA Font::logFont() const noexcept
{
    LOGFONTA result{};
    if (handle())
        GetObjectA(handle(), sizeof result, &result);
    return result;
}

Brush::Brush(COLORREF color) : GdiObject(CreateSolidBrush(color)), color_(color)
{
    if (!handle())
        throw ASystemError("CreateSolidBrush failed");
}

void DeviceContext::select(HGDIOBJ object) noexcept
{
    HGDIOBJ previous = SelectObject(hdc_, object);
    switch (GetObjectType(object)) {
    case OBJ_FONT: if (!originalFont_) originalFont_ = previous; break;
    case OBJ_BITMAP: if (!originalBitmap_) originalBitmap_ = previous; break;
    case OBJ_BRUSH: if (!originalBrush_) originalBrush_ = previous; break;
    default: break;
    }
}

void DeviceContext::restoreSelections() noexcept
{
    if (!hdc_)
        return;
    if (originalFont_) SelectObject(hdc_, originalFont_);
    if (originalBitmap_) SelectObject(hdc_, originalBitmap_);
    if (originalBrush_) SelectObject(hdc_, originalBrush_);
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
    restoreSelections();
    if (paint_)
        EndPaint(window_, paint_);
    else
        ReleaseDC(window_, hdc_);
}

MemoryDC::MemoryDC(HDC reference, int width, int height) : width_(width), height_(height)
{
    hdc_ = CreateCompatibleDC(reference);
    if (!hdc_)
        throw ASystemError("CreateCompatibleDC failed");
    bitmap_.reset(CreateCompatibleBitmap(reference, width > 0 ? width : 1, height > 0 ? height : 1));
    if (!bitmap_.handle()) {
        DeleteDC(hdc_);
        throw ASystemError("CreateCompatibleBitmap failed");
    }
    select(bitmap_.handle());
}

MemoryDC::~MemoryDC()
{
    restoreSelections();
    DeleteDC(hdc_);
}
