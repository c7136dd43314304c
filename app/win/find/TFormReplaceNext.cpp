// TFormReplaceNext: the borderless strip of five buttons that steers a replacement run at each match.
#include "app/win/find/TFormReplaceNext.h"

#include "app/texts/ProgramTexts.h"
#include "app/win/ui/WindowPlacement.h"

#include <algorithm>

namespace {

constexpr int kMinButtonWidth = 75;
constexpr int kStripHeight = 25;
// Room for the button's frame and a little space on either side of its caption.
constexpr int kCaptionMargin = 16;

constexpr const char* kStripCaptions[] = {kTextReplaceNext, kTextReplaceEnd, kTextSkipNext, kTextReplaceAll,
                                          kTextReplaceStop};

// One width for all five buttons: the widest caption in the font, at least kMinButtonWidth.
int ButtonWidth(HFONT font)
{
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    int widest = 0;
    for (const char* caption : kStripCaptions) {
        SIZE size{};
        GetTextExtentPoint32A(dc, caption, lstrlenA(caption), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return std::max(kMinButtonWidth, widest + kCaptionMargin);
}

} // namespace

TFormReplaceNext::TFormReplaceNext(HWND owner) : TForm("TFormReplaceNext", owner)
{
    SetBorderStyle(TBorderStyle::None);
    SetClientSize(5 * ButtonWidth(Font().Handle()), kStripHeight);
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
    const int buttonWidth = ClientWidth() / 5;
    int left = 0;
    for (const Item& item : items) {
        item.button.SetCaption(item.caption);
        item.button.SetBounds(left, 0, buttonWidth, kStripHeight);
        item.button.SetModalResult(mrOk);
        item.button.OnClick = [this, choice = item.choice] { ReplaceChoice = choice; };
        item.button.Create(*this);
        left += buttonWidth;
    }
    ButtonReplaceNext.SetDefault(true);
    ButtonEnd.SetCaption(kTextReplaceStop);
    ButtonEnd.SetBounds(left, 0, buttonWidth, kStripHeight);
    ButtonEnd.SetModalResult(mrCancel);
    ButtonEnd.Create(*this);
    ButtonEnd.SetCancel(true);
}

void TFormReplaceNext::FormShow()
{
    PlaceWindow(Handle(), Owner(), 0, true);
}
