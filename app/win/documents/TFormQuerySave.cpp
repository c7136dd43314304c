// TFormQuerySave: layout, placement and the collapse on cancel.
#include "app/win/documents/TFormQuerySave.h"

#include "app/texts/ProgramTexts.h"
#include "app/win/ui/DialogLook.h"
#include "app/win/ui/WindowPlacement.h"

#include <algorithm>

namespace {

constexpr int kClientHeight = 71;
constexpr int kBottomHeight = 29;
// Wide enough for "保存しない", and the client for the longest question, that of the editing
// list's delete command.
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 25;
constexpr int kClientWidth = 460;

void PlaceButton(TButton& button, TPanel& parent, const char* caption, int index, int modalResult)
{
    button.SetCaption(caption);
    button.SetModalResult(modalResult);
    button.SetBounds(index * kButtonWidth, (kBottomHeight - kButtonHeight) / 2, kButtonWidth, kButtonHeight);
    button.Create(parent);
}

} // namespace

TFormQuerySave::TFormQuerySave(HWND owner, const bool& showHint)
    : TForm("TFormQuerySave", owner), showHint_(showHint)
{
    SetCaption(kTextQuerySaveCaption);
    SetBorderStyle(TBorderStyle::Dialog);
    SetClientSize(kClientWidth, kClientHeight + kBottomHeight);
    SetActiveControl(&ButtonSave);
}

TFormQuerySave::~TFormQuerySave() { DestroyHandle(); }

void TFormQuerySave::SetQuestion(std::string_view question) { Label2.SetCaption(question); }

void TFormQuerySave::CreateComponents()
{
    PanelClient.SetAlign(TAlign::Top);
    PanelClient.SetHeight(kClientHeight);
    PanelClient.SetColor(clNavy);
    PanelClient.SetFontColor(clWhite);
    PanelClient.Create(*this);
    Image1.SetBounds(12, 12, 32, 32);
    Image1.SetIcon(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_QUESTION)));
    Image1.Create(PanelClient);
    Label1.SetCaption(kTextQuerySaveChanged);
    Label1.SetBounds(64, 12, 0, 0);
    Label1.Create(PanelClient);
    Label2.SetBounds(64, 42, 0, 0);
    Label2.Create(PanelClient);

    PanelBottom.SetAlign(TAlign::Bottom);
    PanelBottom.SetHeight(kBottomHeight);
    PanelBottom.Create(*this);
    PanelBottomRight.SetAlign(TAlign::Right);
    PanelBottomRight.SetWidth(3 * kButtonWidth);
    PanelBottomRight.Create(PanelBottom);
    PanelBottomClient.SetAlign(TAlign::Client);
    PanelBottomClient.SetColor(clTeal);
    PanelBottomClient.Create(PanelBottom);
    PlaceButton(ButtonSave, PanelBottomRight, kTextQuerySaveYes, 0, mrYes);
    PlaceButton(ButtonNoSave, PanelBottomRight, kTextQuerySaveNo, 1, mrNo);
    PlaceButton(ButtonCancel, PanelBottomRight, kTextQuerySaveCancel, 2, mrCancel);
    ButtonSave.SetDefault(true);
    ButtonCancel.SetCancel(true);
}

void TFormQuerySave::FormShow()
{
    // A long question, or a font larger than the design's, widens the dialog rather than
    // cutting the text off.
    const int needed = std::max(Label1.Left() + Label1.Width(), Label2.Left() + Label2.Width()) + Scaled(12);
    if (needed > ClientWidth())
        SetClientSize(needed, ClientHeight());
    SetShowHint(showHint_);
    PlaceWindow(Handle(), Owner(), 11, true);
    ButtonSave.SetFocus();
}

void TFormQuerySave::FormCloseQuery(bool& canClose)
{
    if (canClose && ModalResult() == mrCancel)
        CollapseWindow(Handle());
}
