// Caret: the thread's system caret for one window, with nesting counts for "absent" (no focus)
// and "hidden" (drawing in progress), so that scopes may hide it in any order.
#pragma once
#include <windows.h>

class Caret {
public:
    explicit Caret(HWND window) noexcept : window_(window) {}
    ~Caret();
    Caret(const Caret&) = delete;
    Caret& operator=(const Caret&) = delete;

    void hide() noexcept;
    void show() noexcept;
    void create() noexcept;   // on focus gain: the system caret exists once absentDepth is 0
    void destroy() noexcept;  // on focus loss
    void setSize(int width, int height) noexcept;
    void setPosition(int x, int y) noexcept;

    [[nodiscard]] int width() const noexcept { return width_; }
    [[nodiscard]] int height() const noexcept { return height_; }
    [[nodiscard]] POINT position() const noexcept { return POINT{x_, y_}; }
    // Whether the system caret is on screen: it exists and nothing hides it.
    [[nodiscard]] bool visible() const noexcept { return absentDepth_ == 0 && hiddenDepth_ == 0; }

private:
    HWND window_;
    int width_ = 1;
    int height_ = 1;
    int absentDepth_ = 1;  // invariant: >= 0; the system caret exists only at 0
    int x_ = 0;
    int y_ = 0;
    int hiddenDepth_ = 1;  // invariant: >= 0; counts the absence too, so a new caret starts hidden
    int placedX_ = -1;     // the point last given to the system caret
    int placedY_ = -1;
};
