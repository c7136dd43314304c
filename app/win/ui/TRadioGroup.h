// TRadioGroup: a captioned frame of radio buttons, one of them selected, laid out in columns.
#pragma once
#include "app/win/ui/TPanel.h"

#include <string>
#include <vector>

class TRadioGroup : public TPanel {
public:
    explicit TRadioGroup(std::string name);

    void SetCaption(std::string_view caption);
    // The frame's caption colour; clNone shows it in the font colour, as the items.
    void SetCaptionColor(COLORREF color);
    // The items; set before the window is made.
    void SetItems(std::vector<std::string> items) { items_ = std::move(items); }
    void SetColumns(int columns) noexcept { columns_ = columns < 1 ? 1 : columns; }
    void SetItemIndex(int index);
    [[nodiscard]] int ItemIndex() const noexcept { return itemIndex_; }
    [[nodiscard]] HWND ItemHandle(int index) const noexcept;

    // The user picked an item.
    std::function<void()> OnClick;

protected:
    void Created() override;
    bool PanelMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void ApplyFont() override;

private:
    void Layout();

    std::vector<std::string> items_;
    int columns_ = 1;
    int itemIndex_ = -1;
    COLORREF captionColor_ = clNone;
    HWND frame_ = nullptr;
    std::vector<HWND> buttons_;
};
