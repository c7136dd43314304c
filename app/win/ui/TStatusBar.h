// TStatusBar: a status bar of fixed-width panels with left, centred or right texts.
#pragma once
#include "app/win/ui/TControl.h"
#include "app/win/ui/TLabel.h"

#include <vector>

class TStatusBar : public TControl {
public:
    explicit TStatusBar(std::string name);

    void SetSizeGrip(bool grip) noexcept { sizeGrip_ = grip; }
    // Panels are set before the bar is created.
    void AddPanel(int width, TTextAlign alignment = TTextAlign::Left);
    [[nodiscard]] int PanelCount() const noexcept { return static_cast<int>(panels_.size()); }
    // A panel of width 0 at the end is not shown.
    void SetPanelWidth(int index, int width);
    [[nodiscard]] int PanelWidth(int index) const noexcept
    {
        return index >= 0 && index < PanelCount() ? panels_[static_cast<size_t>(index)].width : 0;
    }
    void SetPanelText(int index, std::string_view text);
    [[nodiscard]] std::string PanelText(int index) const;
    // Paints the bar now rather than at the next quiet moment.
    void Repaint();
    // Between BeginUpdate and EndUpdate (nested) the texts are only kept, the bar is not told
    // or painted; the last EndUpdate shows every text and paints the bar once.
    void BeginUpdate() noexcept { ++updating_; }
    void EndUpdate();
    void ChangeScale(int multiplier, int divisor) override;

protected:
    HWND CreateWindowHandle(HWND parent, int id) override;
    void Created() override;

private:
    struct Panel {
        int width;
        TTextAlign alignment;
        std::string text;
    };
    void Show(int index);
    void ApplyParts();

    bool sizeGrip_ = false;
    std::vector<Panel> panels_;
    int updating_ = 0;  // invariant: >= 0
};
