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
        SetCaretPos(x_, y_);
        ShowCaret(window_);
    }
}

void Caret::create() noexcept
{
    if (absentDepth_ > 0 && --absentDepth_ == 0)
        CreateCaret(window_, nullptr, width_, height_);
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
