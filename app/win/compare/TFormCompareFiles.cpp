// TFormCompareFiles: two file fields with their browse buttons, the method, OK and cancel.
#include "app/win/compare/TFormCompareFiles.h"

#include "app/texts/ProgramTexts.h"
#include "app/win/ui/DialogLook.h"
#include "app/win/ui/TFileDialog.h"

#include "common/win/MessageBox.h"
#include "common/win/WideText.h"

namespace {

constexpr int kClientWidth = 520;
constexpr int kMargin = 12;
constexpr int kLabelWidth = 80;
constexpr int kBrowseWidth = 64;
constexpr int kRowHeight = 22;
constexpr int kBottomHeight = 41;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kClientHeight = 124 + kBottomHeight;

} // namespace

TFormCompareFiles::TFormCompareFiles(HWND owner, const std::wstring& secondFile)
    : TForm("TFormCompareFiles", owner), secondFile_(secondFile)
{
    SetCaption(kTextCompareFilesCaption);
    SetBorderStyle(TBorderStyle::Dialog);
    SetClientSize(kClientWidth, kClientHeight);
    SetActiveControl(&EditSecond);
}

TFormCompareFiles::~TFormCompareFiles() { DestroyHandle(); }

void TFormCompareFiles::CreateComponents()
{
    CreateDialogPanels(*this, PanelClient, PanelBottom, kBottomHeight);
    const int editLeft = kMargin + kLabelWidth;
    const int editWidth = kClientWidth - editLeft - kBrowseWidth - 2 * kMargin;
    struct Row {
        TLabel& label;
        TEdit& edit;
        TButton& browse;
        const char* caption;
        std::wstring text;
    };
    Row rows[] = {
        {LabelFirst, EditFirst, ButtonBrowseFirst, kTextCompareFirst, WideFromProgramText(kTextCompareShownDocument)},
        {LabelSecond, EditSecond, ButtonBrowseSecond, kTextCompareSecond, secondFile_}};
    int top = 14;
    for (Row& row : rows) {
        row.edit.SetBounds(editLeft, top, editWidth, kRowHeight);
        row.edit.Create(PanelClient);
        row.edit.SetWideText(row.text);
        row.label.SetCaption(row.caption);
        row.label.SetBounds(kMargin, top + 3, 0, 0);
        row.label.Create(PanelClient);
        row.label.SetFocusControl(&row.edit);
        row.browse.SetCaption(kTextCompareBrowse);
        row.browse.SetBounds(editLeft + editWidth + kMargin, top - 1, kBrowseWidth, kButtonHeight);
        TEdit* edit = &row.edit;
        row.browse.OnClick = [this, edit] { Browse(*edit); };
        row.browse.Create(PanelClient);
        top += 34;
    }
    CheckInsertionAware.SetCaption(kTextCompareInsertionAware);
    CheckInsertionAware.SetBounds(editLeft, top + 4, editWidth, kRowHeight);
    CheckInsertionAware.Create(PanelClient);

    const int buttonTop = (kBottomHeight - kButtonHeight) / 2;
    const int right = kClientWidth - 12;
    ButtonOk.SetCaption(kTextCompareOk);
    ButtonOk.SetModalResult(mrOk);
    ButtonOk.SetBounds(right - 2 * kButtonWidth - 8, buttonTop, kButtonWidth, kButtonHeight);
    ButtonOk.Create(PanelBottom);
    ButtonOk.SetDefault(true);
    ButtonCancel.SetCaption(kTextCompareCancel);
    ButtonCancel.SetModalResult(mrCancel);
    ButtonCancel.SetBounds(right - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight);
    ButtonCancel.Create(PanelBottom);
    ButtonCancel.SetCancel(true);
}

// The shown document's caption stands for it; any other text is a file name, in any script.
std::wstring TFormCompareFiles::FileOf(const TEdit& edit) const
{
    const std::wstring text = edit.WideText();
    return text == WideFromProgramText(kTextCompareShownDocument) ? std::wstring() : text;
}

std::wstring TFormCompareFiles::FirstFile() const { return FileOf(EditFirst); }

std::wstring TFormCompareFiles::SecondFile() const { return FileOf(EditSecond); }

void TFormCompareFiles::FormCloseQuery(bool& canClose)
{
    if (ModalResult() == mrOk && EditSecond.Text().empty()) {
        ShowMessageBox(Handle(), kTextCompareNoSecond, kMessageWarning);
        EditSecond.SetFocus();
        canClose = false;
    }
}

void TFormCompareFiles::Browse(TEdit& edit)
{
    TFileDialog dialog(TFileDialog::Kind::Open);
    dialog.SetOptions(OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_ENABLESIZING);
    if (const std::wstring file = FileOf(edit); !file.empty())
        dialog.SetFileName(file);
    if (dialog.Execute(Handle()))
        edit.SetWideText(dialog.FileName());
}
