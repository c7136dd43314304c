// TTimer: calls its handler every interval while enabled; an interval of 0 never ticks.
#include "app/win/ui/TTimer.h"

#include "app/win/ui/TApplication.h"

namespace {
constexpr char kTimerClass[] = "TTimer";
constexpr UINT_PTR kTimerId = 1;
} // namespace

TTimer::TTimer()
{
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = TimerProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kTimerClass;
        return RegisterClassA(&windowClass) != 0;
    }();
    if (registered)
        window_ = CreateWindowExA(0, kTimerClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), this);
    if (window_)
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Restart();
}

TTimer::~TTimer()
{
    if (window_) {
        KillTimer(window_, kTimerId);
        DestroyWindow(window_);
    }
}

void TTimer::SetInterval(unsigned milliseconds)
{
    interval_ = milliseconds;
    Restart();
}

void TTimer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Restart();
}

void TTimer::Restart()
{
    if (!window_)
        return;
    KillTimer(window_, kTimerId);
    ticking_ = enabled_ && interval_ > 0 && SetTimer(window_, kTimerId, interval_, nullptr) != 0;
}

LRESULT CALLBACK TTimer::TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == kTimerId) {
        auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (timer && timer->OnTimer) {
            try {
                timer->OnTimer();
            } catch (...) {
                Application.HandleException(nullptr);
            }
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
