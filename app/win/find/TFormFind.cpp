// TFormFind: the find dialog: one hex byte-string entry, OK only for an acceptable search text.
#include "app/win/find/TFormFind.h"

#include "app/find/ByteText.h"
#include "app/texts/ProgramTexts.h"

TFormFind::TFormFind(HWND owner, const bool& showHint) : TDialogEntry("TFormFind", owner, 320, 112)
{
    SetCaption(kTextFindCaption);
    SetShowHint(showHint);
    SetActiveControl(&EditFindTarget);
}

TFormFind::~TFormFind() { DestroyHandle(); }

void TFormFind::CreateEntries()
{
    EditFindTarget.SetUpperCase(true);
    EditFindTarget.SetHint(kTextFindHint);
    EditFindTarget.SetBounds(16, 36, ClientWidth() - 32, 22);
    MakeFocusLabel(LabelFindTarget, kTextFindTarget, EditFindTarget, 16, 14);
    EditFindTarget.Create(PanelClient);
    EditFindTarget.OnChange = [this] { EditFindTargetChange(); };
}

void TFormFind::FormShow()
{
    TDialogEntry::FormShow();
    EditFindTargetChange();
}

void TFormFind::EditFindTargetChange()
{
    ButtonOk.SetEnabled(IsFindText(EditFindTarget.Text()));
}
