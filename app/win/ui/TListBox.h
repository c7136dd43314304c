// TListBox: a list of text items with a selected index.
#pragma once
#include "app/win/ui/TListControl.h"

#include <utility>
#include <vector>

class TListBox : public TListControl {
public:
    explicit TListBox(std::string name);

    // The selection changed, by the user.
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;

    bool Command(WORD code, WORD id) override;

    // Items holding tabs line up at these stops (dialog units); set before Create.
    void SetTabStops(std::vector<int> stops) { tabStops_ = std::move(stops); }

protected:
    HWND CreateWindowHandle(HWND parent, int id) override;

private:
    std::vector<int> tabStops_;
};
