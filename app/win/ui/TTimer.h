// TTimer: calls its handler every interval while enabled; an interval of 0 never ticks.
#pragma once
#include <windows.h>

#include <functional>

class TTimer {
public:
    TTimer();
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    void SetInterval(unsigned milliseconds);
    [[nodiscard]] unsigned Interval() const noexcept { return interval_; }
    void SetEnabled(bool enabled);
    [[nodiscard]] bool Enabled() const noexcept { return enabled_; }
    // Whether the system timer is running (enabled with an interval above 0).
    [[nodiscard]] bool Ticking() const noexcept { return ticking_; }

    std::function<void()> OnTimer;

private:
    void Restart();
    static LRESULT CALLBACK TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    unsigned interval_ = 1000;
    bool enabled_ = true;
    bool ticking_ = false;
};
