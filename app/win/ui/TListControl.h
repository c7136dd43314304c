// TListControl: the items and selected index that list boxes and combo boxes share.
#pragma once
#include "app/win/ui/TControl.h"

#include <string>
#include <string_view>
#include <vector>

// Items added before the window exists are kept and handed to it when it is made.
class TListControl : public TControl {
public:
    // The window messages of one kind of list.
    struct Messages {
        UINT addString, insertString, deleteString, resetContent, getCount, getTextLength, getText, setCurSel,
            getCurSel;
    };

    void SetSorted(bool sorted) noexcept { sorted_ = sorted; }

    void Clear();
    // Returns the index the item got. Items are kept as UTF-16, so a file's name in any
    // script shows as it is; the narrow forms are the ANSI code page's.
    int Add(std::string_view text);
    int Add(std::wstring_view text);
    void Insert(int index, std::string_view text);
    void Delete(int index);
    [[nodiscard]] int Count() const;
    [[nodiscard]] std::string Item(int index) const;
    [[nodiscard]] std::wstring WideItem(int index) const;
    void SetItemIndex(int index);
    [[nodiscard]] int ItemIndex() const;

protected:
    TListControl(std::string name, const Messages& messages);
    [[nodiscard]] bool Sorted() const noexcept { return sorted_; }
    // Hands the kept items and index to the new window.
    void Created() override;

private:
    const Messages& messages_;
    bool sorted_ = false;
    std::vector<std::wstring> pending_;  // items added before the window exists
    int pendingIndex_ = -1;
};
