// QuietView: a ControlView that ignores every call, for measuring the editing model alone.
#pragma once
#include "core/ControlView.h"

class QuietView : public ControlView {
public:
    void beep() override {}
    void hideCaret() override {}
    void showCaret() override {}
    void placeCaret() override {}
    void applyDamage(const LineDamage&) override {}
    void invalidate(bool) override {}
    void setScrollBar(const ScrollBarFields&) override {}
};
