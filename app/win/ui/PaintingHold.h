// PaintingHold: a scope in which windows and status bars hold back their painting, shown whole once it ends.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <vector>

class TStatusBar;

// Windows get WM_SETREDRAW off on entry; on exit on again, and each is invalidated (frame
// and children included) and painted at once. Status bars keep their texts without showing
// them until the exit shows them all. So the screen ends as if every step had been painted.
// Null entries are left out.
class PaintingHold {
public:
    explicit PaintingHold(std::initializer_list<HWND> windows, std::initializer_list<TStatusBar*> statusBars = {});
    ~PaintingHold();
    PaintingHold(const PaintingHold&) = delete;
    PaintingHold& operator=(const PaintingHold&) = delete;

private:
    std::vector<HWND> windows_;
    std::vector<TStatusBar*> statusBars_;
};
