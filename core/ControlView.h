// ControlView: what the editing model asks of the window that shows it (the control or a test fake).
#pragma once
#include "core/LineDamage.h"
#include "core/ScrollBarFields.h"

class ControlView {
public:
    virtual void beep() = 0;                               // the default system beep
    virtual void hideCaret() = 0;                          // nested: one showCaret per hideCaret
    virtual void showCaret() = 0;
    virtual void placeCaret() = 0;                         // caret to the point of the model's caret nibble
    virtual void applyDamage(const LineDamage& damage) = 0;  // scroll the page's pixels, draw the lines
    virtual void invalidate(bool erase) = 0;               // the whole client area
    virtual void setScrollBar(const ScrollBarFields& fields) = 0;  // one update with redraw
    virtual ~ControlView();
};

// Hides the caret for the life of the scope; shows it again on every exit, exceptions included.
class CaretKidnapper {
public:
    explicit CaretKidnapper(ControlView& view) : view_(view) { view_.hideCaret(); }
    ~CaretKidnapper() { view_.showCaret(); }
    CaretKidnapper(const CaretKidnapper&) = delete;
    CaretKidnapper& operator=(const CaretKidnapper&) = delete;

private:
    ControlView& view_;
};

// Collects scroll-bar fields during an operation and applies them with one update when the scope
// ends; a scope that collected nothing makes no update. A later value of a field replaces an
// earlier one.
class ScrollBarSetupper {
public:
    explicit ScrollBarSetupper(ControlView& view) : view_(view) {}
    ~ScrollBarSetupper()
    {
        if (fields_.mask)
            view_.setScrollBar(fields_);
    }
    ScrollBarSetupper(const ScrollBarSetupper&) = delete;
    ScrollBarSetupper& operator=(const ScrollBarSetupper&) = delete;

    void setRange(int max) noexcept
    {
        fields_.mask |= ScrollBarFields::Range;
        fields_.min = 0;
        fields_.max = max;
    }
    void setPage(int page) noexcept
    {
        fields_.mask |= ScrollBarFields::Page;
        fields_.page = page;
    }
    void setPosition(int pos) noexcept
    {
        fields_.mask |= ScrollBarFields::Position;
        fields_.pos = pos;
    }
    [[nodiscard]] const ScrollBarFields& fields() const noexcept { return fields_; }

private:
    ControlView& view_;
    ScrollBarFields fields_;
};
