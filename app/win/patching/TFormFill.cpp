// TFormFill: layout in the dialog look and the entry's check.
#include "app/win/patching/TFormFill.h"

#include "app/patching/ByteFormats.h"
#include "app/texts/ProgramTexts.h"
#include "app/win/ui/DialogLook.h"
#include "app/win/ui/WindowPlacement.h"

#include "common/win/MessageBox.h"

#include <iterator>

namespace {

constexpr int kClientWidth = 420;
constexpr int kMargin = 12;
constexpr int kRadioHeight = 48;
constexpr int kValueTop = kMargin + kRadioHeight + 12;
constexpr int kBottomHeight = 41;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kClientHeight = kValueTop + 22 + kMargin + kBottomHeight;

enum Kind { kPattern, kText, kRandom };

} // namespace

TFormFill::TFormFill(HWND owner) : TForm("TFormFill", owner)
{
    SetCaption(kTextFillCaption);
    SetBorderStyle(TBorderStyle::Dialog);
    SetClientSize(kClientWidth, kClientHeight);
    SetActiveControl(&EditValue);
}

TFormFill::~TFormFill() { DestroyHandle(); }

void TFormFill::CreateComponents()
{
    CreateDialogPanels(*this, PanelClient, PanelBottom, kBottomHeight);
    RadioKind.SetCaption(kTextFillWith);
    RadioKind.SetItems({std::begin(kTextFillKinds), std::end(kTextFillKinds)});
    RadioKind.SetColumns(3);
    RadioKind.SetBounds(kMargin, kMargin, kClientWidth - 2 * kMargin, kRadioHeight);
    RadioKind.OnClick = [this] { EditValue.SetEnabled(RadioKind.ItemIndex() != kRandom); };
    RadioKind.Create(PanelClient);
    RadioKind.SetItemIndex(kPattern);
    LabelValue.SetCaption(kTextFillValue);
    LabelValue.SetBounds(kMargin, kValueTop + 3, 0, 0);
    LabelValue.Create(PanelClient);
    EditValue.SetBounds(150, kValueTop, kClientWidth - 150 - kMargin, 22);
    EditValue.Create(PanelClient);
    LabelValue.SetFocusControl(&EditValue);

    const int top = (kBottomHeight - kButtonHeight) / 2;
    const int right = kClientWidth - 12;
    ButtonOk.SetCaption(kTextPatchOk);
    ButtonOk.SetBounds(right - 2 * kButtonWidth - 8, top, kButtonWidth, kButtonHeight);
    ButtonOk.OnClick = [this] { ButtonOkClick(); };
    ButtonOk.Create(PanelBottom);
    ButtonOk.SetDefault(true);
    ButtonCancel.SetCaption(kTextPatchCancel);
    ButtonCancel.SetModalResult(mrCancel);
    ButtonCancel.SetBounds(right - kButtonWidth, top, kButtonWidth, kButtonHeight);
    ButtonCancel.Create(PanelBottom);
    ButtonCancel.SetCancel(true);
}

void TFormFill::FormShow() { PlaceWindow(Handle(), Owner(), 11, true); }

void TFormFill::ButtonOkClick()
{
    const std::string value = EditValue.Text();
    random_ = RadioKind.ItemIndex() == kRandom;
    unit_.clear();
    if (!random_) {
        if (value.empty()) {
            ShowMessageBox(Handle(), kTextFillEmpty, kMessageWarning);
            return;
        }
        if (RadioKind.ItemIndex() == kText) {
            unit_.assign(value.begin(), value.end());
        } else if (const auto bytes = ParseHexText(value)) {
            unit_ = *bytes;
        } else {
            ShowMessageBox(Handle(), kTextFillBadPattern, kMessageWarning);
            return;
        }
    }
    SetModalResult(mrOk);
}
