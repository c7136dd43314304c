// TFormCopyAs: layout in the dialog look; the text made again for each format chosen.
#include "app/win/patching/TFormCopyAs.h"

#include "app/texts/ProgramTexts.h"
#include "app/win/ui/DialogLook.h"
#include "app/win/ui/WindowPlacement.h"

#include <iterator>

namespace {

constexpr int kClientWidth = 560;
constexpr int kMargin = 12;
constexpr int kRadioHeight = 48;
constexpr int kPreviewTop = kMargin + kRadioHeight + 10;
constexpr int kListTop = kPreviewTop + 20;
constexpr int kListHeight = 150;
constexpr int kBottomHeight = 41;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kClientHeight = kListTop + kListHeight + kMargin + kBottomHeight;
constexpr int kPreviewLines = 8;
// The preview is made from the first bytes only: enough for its lines in every format.
constexpr size_t kPreviewBytes = 16 * kPreviewLines;

int lastFormat = 0;  // the format chosen last, for the next time

} // namespace

TFormCopyAs::TFormCopyAs(HWND owner, const std::vector<uint8_t>& bytes, uint64_t offset, int offsetDigits)
    : TForm("TFormCopyAs", owner), bytes_(bytes), offset_(offset), offsetDigits_(offsetDigits)
{
    SetCaption(kTextCopyAsCaption);
    SetBorderStyle(TBorderStyle::Dialog);
    SetClientSize(kClientWidth, kClientHeight);
    SetActiveControl(&RadioFormat);
}

TFormCopyAs::~TFormCopyAs() { DestroyHandle(); }

void TFormCopyAs::CreateComponents()
{
    CreateDialogPanels(*this, PanelClient, PanelBottom, kBottomHeight);
    RadioFormat.SetCaption(kTextCopyAsFormat);
    RadioFormat.SetItems({std::begin(kTextCopyAsFormats), std::end(kTextCopyAsFormats)});
    RadioFormat.SetColumns(4);
    RadioFormat.SetBounds(kMargin, kMargin, kClientWidth - 2 * kMargin, kRadioHeight);
    RadioFormat.OnClick = [this] { FormatChosen(); };
    RadioFormat.Create(PanelClient);
    RadioFormat.SetItemIndex(lastFormat);
    LabelPreview.SetCaption(kTextCopyAsPreview);
    LabelPreview.SetBounds(kMargin, kPreviewTop, 0, 0);
    LabelPreview.Create(PanelClient);
    ListPreview.SetFont(TFont("ＭＳ ゴシック", 12));
    ListPreview.SetBounds(kMargin, kListTop, kClientWidth - 2 * kMargin, kListHeight);
    ListPreview.Create(PanelClient);

    const int top = (kBottomHeight - kButtonHeight) / 2;
    const int right = kClientWidth - 12;
    ButtonCopy.SetCaption(kTextCopyAsCopy);
    ButtonCopy.SetModalResult(mrOk);
    ButtonCopy.SetBounds(right - 2 * kButtonWidth - 8, top, kButtonWidth, kButtonHeight);
    ButtonCopy.Create(PanelBottom);
    ButtonCopy.SetDefault(true);
    ButtonCancel.SetCaption(kTextPatchCancel);
    ButtonCancel.SetModalResult(mrCancel);
    ButtonCancel.SetBounds(right - kButtonWidth, top, kButtonWidth, kButtonHeight);
    ButtonCancel.Create(PanelBottom);
    ButtonCancel.SetCancel(true);
    FormatChosen();
}

void TFormCopyAs::FormShow() { PlaceWindow(Handle(), Owner(), 11, true); }

void TFormCopyAs::FormatChosen()
{
    lastFormat = RadioFormat.ItemIndex() < 0 ? 0 : RadioFormat.ItemIndex();
    const auto format = static_cast<ByteFormat>(lastFormat);
    text_ = FormatBytes(format, bytes_.data(), bytes_.size(), offset_, offsetDigits_);
    // The preview's lines come from a text of the first bytes, not from the whole one.
    const size_t shown = bytes_.size() < kPreviewBytes ? bytes_.size() : kPreviewBytes;
    std::string_view preview = text_;
    std::string head;
    if (shown < bytes_.size()) {
        head = FormatBytes(format, bytes_.data(), shown, offset_, offsetDigits_);
        preview = head;
    }
    ListPreview.Clear();
    for (int line = 0; line < kPreviewLines && !preview.empty(); ++line) {
        const size_t end = preview.find("\r\n");
        std::string_view text = preview.substr(0, end);
        ListPreview.Add(text.size() > 200 ? text.substr(0, 200) : text);
        preview = end == std::string_view::npos ? std::string_view() : preview.substr(end + 2);
    }
}
