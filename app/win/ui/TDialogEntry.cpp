// TDialogEntry: the frame of the program's entry dialogs: navy client panel, teal bottom panel with Ok and Cancel.
#include "app/win/ui/TDialogEntry.h"

#include "app/win/ui/DialogLook.h"
#include "app/win/ui/WindowPlacement.h"

namespace {

constexpr int kBottomHeight = 41;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

} // namespace

TDialogEntry::TDialogEntry(std::string className, HWND owner, int clientWidth, int clientHeight)
    : TForm(std::move(className), owner)
{
    SetBorderStyle(TBorderStyle::Dialog);
    SetClientSize(clientWidth, clientHeight);
}

TDialogEntry::~TDialogEntry() { DestroyHandle(); }

void TDialogEntry::CreateComponents()
{
    CreateDialogPanels(*this, PanelClient, PanelBottom, kBottomHeight);

    const int top = (kBottomHeight - kButtonHeight) / 2;
    const int right = ClientWidth() - 12;
    ButtonOk.SetCaption("&Ok");
    ButtonOk.SetModalResult(mrOk);
    ButtonOk.SetBounds(right - 2 * kButtonWidth - 8, top, kButtonWidth, kButtonHeight);
    ButtonOk.Create(PanelBottom);
    ButtonOk.SetDefault(true);
    ButtonCancel.SetCaption("&Cancel");
    ButtonCancel.SetModalResult(mrCancel);
    ButtonCancel.SetBounds(right - kButtonWidth, top, kButtonWidth, kButtonHeight);
    ButtonCancel.Create(PanelBottom);
    ButtonCancel.SetCancel(true);

    CreateEntries();
}

void TDialogEntry::MakeFocusLabel(TLabel& label, std::string_view caption, TControl& control, int left, int top)
{
    label.SetCaption(caption);
    label.SetBounds(left, top, 0, 0);
    label.Create(PanelClient);
    label.SetFocusControl(&control);
}

void TDialogEntry::FormShow()
{
    PlaceWindow(Handle(), placeReference_ ? placeReference_ : Owner(), 11, true);
}

void TDialogEntry::FormCloseQuery(bool& canClose)
{
    if (canClose && ModalResult() == mrCancel)
        CollapseWindow(Handle());
}
