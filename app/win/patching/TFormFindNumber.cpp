// TFormFindNumber: layout in the find dialog's look and the check of the value against its type.
#include "app/win/patching/TFormFindNumber.h"

#include "app/texts/ProgramTexts.h"
#include "app/win/ui/DialogLook.h"

#include "common/win/MessageBox.h"

#include <iterator>

namespace {

// The types in the order of kTextFindNumberTypes.
constexpr NumberType kTypes[] = {
    {NumberKind::Signed, 1},   {NumberKind::Unsigned, 1}, {NumberKind::Signed, 2}, {NumberKind::Unsigned, 2},
    {NumberKind::Signed, 4},   {NumberKind::Unsigned, 4}, {NumberKind::Signed, 8}, {NumberKind::Unsigned, 8},
    {NumberKind::Float, 4},    {NumberKind::Float, 8},
};
static_assert(std::size(kTypes) == std::size(kTextFindNumberTypes));

constexpr int kLeft = 16;
constexpr int kTypeLeft = 100;
constexpr int kToleranceLeft = 220;

} // namespace

TFormFindNumber::TFormFindNumber(HWND owner, const bool& showHint)
    : TDialogEntry("TFormFindNumber", owner, 400, 226)
{
    SetCaption(kTextFindNumberCaption);
    SetShowHint(showHint);
    SetActiveControl(&EditFindValue);
}

TFormFindNumber::~TFormFindNumber() { DestroyHandle(); }

void TFormFindNumber::CreateEntries()
{
    const int width = ClientWidth() - 2 * kLeft;
    EditFindValue.SetHint(kTextFindNumberHint);
    EditFindValue.SetBounds(kLeft, 36, width, 22);
    MakeFocusLabel(LabelFindValue, kTextFindNumberValue, EditFindValue, kLeft, 14);
    EditFindValue.Create(PanelClient);
    EditFindValue.OnChange = [this] { EntryChange(); };

    ComboType.SetBounds(kTypeLeft, 68, ClientWidth() - kTypeLeft - kLeft, 200);
    ComboType.SetDropDownCount(static_cast<int>(std::size(kTextFindNumberTypes)));
    MakeFocusLabel(LabelType, kTextFindNumberType, ComboType, kLeft, 72);
    ComboType.Create(PanelClient);
    for (const char* type : kTextFindNumberTypes)
        ComboType.Add(type);
    ComboType.SetItemIndex(4);
    ComboType.OnChange = [this] { EntryChange(); };

    RadioOrder.SetCaption(kTextFindNumberOrder);
    RadioOrder.SetItems({std::begin(kTextFindNumberOrders), std::end(kTextFindNumberOrders)});
    RadioOrder.SetColumns(2);
    RadioOrder.SetItemIndex(0);
    RadioOrder.SetCaptionColor(clSilver);
    RadioOrder.SetBounds(kLeft, 102, width, 46);
    RadioOrder.Create(PanelClient);
    RadioOrder.OnEnter = [this] { RadioOrder.SetCaptionColor(clWhite); };
    RadioOrder.OnExit = [this] { RadioOrder.SetCaptionColor(clSilver); };

    EditTolerance.SetBounds(kToleranceLeft, 158, ClientWidth() - kToleranceLeft - kLeft, 22);
    MakeFocusLabel(LabelTolerance, kTextFindNumberTolerance, EditTolerance, kLeft, 162);
    EditTolerance.Create(PanelClient);
}

void TFormFindNumber::SetEntry(const NumberSearchEntry& entry)
{
    EditFindValue.SetText(entry.value);
    ComboType.SetItemIndex(entry.typeIndex >= 0 && entry.typeIndex < static_cast<int>(std::size(kTypes)) ? entry.typeIndex
                                                                                                         : 4);
    RadioOrder.SetItemIndex(entry.bigEndian ? 1 : 0);
    EditTolerance.SetText(entry.tolerance);
    EntryChange();
}

NumberSearchEntry TFormFindNumber::Entry() const
{
    return {EditFindValue.Text(), ComboType.ItemIndex(), RadioOrder.ItemIndex() == 1, EditTolerance.Text()};
}

void TFormFindNumber::FormShow()
{
    TDialogEntry::FormShow();
    EntryChange();
}

void TFormFindNumber::FormCloseQuery(bool& canClose)
{
    if (canClose && ModalResult() == mrOk) {
        const NumberSearchEntry entry = Entry();
        NumberType type = kTypes[entry.typeIndex >= 0 ? entry.typeIndex : 4];
        type.bigEndian = entry.bigEndian;
        const bool isFloat = type.kind == NumberKind::Float;
        const NumberEntry parsed = ParseNumber(entry.value, type, isFloat ? entry.tolerance : "", pattern_);
        if (parsed != NumberEntry::Ok) {
            const std::string message = parsed == NumberEntry::OutOfRange
                                            ? kTextFindNumberOutOfRange + NumberRangeText(type)
                                        : parsed == NumberEntry::BadTolerance ? kTextFindNumberBadTolerance
                                                                              : kTextFindNumberNotANumber;
            ShowMessageBox(Handle(), message.c_str(), kMessageWarning);
            canClose = false;
            (parsed == NumberEntry::BadTolerance ? EditTolerance : EditFindValue).SetFocus();
            return;
        }
    }
    TDialogEntry::FormCloseQuery(canClose);
}

void TFormFindNumber::EntryChange()
{
    ButtonOk.SetEnabled(!EditFindValue.Text().empty());
    const int index = ComboType.ItemIndex();
    EditTolerance.SetEnabled(index >= 0 && kTypes[index].kind == NumberKind::Float);
}
