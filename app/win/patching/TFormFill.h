// TFormFill: what the selection is filled with: a hex pattern, a text, or random bytes.
#pragma once
#include "app/win/ui/TButton.h"
#include "app/win/ui/TEdit.h"
#include "app/win/ui/TForm.h"
#include "app/win/ui/TLabel.h"
#include "app/win/ui/TPanel.h"
#include "app/win/ui/TRadioGroup.h"

#include <cstdint>
#include <vector>

// ButtonOk takes the entry only when it makes bytes (a box says why not); the dialog then
// closes with mrOk, and Random() or Unit() tell what to fill with.
class TFormFill final : public TForm {
public:
    explicit TFormFill(HWND owner);
    ~TFormFill() override;

    [[nodiscard]] bool Random() const noexcept { return random_; }
    [[nodiscard]] const std::vector<uint8_t>& Unit() const noexcept { return unit_; }

    TPanel PanelClient{"PanelClient"};
    TPanel PanelBottom{"PanelBottom"};
    TRadioGroup RadioKind{"RadioKind"};
    TLabel LabelValue{"LabelValue"};
    TEdit EditValue{"EditValue"};
    TButton ButtonOk{"ButtonOk"};
    TButton ButtonCancel{"ButtonCancel"};

protected:
    void CreateComponents() override;
    void FormShow() override;

private:
    void ButtonOkClick();

    bool random_ = false;
    std::vector<uint8_t> unit_;
};
