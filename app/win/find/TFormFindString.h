// TFormFindString: the text search dialog: the text, its encoding and whether ASCII letters match either case.
#pragma once
#include "app/find/TextPattern.h"
#include "app/win/ui/TDialogEntry.h"
#include "app/win/ui/TCheckBox.h"
#include "app/win/ui/TEdit.h"
#include "app/win/ui/TRadioGroup.h"

class TFormFindString : public TDialogEntry {
public:
    // The hint display follows `showHint` (the main window's preference).
    TFormFindString(HWND owner, const bool& showHint);
    ~TFormFindString() override;

    // Fills the components; call after HandleNeeded.
    void SetEntry(const TextSearchEntry& entry);
    [[nodiscard]] TextSearchEntry Entry() const;
    // The converted text once the dialog closed with Ok.
    [[nodiscard]] const TextPattern& Pattern() const noexcept { return pattern_; }

    TLabel LabelFindText{"LabelFindText"};
    TEdit EditFindText{"EditFindText"};
    TRadioGroup RadioEncoding{"RadioEncoding"};
    TCheckBox CheckEitherCase{"CheckEitherCase"};

protected:
    void CreateEntries() override;
    void FormShow() override;
    // Ok closes only with a text that converts; otherwise the message, and the dialog stays.
    void FormCloseQuery(bool& canClose) override;

private:
    void EditFindTextChange();

    TextPattern pattern_;
};
