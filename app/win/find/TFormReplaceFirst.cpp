// TFormReplaceFirst: the replace dialog: search and replacement byte strings, OK only for an acceptable pair.
#include "app/win/find/TFormReplaceFirst.h"

#include "app/find/ByteText.h"
#include "app/texts/ProgramTexts.h"

TFormReplaceFirst::TFormReplaceFirst(HWND owner, const bool& showHint)
    : TDialogEntry("TFormReplaceFirst", owner, 320, 164)
{
    SetCaption(kTextReplaceCaption);
    SetShowHint(showHint);
    SetActiveControl(&EditFindTarget);
}

TFormReplaceFirst::~TFormReplaceFirst() { DestroyHandle(); }

void TFormReplaceFirst::CreateEntries()
{
    const int width = ClientWidth() - 32;
    for (TEdit* edit : {&EditFindTarget, &EditReplaceTarget}) {
        edit->SetUpperCase(true);
        edit->SetHint(kTextReplaceHint);
        edit->OnChange = [this] { EditTargetChange(); };
    }
    EditFindTarget.SetBounds(16, 36, width, 22);
    MakeFocusLabel(LabelFindTarget, kTextFindTarget, EditFindTarget, 16, 14);
    EditFindTarget.Create(PanelClient);
    EditReplaceTarget.SetBounds(16, 88, width, 22);
    MakeFocusLabel(LabelReplaceTarget, kTextReplaceTarget, EditReplaceTarget, 16, 66);
    EditReplaceTarget.Create(PanelClient);
}

void TFormReplaceFirst::FormShow()
{
    TDialogEntry::FormShow();
    EditTargetChange();
}

void TFormReplaceFirst::EditTargetChange()
{
    ButtonOk.SetEnabled(IsReplaceEntry(EditFindTarget.Text(), EditReplaceTarget.Text()));
}
