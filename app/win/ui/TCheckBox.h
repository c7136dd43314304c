// TCheckBox: a check box whose text takes its parent's colours.
#pragma once
#include "app/win/ui/TControl.h"

class TCheckBox : public TControl {
public:
    explicit TCheckBox(std::string name);

    void SetCaption(std::string_view caption) { SetText(caption); }
    void SetChecked(bool checked);
    [[nodiscard]] bool Checked() const;

    std::function<void()> OnClick;

    bool Command(WORD code, WORD id) override;
    HBRUSH CtlColor(HDC dc) override;

protected:
    HWND CreateWindowHandle(HWND parent, int id) override;

private:
    bool checked_ = false;
};
