// TFormBytePos: the jump dialog: the current position and range, and a new byte offset in hexadecimal or decimal.
#include "app/win/find/TFormBytePos.h"

#include "app/texts/ProgramTexts.h"
#include "app/win/ui/DialogLook.h"

TFormBytePos::TFormBytePos(HWND owner) : TDialogEntry("TFormBytePos", owner, 360, 172)
{
    SetCaption(kTextBytePosCaption);
    SetShowHint(true);  // this dialog always shows its hints
    SetActiveControl(&EditNewPos);
}

TFormBytePos::~TFormBytePos() { DestroyHandle(); }

void TFormBytePos::CreateEntries()
{
    LabelCurPos.SetCaption(kTextCurPos);
    LabelCurPos.SetBounds(16, 16, 0, 0);
    LabelCurPos.Create(PanelClient);
    InfoCurPos.SetBounds(100, 16, 0, 0);
    InfoCurPos.Create(PanelClient);

    EditNewPos.SetUpperCase(true);
    EditNewPos.SetHint(kTextNewPosHint);
    EditNewPos.SetBounds(100, 44, ClientWidth() - 116, 22);
    MakeFocusLabel(LabelNewPos, kTextNewPos, EditNewPos, 16, 48);
    EditNewPos.Create(PanelClient);
    EditNewPos.OnChange = [this] { EditNewPosChange(); };

    RadioShowMethod.SetCaption(kTextShowMethod);
    RadioShowMethod.SetItems({kTextRadixHex, kTextRadixDecimal});
    RadioShowMethod.SetColumns(2);
    RadioShowMethod.SetItemIndex(static_cast<int>(PositionRadix::Hex));
    RadioShowMethod.SetCaptionColor(clSilver);
    RadioShowMethod.SetBounds(16, 76, ClientWidth() - 32, 46);
    RadioShowMethod.Create(PanelClient);
    RadioShowMethod.OnClick = [this] { RadioShowMethodClick(); };
    RadioShowMethod.OnEnter = [this] { RadioShowMethodEnter(); };
    RadioShowMethod.OnExit = [this] { RadioShowMethodExit(); };
}

void TFormBytePos::SetPosition(uint64_t dataSize, uint64_t currentOffset)
{
    position_.SetPosition(dataSize, currentOffset);
    InfoCurPos.SetText(position_.InfoText());
    EditNewPos.SetText(position_.EditText());
    EditNewPosChange();
}

std::optional<uint64_t> TFormBytePos::GetNewPosition() const
{
    return position_.GetNewPosition(EditNewPos.Text());
}

void TFormBytePos::FormShow()
{
    TDialogEntry::FormShow();
    EditNewPosChange();
}

void TFormBytePos::EditNewPosChange()
{
    ButtonOk.SetEnabled(position_.IsAcceptable(EditNewPos.Text()));
}

// Only the position text changes; the typed text stays, but it is checked again, since it
// may mean nothing, or another offset, in the other radix.
void TFormBytePos::RadioShowMethodClick()
{
    position_.SetRadix(RadioShowMethod.ItemIndex() == static_cast<int>(PositionRadix::Decimal) ? PositionRadix::Decimal
                                                                                                : PositionRadix::Hex);
    InfoCurPos.SetText(position_.InfoText());
    EditNewPosChange();
}

void TFormBytePos::RadioShowMethodEnter() { RadioShowMethod.SetCaptionColor(clWhite); }

void TFormBytePos::RadioShowMethodExit() { RadioShowMethod.SetCaptionColor(clSilver); }
