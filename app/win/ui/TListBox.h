// TListBox: a list of text items with a selected index.
#pragma once
#include "app/win/ui/TControl.h"

#include <string>
#include <vector>

class TListBox : public TControl {
public:
    explicit TListBox(std::string name);

    void SetSorted(bool sorted) noexcept { sorted_ = sorted; }

    void Clear();
    int Add(std::string_view text);
    void Insert(int index, std::string_view text);
    void Delete(int index);
    [[nodiscard]] int Count() const;
    [[nodiscard]] std::string Item(int index) const;
    void SetItemIndex(int index);
    [[nodiscard]] int ItemIndex() const;

    // The selection changed, by the user.
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;

    bool Command(WORD code, WORD id) override;

protected:
    HWND CreateWindowHandle(HWND parent, int id) override;
    void Created() override;

private:
    bool sorted_ = false;
    std::vector<std::string> pending_;
    int pendingIndex_ = -1;
};
