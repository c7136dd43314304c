// TComboBox: a drop-down list of text items with a selected index.
#pragma once
#include "app/win/ui/TControl.h"

#include <string>
#include <vector>

// A drop-down list (no free text) unless SetEditable; items may be kept sorted.
class TComboBox : public TControl {
public:
    explicit TComboBox(std::string name);

    void SetEditable(bool editable) noexcept { editable_ = editable; }
    void SetSorted(bool sorted) noexcept { sorted_ = sorted; }
    // Rows shown when dropped down.
    void SetDropDownCount(int rows);

    void Clear();
    // Returns the index the item got.
    int Add(std::string_view text);
    void Insert(int index, std::string_view text);
    void Delete(int index);
    [[nodiscard]] int Count() const;
    [[nodiscard]] std::string Item(int index) const;
    void SetItemIndex(int index);
    [[nodiscard]] int ItemIndex() const;

    // The user chose another item.
    std::function<void()> OnChange;

    bool Command(WORD code, WORD id) override;

protected:
    HWND CreateWindowHandle(HWND parent, int id) override;
    void Created() override;

private:
    bool editable_ = false;
    bool sorted_ = false;
    int dropDownCount_ = 8;
    std::vector<std::string> pending_;  // items added before the window exists
    int pendingIndex_ = -1;
};
