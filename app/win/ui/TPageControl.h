// TPageControl and TTabSheet: tabbed pages, each sheet a panel showing while its tab is selected.
#pragma once
#include "app/win/ui/TPanel.h"

#include <vector>

class TPageControl;

// A page: create it with the page control as parent, then put components on it.
class TTabSheet : public TPanel {
public:
    using TPanel::TPanel;
    void SetCaption(std::string_view caption) { text_ = caption; }
    [[nodiscard]] const std::string& Caption() const noexcept { return text_; }
};

class TPageControl : public TControl {
public:
    explicit TPageControl(std::string name);

    // Adds the sheet's tab and creates the sheet inside the page control.
    void AddSheet(TTabSheet& sheet);
    [[nodiscard]] int PageCount() const noexcept { return static_cast<int>(sheets_.size()); }
    [[nodiscard]] TTabSheet* Page(int index) const noexcept;
    void SetActivePageIndex(int index);
    [[nodiscard]] int ActivePageIndex() const noexcept { return active_; }

    // The user selected another tab.
    std::function<void()> OnChange;

    bool Notify(NMHDR& header, LRESULT& result) override;
    // The tabs' height follows the scaled font: the pages are placed under them again.
    void ChangeScale(int multiplier, int divisor) override;
    void Forget(TControl* gone) override;

protected:
    HWND CreateWindowHandle(HWND parent, int id) override;
    [[nodiscard]] RECT AlignRect() const override;

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
    void ShowActive();

    std::vector<TTabSheet*> sheets_;
    int active_ = -1;
};
