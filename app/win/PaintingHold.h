// PaintingHold: a scope in which windows hold back their painting, redrawn whole once it ends.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <vector>

// WM_SETREDRAW off for each window on entry; on exit on again, and each window invalidated
// (frame and children included) and painted at once, so the screen shows the final state as
// if every step had been painted. A null window is left out.
class PaintingHold {
public:
    explicit PaintingHold(std::initializer_list<HWND> windows);
    ~PaintingHold();
    PaintingHold(const PaintingHold&) = delete;
    PaintingHold& operator=(const PaintingHold&) = delete;

private:
    std::vector<HWND> windows_;
};
