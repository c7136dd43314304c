// TToolBar: a flat tool bar of 16 x 16 image buttons bound to actions, with separators and hints.
#pragma once
#include "app/win/ui/TControl.h"

#include <memory>
#include <vector>

class TAction;
class TImageList;

// A button bound to an action shows the action's image and hint, follows its enabling and
// runs it; the action must outlive the tool bar. Other controls may be placed on the bar.
class TToolBar : public TControl {
public:
    explicit TToolBar(std::string name);
    ~TToolBar() override;

    void SetImages(TImageList* images) noexcept { images_ = images; }
    void SetButtonHeight(int height) noexcept { buttonHeight_ = height; }

    // Buttons in order, before or after the bar is created. A button's hint overrides the
    // action's; an image index of -1 takes the action's.
    void AddButton(std::string name, TAction& action, int imageIndex = -1, std::string hint = {});
    void AddSeparator(std::string name, int width = 8);
    [[nodiscard]] int ButtonCount() const noexcept { return static_cast<int>(buttons_.size()); }
    // The button's rectangle on the bar; empty before the bar is created.
    [[nodiscard]] RECT ButtonRect(int index) const;
    [[nodiscard]] int ButtonIndex(std::string_view name) const noexcept;
    [[nodiscard]] bool ButtonEnabled(int index) const;
    // The bar's tool-tip window.
    [[nodiscard]] HWND ToolTips() const;

    std::function<void()> OnResize;

    bool Command(WORD code, WORD id) override;
    // Button height and separators scaled; the image list is taken again (the form scales it).
    void ChangeScale(int multiplier, int divisor) override;
    bool Notify(NMHDR& header, LRESULT& result) override;
    void ShowHintChanged(bool show) override;

protected:
    HWND CreateWindowHandle(HWND parent, int id) override;
    void Created() override;

private:
    struct Button {
        std::string name;
        TAction* action = nullptr;  // none for a separator
        int image = -1;
        int width = 0;              // separators
        std::string hint;
        int commandId = 0;
        int observer = 0;
    };
    void Insert(Button& button, int position);
    // The image list, the button size and every button, into the window as it is now.
    void InsertAll();
    void Refresh(const Button& button);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);

    TImageList* images_ = nullptr;
    int buttonHeight_ = 23;
    std::vector<std::unique_ptr<Button>> buttons_;
    int nextCommand_ = 1;
    std::string tipText_;
};
