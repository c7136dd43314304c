// TLabel: a static text; with a focus control it focuses it on a click and shows whether it has the focus.
#pragma once
#include "app/win/ui/TControl.h"

enum class TTextAlign { Left, Center, Right };

// The text shows the parent's background. A label with a focus control and the focus look is
// white and underlined while that control has the focus and silver otherwise (the dialog look).
class TLabel : public TControl {
public:
    using TControl::TControl;

    void SetCaption(std::string_view caption) { SetText(caption); }
    void SetText(std::string_view text) override;
    // The size follows the text (the default); otherwise the bounds stay as set.
    void SetAutoSize(bool autoSize);
    void SetAlignment(TTextAlign alignment) noexcept { alignment_ = alignment; }
    void SetFocusControl(TControl* control, bool focusLook = true);
    [[nodiscard]] TControl* FocusControl() const noexcept { return focusControl_; }
    // The label shows its focus control's focus: white and underlined.
    [[nodiscard]] bool Highlighted() const;

    std::function<void()> OnClick;

    bool Command(WORD code, WORD id) override;
    HBRUSH CtlColor(HDC dc) override;
    void FocusMoved() override;
    void Forget(TControl* gone) override;

protected:
    HWND CreateWindowHandle(HWND parent, int id) override;
    void ApplyFont() override;

private:
    void FitText();

    bool autoSize_ = true;
    TTextAlign alignment_ = TTextAlign::Left;
    TControl* focusControl_ = nullptr;
    bool focusLook_ = false;
    bool shownHighlighted_ = false;
};
