// WindowPinger: how long a window's thread keeps the user waiting, measured from outside.
#pragma once
#include "bench/win/BenchClock.h"
#include "tests/win/support/Wait.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

// Pings the window with WM_NULL every few milliseconds from a thread of its own; a ping blocks
// for as long as the window's thread does not answer, so the longest reply is the longest stall.
class WindowPinger {
public:
    static constexpr DWORD kDeadlineMs = 600000;

    explicit WindowPinger(HWND window) : window_(window)
    {
        thread_ = std::thread([this] {
            while (!stop_) {
                const double sent = Now();
                DWORD_PTR result = 0;
                if (!SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_NORMAL, kDeadlineMs, &result))
                    break;
                const double replied = Now();
                {
                    const std::scoped_lock lock(mutex_);
                    pings_.push_back({sent, replied});
                }
                Sleep(3);
            }
        });
    }
    ~WindowPinger()
    {
        stop_ = true;
        thread_.join();
    }
    WindowPinger(const WindowPinger&) = delete;
    WindowPinger& operator=(const WindowPinger&) = delete;

    // The longest reply of the pings answered within the span, in seconds.
    double LongestStall(double from, double to)
    {
        const std::scoped_lock lock(mutex_);
        double longest = 0;
        for (const auto& [sent, replied] : pings_)
            if (replied > from && sent < to)
                longest = std::max(longest, replied - sent);
        return longest;
    }
    // Waits until every ping of the last `quietS` seconds answered within 50 ms.
    bool WaitQuiet(double quietS)
    {
        double since = Now();
        return WaitFor([&] {
            const double now = Now();
            if (LongestStall(since, now) > 0.05)
                since = now;
            return now - since >= quietS;
        }, kDeadlineMs);
    }

private:
    HWND window_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::pair<double, double>> pings_;
    std::thread thread_;
};
