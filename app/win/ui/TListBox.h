// TListBox: a list of text items with a selected index.
#pragma once
#include "app/win/ui/TListControl.h"

class TListBox : public TListControl {
public:
    explicit TListBox(std::string name);

    // The selection changed, by the user.
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;

    bool Command(WORD code, WORD id) override;

protected:
    HWND CreateWindowHandle(HWND parent, int id) override;
};
