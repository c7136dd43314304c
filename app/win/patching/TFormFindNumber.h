// TFormFindNumber: the number search dialog: the value, its type and byte order, and a tolerance for floats.
#pragma once
#include "app/patching/NumberPattern.h"
#include "app/win/ui/TComboBox.h"
#include "app/win/ui/TDialogEntry.h"
#include "app/win/ui/TEdit.h"
#include "app/win/ui/TRadioGroup.h"

#include <string>

// What the dialog shows when it opens again.
struct NumberSearchEntry {
    std::string value;
    int typeIndex = 4;  // in kTextFindNumberTypes: 32-bit signed
    bool bigEndian = false;
    std::string tolerance;
};

class TFormFindNumber : public TDialogEntry {
public:
    // The hint display follows `showHint` (the main window's preference).
    TFormFindNumber(HWND owner, const bool& showHint);
    ~TFormFindNumber() override;

    // Fills the components; call after HandleNeeded.
    void SetEntry(const NumberSearchEntry& entry);
    [[nodiscard]] NumberSearchEntry Entry() const;
    // The value as the bytes to look for, once the dialog closed with Ok.
    [[nodiscard]] const NumberPattern& Pattern() const noexcept { return pattern_; }

    TLabel LabelFindValue{"LabelFindValue"};
    TEdit EditFindValue{"EditFindValue"};
    TLabel LabelType{"LabelType"};
    TComboBox ComboType{"ComboType"};
    TRadioGroup RadioOrder{"RadioOrder"};
    TLabel LabelTolerance{"LabelTolerance"};
    TEdit EditTolerance{"EditTolerance"};

protected:
    void CreateEntries() override;
    void FormShow() override;
    // Ok closes only with a value the type takes; otherwise the message, and the dialog stays.
    void FormCloseQuery(bool& canClose) override;

private:
    void EntryChange();

    NumberPattern pattern_;
};
