// TFormChecksum: layout in the dialog look, the result and the copy.
#include "app/win/tools/TFormChecksum.h"

#include "app/win/system/Clipboard.h"
#include "app/texts/ProgramTexts.h"
#include "app/win/ui/DialogLook.h"
#include "app/win/ui/WindowPlacement.h"

#include "common/win/MessageBox.h"

namespace {

constexpr int kClientWidth = 584;
constexpr int kMargin = 16;
constexpr int kScopeTop = 14;
constexpr int kRowTop = 44;
constexpr int kRowStep = 30;
constexpr int kFieldLeft = 92;
constexpr int kFieldHeight = 22;
constexpr int kBottomHeight = 41;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kClientHeight = kRowTop + kChecksumCount * kRowStep + 6 + kBottomHeight;

} // namespace

TFormChecksum::TFormChecksum(HWND owner) : TForm("TFormChecksum", owner)
{
    SetCaption(kTextChecksumCaption);
    SetBorderStyle(TBorderStyle::Dialog);
    SetClientSize(kClientWidth, kClientHeight);
    SetActiveControl(&ButtonClose);
}

TFormChecksum::~TFormChecksum() { DestroyHandle(); }

void TFormChecksum::CreateComponents()
{
    CreateDialogPanels(*this, PanelClient, PanelBottom, kBottomHeight);

    InfoScope.SetBounds(kMargin, kScopeTop, 0, 0);
    InfoScope.Create(PanelClient);
    // Every digit at the same width, so the sums read like the hex view.
    const TFont fieldFont("ＭＳ ゴシック", 14);
    TLabel* const labels[] = {&LabelCrc32, &LabelMd5, &LabelSha1, &LabelSha256};
    TEdit* const edits[] = {&EditCrc32, &EditMd5, &EditSha1, &EditSha256};
    for (int i = 0; i < kChecksumCount; ++i) {
        const int top = kRowTop + i * kRowStep;
        edits[i]->SetReadOnly(true);
        edits[i]->SetFont(fieldFont);
        edits[i]->SetBounds(kFieldLeft, top, kClientWidth - kFieldLeft - kMargin, kFieldHeight);
        edits[i]->Create(PanelClient);
        labels[i]->SetCaption(kChecksumNames[i]);
        labels[i]->SetBounds(kMargin, top + 3, 0, 0);
        labels[i]->Create(PanelClient);
        labels[i]->SetFocusControl(edits[i]);
    }

    const int top = (kBottomHeight - kButtonHeight) / 2;
    const int right = kClientWidth - 12;
    ButtonCopy.SetCaption(kTextChecksumCopy);
    ButtonCopy.SetBounds(right - 2 * kButtonWidth - 8, top, kButtonWidth, kButtonHeight);
    ButtonCopy.OnClick = [this] { ButtonCopyClick(); };
    ButtonCopy.Create(PanelBottom);
    ButtonClose.SetCaption(kTextChecksumClose);
    ButtonClose.SetModalResult(mrOk);
    ButtonClose.SetBounds(right - kButtonWidth, top, kButtonWidth, kButtonHeight);
    ButtonClose.Create(PanelBottom);
    ButtonClose.SetDefault(true);
    ButtonClose.SetCancel(true);
}

void TFormChecksum::SetResult(const ChecksumRange& range, const ChecksumDigests& digests)
{
    HandleNeeded();
    digests_ = digests;
    InfoScope.SetCaption(ChecksumScopeText(range));
    const std::array<std::string, kChecksumCount> texts = ChecksumHexTexts(digests);
    TEdit* const edits[] = {&EditCrc32, &EditMd5, &EditSha1, &EditSha256};
    for (int i = 0; i < kChecksumCount; ++i)
        edits[i]->SetText(texts[i]);
}

void TFormChecksum::FormShow() { PlaceWindow(Handle(), Owner(), 11, true); }

void TFormChecksum::ButtonCopyClick()
{
    if (!PutClipboardText(Handle(), ChecksumCopyText(digests_)))
        ShowMessageBox(Handle(), kTextChecksumNotCopied, kMessageError);
}
