// TFormReplaceNext: the borderless strip of five buttons that steers a replacement run at each match.
#include "app/win/TFormReplaceNext.h"

#include "app/win/ProgramTexts.h"
#include "app/win/ui/WindowPlacement.h"

namespace {

constexpr int kButtonWidth = 75;
constexpr int kStripHeight = 25;

} // namespace

TFormReplaceNext::TFormReplaceNext(HWND owner) : TForm("TFormReplaceNext", owner)
{
    SetBorderStyle(TBorderStyle::None);
    SetClientSize(5 * kButtonWidth, kStripHeight);
    SetActiveControl(&ButtonReplaceNext);
}

TFormReplaceNext::~TFormReplaceNext() { DestroyHandle(); }

void TFormReplaceNext::CreateComponents()
{
    struct Item {
        TButton& button;
        const char* caption;
        ::ReplaceChoice choice;
    };
    const Item items[] = {
        {ButtonReplaceNext, kTextReplaceNext, ::ReplaceChoice::ReplaceNext},
        {ButtonReplaceEnd, kTextReplaceEnd, ::ReplaceChoice::ReplaceEnd},
        {ButtonSkipNext, kTextSkipNext, ::ReplaceChoice::SkipNext},
        {ButtonAll, kTextReplaceAll, ::ReplaceChoice::All},
    };
    int left = 0;
    for (const Item& item : items) {
        item.button.SetCaption(item.caption);
        item.button.SetBounds(left, 0, kButtonWidth, kStripHeight);
        item.button.SetModalResult(mrOk);
        item.button.OnClick = [this, choice = item.choice] { ReplaceChoice = choice; };
        item.button.Create(*this);
        left += kButtonWidth;
    }
    ButtonReplaceNext.SetDefault(true);
    ButtonEnd.SetCaption(kTextReplaceStop);
    ButtonEnd.SetBounds(left, 0, kButtonWidth, kStripHeight);
    ButtonEnd.SetModalResult(mrCancel);
    ButtonEnd.Create(*this);
    ButtonEnd.SetCancel(true);
}

void TFormReplaceNext::FormShow()
{
    PlaceWindow(Handle(), Owner(), 0, true);
}
