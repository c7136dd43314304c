// Caret: the system caret of a window behind two nesting counts.
#include "core/win/Caret.h"

Caret::~Caret()
{
    if (absentDepth_ == 0)
        DestroyCaret();
}

void Caret::hide() noexcept
{
    if (absentDepth_ == 0 && hiddenDepth_ == 0)
        HideCaret(window_);
    ++hiddenDepth_;
}

void Caret::show() noexcept
{
    if (hiddenDepth_ > 0)
        --hiddenDepth_;
    if (absentDepth_ == 0 && hiddenDepth_ == 0) {
        if (x_ != placedX_ || y_ != placedY_) {  // moving the system caret costs a redraw
            SetCaretPos(x_, y_);
            placedX_ = x_;
            placedY_ = y_;
        }
        ShowCaret(window_);
    }
}

void Caret::create() noexcept
{
    if (absentDepth_ > 0 && --absentDepth_ == 0) {
        CreateCaret(window_, nullptr, width_, height_);
        placedX_ = placedY_ = -1;  // a new system caret starts at no known point
    }
    show();
}

void Caret::destroy() noexcept
{
    hide();
    if (absentDepth_ == 0)
        DestroyCaret();
    ++absentDepth_;
}

void Caret::setSize(int width, int height) noexcept
{
    destroy();
    width_ = width;
    height_ = height;
    create();
}

void Caret::setPosition(int x, int y) noexcept
{
    hide();
    x_ = x;
    y_ = y;
    show();
}
