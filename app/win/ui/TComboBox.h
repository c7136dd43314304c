// TComboBox: a drop-down list of text items with a selected index.
#pragma once
#include "app/win/ui/TListControl.h"

// A drop-down list (no free text) unless SetEditable; items may be kept sorted.
class TComboBox : public TListControl {
public:
    explicit TComboBox(std::string name);

    void SetEditable(bool editable) noexcept { editable_ = editable; }
    // Rows shown when dropped down.
    void SetDropDownCount(int rows);
    // The drop-down list as wide as its longest item, within the monitor's work area, and
    // never narrower than the box; set again each time the list drops down.
    void SetDropDownFitsItems(bool fits) noexcept { dropDownFitsItems_ = fits; }
    void FitDropDownWidth();

    // The user chose another item.
    std::function<void()> OnChange;

    bool Command(WORD code, WORD id) override;

protected:
    HWND CreateWindowHandle(HWND parent, int id) override;
    void Created() override;

private:
    bool editable_ = false;
    bool dropDownFitsItems_ = false;
    int dropDownCount_ = 8;
};
