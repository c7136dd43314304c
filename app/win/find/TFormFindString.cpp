// TFormFindString: the text search dialog: the text, its encoding and whether ASCII letters match either case.
#include "app/win/find/TFormFindString.h"

#include "app/texts/ProgramTexts.h"
#include "app/win/ui/DialogLook.h"

#include "common/win/MessageBox.h"

namespace {

// The system's code page 932 conversion; undefined sequences refuse.
std::optional<std::u16string> SjisToWide(std::string_view text)
{
    const int length = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    if (units <= 0)
        return std::nullopt;
    std::u16string wide(static_cast<size_t>(units), u'\0');
    if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.data(), length, reinterpret_cast<wchar_t*>(wide.data()),
                            units)
        != units)
        return std::nullopt;
    return wide;
}

// The edit's text as typed, in UTF-16: characters code page 932 does not have are lost in its
// narrow text, which then no longer converts back to this.
std::u16string TypedText(HWND edit)
{
    std::u16string text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, u'\0');
    text.resize(static_cast<size_t>(
        GetWindowTextW(edit, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()))));
    return text;
}

} // namespace

TFormFindString::TFormFindString(HWND owner, const bool& showHint)
    : TDialogEntry("TFormFindString", owner, 360, 196)
{
    SetCaption(kTextFindStringCaption);
    SetShowHint(showHint);
    SetActiveControl(&EditFindText);
}

TFormFindString::~TFormFindString() { DestroyHandle(); }

void TFormFindString::CreateEntries()
{
    EditFindText.SetHint(kTextFindStringHint);
    EditFindText.SetBounds(16, 36, ClientWidth() - 32, 22);
    MakeFocusLabel(LabelFindText, kTextFindStringTarget, EditFindText, 16, 14);
    EditFindText.Create(PanelClient);
    EditFindText.OnChange = [this] { EditFindTextChange(); };

    RadioEncoding.SetCaption(kTextFindStringEncoding);
    RadioEncoding.SetItems({"Shift-JIS", "UTF-16LE", "UTF-8"});
    RadioEncoding.SetColumns(3);
    RadioEncoding.SetItemIndex(static_cast<int>(TextEncoding::ShiftJis));
    RadioEncoding.SetCaptionColor(clSilver);
    RadioEncoding.SetBounds(16, 66, ClientWidth() - 32, 46);
    RadioEncoding.Create(PanelClient);
    RadioEncoding.OnEnter = [this] { RadioEncoding.SetCaptionColor(clWhite); };
    RadioEncoding.OnExit = [this] { RadioEncoding.SetCaptionColor(clSilver); };

    CheckEitherCase.SetCaption(kTextFindStringEitherCase);
    CheckEitherCase.SetBounds(16, 122, ClientWidth() - 32, 20);
    CheckEitherCase.Create(PanelClient);
}

void TFormFindString::SetEntry(const TextSearchEntry& entry)
{
    EditFindText.SetText(entry.text);
    RadioEncoding.SetItemIndex(static_cast<int>(entry.encoding));
    CheckEitherCase.SetChecked(entry.eitherCase);
    EditFindTextChange();
}

TextSearchEntry TFormFindString::Entry() const
{
    const int index = RadioEncoding.ItemIndex();
    const TextEncoding encoding = index == static_cast<int>(TextEncoding::Utf16Le) ? TextEncoding::Utf16Le
                                  : index == static_cast<int>(TextEncoding::Utf8)  ? TextEncoding::Utf8
                                                                                   : TextEncoding::ShiftJis;
    return {EditFindText.Text(), encoding, CheckEitherCase.Checked()};
}

void TFormFindString::FormShow()
{
    TDialogEntry::FormShow();
    EditFindTextChange();
}

void TFormFindString::FormCloseQuery(bool& canClose)
{
    if (canClose && ModalResult() == mrOk) {
        const TextSearchEntry entry = Entry();
        const std::u16string typed = TypedText(EditFindText.Handle());
        const auto toWide = [&](std::string_view text) -> std::optional<std::u16string> {
            std::optional<std::u16string> wide = SjisToWide(text);
            return wide && *wide == typed ? wide : std::nullopt;
        };
        if (!TextToPattern(entry.text, entry.encoding, toWide, pattern_)) {
            ShowMessageBox(Handle(), kTextFindStringUnconvertible, kMessageWarning);
            canClose = false;
            EditFindText.SetFocus();
            return;
        }
    }
    TDialogEntry::FormCloseQuery(canClose);
}

void TFormFindString::EditFindTextChange() { ButtonOk.SetEnabled(!EditFindText.Text().empty()); }
