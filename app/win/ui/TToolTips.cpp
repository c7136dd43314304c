// TToolTips: a form's hint window, showing the hints of its controls while the show-hint flag is on.
#include "app/win/ui/TToolTips.h"

#include "app/win/ui/TControl.h"

#include <commctrl.h>

namespace {

TOOLINFOA ToolOf(HWND form, HWND control)
{
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}

} // namespace

TToolTips::~TToolTips() { Destroy(); }

void TToolTips::Create(HWND form)
{
    if (window_)
        return;
    form_ = form;
    window_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (window_) {
        // A width limit lets hints with line breaks show on several lines.
        SendMessageA(window_, TTM_SETMAXTIPWIDTH, 0, 600);
        SendMessageA(window_, TTM_ACTIVATE, active_, 0);
    }
}

void TToolTips::Destroy() noexcept
{
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
    window_ = nullptr;
}

void TToolTips::Add(const TControl& control)
{
    if (!window_ || !control.Handle())
        return;
    Remove(control);
    if (control.Hint().empty())
        return;
    TOOLINFOA tool = ToolOf(form_, control.Handle());
    tool.lpszText = const_cast<char*>(control.Hint().c_str());
    SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TToolTips::Remove(const TControl& control)
{
    if (!window_ || !control.Handle())
        return;
    TOOLINFOA tool = ToolOf(form_, control.Handle());
    SendMessageA(window_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TToolTips::Activate(bool active)
{
    active_ = active;
    if (window_)
        SendMessageA(window_, TTM_ACTIVATE, active, 0);
}
