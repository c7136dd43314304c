// TSplitter: a bar the user drags to change the width of the control beside it.
#pragma once
#include "app/win/ui/TPanel.h"

#include <functional>

// Aligned Right, it stands left of the right-aligned control it sizes (created after it);
// the control keeps at least MinSize pixels and leaves the parent's other aligned controls
// at least MinSize too. OnMoved runs after each change of the control's width.
class TSplitter final : public TPanel {
public:
    using TPanel::TPanel;

    void SetControl(TControl* control) noexcept { control_ = control; }
    void SetMinSize(int pixels) noexcept { minSize_ = pixels; }

    std::function<void()> OnMoved;

    void Forget(TControl* gone) override;
    // The minimum size follows the DPI with the bounds.
    void ChangeScale(int multiplier, int divisor) override;

protected:
    bool PanelMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void DragTo(int x);

    TControl* control_ = nullptr;
    int minSize_ = 30;
    bool dragging_ = false;
};
