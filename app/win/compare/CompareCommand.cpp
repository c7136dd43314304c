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
    std::wstring first;
    bool insertionAware = false;
    {
        // The question is gone before the window shows, so the activation its end hands back
        // to the editor does not take the new window's.
        TFormCompareFiles question(owner_.Handle(), lastSecond_);
        if (question.ShowModal() != mrOk) {
            control_.Focus();
            return;
        }
        first = question.FirstFile();
        lastSecond_ = question.SecondFile();
        insertionAware = question.InsertionAware();
    }
    window_.reset();
    const CompareMethod method = insertionAware ? CompareMethod::InsertionAware : CompareMethod::ByteByByte;
    window_ = std::make_unique<TFormCompare>(owner_.Handle(), SideOf(first, control_.Handle()),
                                             SideOf(lastSecond_, control_.Handle()), method);
    window_->Show();
}

void CompareCommand::DocumentChanged()
{
    if (window_)
        window_->DocumentChanged();
}
