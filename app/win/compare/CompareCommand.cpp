// CompareCommand: from the question to the compare window.
#include "app/win/compare/CompareCommand.h"

#include "app/texts/ProgramTexts.h"
#include "app/win/compare/TFormCompareFiles.h"
#include "app/win/system/EditorControl.h"
#include "app/win/ui/TForm.h"
#include "common/win/WideText.h"

namespace {

CompareSide SideOf(const std::wstring& file, HWND document)
{
    if (file.empty())
        return {{}, document, kTextCompareShownDocument};
    return {file, nullptr, ShownName(file)};
}

} // namespace

void CompareCommand::Run()
{
    TFormCompareFiles question(owner_.Handle(), lastSecond_);
    if (question.ShowModal() != mrOk) {
        control_.Focus();
        return;
    }
    lastSecond_ = question.SecondFile();
    window_.reset();
    const CompareMethod method =
        question.InsertionAware() ? CompareMethod::InsertionAware : CompareMethod::ByteByByte;
    window_ = std::make_unique<TFormCompare>(owner_.Handle(), SideOf(question.FirstFile(), control_.Handle()),
                                             SideOf(question.SecondFile(), control_.Handle()), method);
    window_->Show();
}

void CompareCommand::DocumentChanged()
{
    if (window_)
        window_->DocumentChanged();
}
