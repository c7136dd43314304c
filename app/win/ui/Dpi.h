// Dpi: the dots per inch a window is shown with, and design pixels scaled to them.
#pragma once
#include <windows.h>

// Lengths in the program are given for 96 DPI.
inline constexpr int DesignDpi = 96;

// The window's DPI (its monitor's, for a per-monitor aware program); the screen's where the
// system cannot tell per window.
[[nodiscard]] int WindowDpi(HWND window) noexcept;
