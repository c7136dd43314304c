// TToolTips: a form's hint window, showing the hints of its controls while the show-hint flag is on.
#pragma once
#include <windows.h>

class TControl;

class TToolTips {
public:
    TToolTips() = default;
    ~TToolTips();
    TToolTips(const TToolTips&) = delete;
    TToolTips& operator=(const TToolTips&) = delete;

    // Makes the hint window for the form's window.
    void Create(HWND form);
    void Destroy() noexcept;
    [[nodiscard]] HWND Handle() const noexcept { return window_; }

    // Shows the control's hint over its window (replacing an earlier one; none for an empty hint).
    void Add(const TControl& control);
    void Remove(const TControl& control);
    void Activate(bool active);
    [[nodiscard]] bool Active() const noexcept { return active_; }

private:
    HWND window_ = nullptr;
    HWND form_ = nullptr;
    bool active_ = true;
};
