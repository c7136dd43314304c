// TFormReplaceFirst: the replace dialog: search and replacement byte strings, OK only for an acceptable pair.
#pragma once
#include "app/win/ui/TDialogEntry.h"
#include "app/win/ui/TEdit.h"

class TFormReplaceFirst : public TDialogEntry {
public:
    // The hint display follows `showHint` (the main window's preference).
    TFormReplaceFirst(HWND owner, const bool& showHint);
    ~TFormReplaceFirst() override;

    TLabel LabelFindTarget{"LabelFindTarget"};
    TEdit EditFindTarget{"EditFindTarget"};
    TLabel LabelReplaceTarget{"LabelReplaceTarget"};
    TEdit EditReplaceTarget{"EditReplaceTarget"};

protected:
    void CreateEntries() override;
    void FormShow() override;

private:
    // Both edits: the search text non-empty, both byte texts, and different bytes.
    void EditTargetChange();
};
