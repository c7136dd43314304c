// AVornalixor: the instance record of one control window.
#include "core/win/AVornalixor.h"

#include "core/FontText.h"

namespace {

void NoChange() {}

LOGFONTA DefaultLogFont() noexcept
{
    LOGFONTA logFont{};
    static_assert(sizeof(LOGFONTA) == kLogFontSize);
    DecodeHexPrefix(kDefaultLogFontText, reinterpret_cast<uint8_t*>(&logFont), sizeof logFont);
    return logFont;
}

} // namespace

AVornalixor::AVornalixor(HWND window_)
    : window(window_), font(DefaultLogFont()), backBrush(0xFFFFFF), inverseBackBrush(0x000000),
      notifyChanged(NoChange)
{
    measureCell();
    setModified(false, true);
}

AVornalixor::~AVornalixor() = default;

AVornalixor* AVornalixor::FromWindow(HWND window) noexcept
{
    return window ? reinterpret_cast<AVornalixor*>(GetWindowLongPtrA(window, 0)) : nullptr;
}

void AVornalixor::measureCell()
{
    DisplayDC dc(window);
    dc.select(font.handle());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.hdc(), &metrics);
    // A font reporting a zero width or height still gets cells of one pixel.
    cell = RECT{0, 0, metrics.tmAveCharWidth > 0 ? metrics.tmAveCharWidth : 1,
                metrics.tmHeight > 0 ? metrics.tmHeight : 1};
}

void AVornalixor::setModified(bool value, bool notify)
{
    modified = value;
    if (notify)
        notifyChanged();
}

bool AVornalixor::dispatch(UINT, WPARAM, LPARAM)
{
    return false;
}
