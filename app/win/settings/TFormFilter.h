// TFormFilter: edits one file filter of the settings dialog: its explanation and its pattern.
#pragma once
#include "app/win/ui/TDialogEntry.h"
#include "app/win/ui/TEdit.h"

class TFormFilter : public TDialogEntry {
public:
    // Centred on `settings`, the settings dialog, whose hint display it takes.
    TFormFilter(HWND settings, bool showHint);
    ~TFormFilter() override;

    TLabel LabelExplanation{"LabelExplanation"};
    TEdit EditExplanation{"EditExplanation"};
    TLabel LabelFilter{"LabelFilter"};
    TEdit EditFilter{"EditFilter"};

protected:
    void CreateEntries() override;
    void FormShow() override;

private:
    // Both edits: OK while the two texts make an item that stores and reads back as itself.
    void EditTextChange();
};
