// TButton: a push button with a modal result; the form's default button takes Enter, its cancel button Esc.
#pragma once
#include "app/win/ui/TControl.h"

// Clicking a button with a modal result sets it as its form's result, which ends a modal loop.
// The default button is pressed by Enter, the cancel button by Esc.
class TButton : public TControl {
public:
    explicit TButton(std::string name);

    void SetCaption(std::string_view caption) { SetText(caption); }
    void SetModalResult(int result) noexcept { modalResult_ = result; }
    [[nodiscard]] int ModalResult() const noexcept { return modalResult_; }
    void SetDefault(bool isDefault);
    void SetCancel(bool isCancel);

    std::function<void()> OnClick;
    void Click();

    bool Command(WORD code, WORD id) override;

protected:
    HWND CreateWindowHandle(HWND parent, int id) override;
    void Created() override;

private:
    int modalResult_ = 0;
    bool default_ = false;
    bool cancel_ = false;
};
