// TFormFilter: edits one file filter of the settings dialog: its explanation and its pattern.
#include "app/win/settings/TFormFilter.h"

#include "app/ui/FileFilterList.h"
#include "app/texts/ProgramTexts.h"

TFormFilter::TFormFilter(HWND settings, bool showHint) : TDialogEntry("TFormFilter", settings, 340, 164)
{
    SetCaption(kTextFilterCaption);
    SetShowHint(showHint);
    SetActiveControl(&EditExplanation);
}

TFormFilter::~TFormFilter() { DestroyHandle(); }

void TFormFilter::CreateEntries()
{
    const int width = ClientWidth() - 32;
    EditExplanation.SetHint(kTextExplanationHint);
    EditExplanation.SetBounds(16, 36, width, 22);
    MakeFocusLabel(LabelExplanation, kTextExplanation, EditExplanation, 16, 14);
    EditExplanation.Create(PanelClient);
    EditExplanation.OnChange = [this] { EditTextChange(); };

    EditFilter.SetHint(kTextFilterHint);
    EditFilter.SetBounds(16, 88, width, 22);
    MakeFocusLabel(LabelFilter, kTextFilter, EditFilter, 16, 66);
    EditFilter.Create(PanelClient);
    EditFilter.OnChange = [this] { EditTextChange(); };
}

void TFormFilter::FormShow()
{
    TDialogEntry::FormShow();
    EditTextChange();
}

void TFormFilter::EditTextChange()
{
    ButtonOk.SetEnabled(IsFilterEntry(EditExplanation.Text(), EditFilter.Text()));
}
