// TFormCopyAs: the copy format, chosen with a preview of the text's first lines.
#pragma once
#include "app/patching/ByteFormats.h"
#include "app/win/ui/TButton.h"
#include "app/win/ui/TForm.h"
#include "app/win/ui/TLabel.h"
#include "app/win/ui/TListBox.h"
#include "app/win/ui/TPanel.h"
#include "app/win/ui/TRadioGroup.h"

#include <string>
#include <vector>

// ButtonCopy (Enter) closes with mrOk and CopiedText() is what goes to the clipboard; ButtonCancel
// (Esc) closes with mrCancel. The format chosen last is chosen again the next time.
class TFormCopyAs final : public TForm {
public:
    TFormCopyAs(HWND owner, const std::vector<uint8_t>& bytes, uint64_t offset, int offsetDigits);
    ~TFormCopyAs() override;

    [[nodiscard]] const std::string& CopiedText() const noexcept { return text_; }

    TPanel PanelClient{"PanelClient"};
    TPanel PanelBottom{"PanelBottom"};
    TRadioGroup RadioFormat{"RadioFormat"};
    TLabel LabelPreview{"LabelPreview"};
    TListBox ListPreview{"ListPreview"};
    TButton ButtonCopy{"ButtonCopy"};
    TButton ButtonCancel{"ButtonCancel"};

protected:
    void CreateComponents() override;
    void FormShow() override;

private:
    void FormatChosen();

    const std::vector<uint8_t>& bytes_;
    uint64_t offset_;
    int offsetDigits_;
    std::string text_;
};
