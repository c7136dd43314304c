// TEdit: a one-line text entry; entering it selects its text; typed letters may become upper case.
#pragma once
#include "app/win/ui/TControl.h"

class TEdit : public TControl {
public:
    explicit TEdit(std::string name);

    void SetUpperCase(bool upperCase) noexcept { upperCase_ = upperCase; }
    void SetMaxLength(int length);
    // A read-only edit still takes the focus and lets its text be selected and copied.
    void SetReadOnly(bool readOnly);
    // Text changes, typed or set by SetText, run OnChange.
    void SelectAll();

    std::function<void()> OnChange;

    bool Command(WORD code, WORD id) override;

protected:
    HWND CreateWindowHandle(HWND parent, int id) override;
    void Created() override;

private:
    bool upperCase_ = false;
    int maxLength_ = 0;
    bool readOnly_ = false;
};
