// TFormFind: the find dialog: one hex byte-string entry, OK only for an acceptable search text.
#pragma once
#include "app/win/ui/TDialogEntry.h"
#include "app/win/ui/TEdit.h"

class TFormFind : public TDialogEntry {
public:
    // The hint display follows `showHint` (the main window's preference).
    TFormFind(HWND owner, const bool& showHint);
    ~TFormFind() override;

    TLabel LabelFindTarget{"LabelFindTarget"};
    TEdit EditFindTarget{"EditFindTarget"};

protected:
    void CreateEntries() override;
    void FormShow() override;

private:
    void EditFindTargetChange();
};
