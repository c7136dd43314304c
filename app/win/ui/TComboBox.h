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

    // The user chose another item.
    std::function<void()> OnChange;

    bool Command(WORD code, WORD id) override;

protected:
    HWND CreateWindowHandle(HWND parent, int id) override;
    void Created() override;

private:
    bool editable_ = false;
    int dropDownCount_ = 8;
};
