// FindCommands: the dialogs of the search menu and the searches they start.
#include "app/win/find/FindCommands.h"

#include "app/find/ByteText.h"
#include "app/find/FindCommand.h"
#include "app/find/ReplaceRun.h"
#include "app/texts/ProgramTexts.h"
#include "app/win/find/ReplaceCommand.h"
#include "app/win/find/TFormBytePos.h"
#include "app/win/find/TFormFind.h"
#include "app/win/find/TFormFindString.h"
#include "app/win/find/TFormReplaceFirst.h"
#include "app/win/system/EditorControl.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/ui/TForm.h"

#include "common/win/MessageBox.h"

#include <climits>
#include <optional>
#include <string>
#include <utility>

FindCommands::FindCommands(TForm& owner, EditorControl& control, TStatusBar& statusBar, const bool& showHint,
                           std::function<void()> searchChanged)
    : owner_(owner), control_(control), statusBar_(statusBar), showHint_(showHint),
      searchChanged_(std::move(searchChanged))
{
}

void FindCommands::Search(FindDirection direction)
{
    switch (RunFind(control_, direction, findBytes_, findCaseFlags_, findMasks_)) {
    case FindOutcome::NotFound:
        ShowMessageBox(owner_.Handle(), kTextFindNotFound, kMessageInformation);
        break;
    case FindOutcome::ReadFailed:
        ShowMessageBox(owner_.Handle(), kTextFindReadFailed, kMessageWarning);
        break;
    default:
        break;
    }
}

void FindCommands::Find()
{
    TFormFind dialog(owner_.Handle(), showHint_);
    dialog.HandleNeeded();
    dialog.EditFindTarget.SetText(PatternToHex(findBytes_, findMasks_));
    if (dialog.ShowModal() == mrOk) {
        HexToPattern(dialog.EditFindTarget.Text(), findBytes_, findMasks_);
        findCaseFlags_.clear();
        Search(FindDirection::First);
    }
    searchChanged_();
}

void FindCommands::FindNext()
{
    Search(FindDirection::Next);
    control_.Focus();
}

void FindCommands::FindPrev()
{
    Search(FindDirection::Prev);
    control_.Focus();
}

void FindCommands::Replace()
{
    TFormReplaceFirst dialog(owner_.Handle(), showHint_);
    dialog.HandleNeeded();
    dialog.EditFindTarget.SetText(PatternToHex(findBytes_, findMasks_));
    dialog.EditReplaceTarget.SetText(BytesToHex(replaceBytes_));
    if (dialog.ShowModal() == mrOk) {
        HexToBytes(dialog.EditFindTarget.Text(), findBytes_);
        HexToBytes(dialog.EditReplaceTarget.Text(), replaceBytes_);
        findCaseFlags_.clear();
        findMasks_.clear();
        bool readFailed = false;
        const int replaced =
            RunReplaceCommand(owner_.Handle(), control_.Handle(), findBytes_, replaceBytes_, &statusBar_, &readFailed);
        const std::string message = ReplacedCountMessage(replaced);
        if (readFailed)
            ShowMessageBox(owner_.Handle(), kTextFindReadFailed, kMessageWarning);
        if (!message.empty())
            ShowMessageBox(owner_.Handle(), message.c_str(), kMessageInformation);
    }
    control_.Focus();
}

// The text's bytes become the search of find next and previous, with its case rule; the hex
// find dialog then shows them as hex.
void FindCommands::FindString()
{
    TFormFindString dialog(owner_.Handle(), showHint_);
    dialog.HandleNeeded();
    dialog.SetEntry(lastTextSearch_);
    if (dialog.ShowModal() == mrOk) {
        lastTextSearch_ = dialog.Entry();
        findBytes_ = dialog.Pattern().bytes;
        findMasks_.clear();
        if (lastTextSearch_.eitherCase)
            findCaseFlags_ = dialog.Pattern().letters;
        else
            findCaseFlags_.clear();
        Search(FindDirection::First);
    }
    searchChanged_();
}

void FindCommands::JumpBytePos()
{
    TFormBytePos dialog(owner_.Handle());
    dialog.HandleNeeded();
    const int64_t size = control_.dataSize();
    const int64_t caret = control_.caretPos();
    dialog.SetPosition(size > 0 ? static_cast<uint64_t>(size) : 1u, caret > 0 ? static_cast<uint64_t>(caret / 2) : 0u);
    if (dialog.ShowModal() == mrOk) {
        // An offset inside the data doubles into a nibble index: the data's size keeps it far
        // inside 64 bits.
        if (const std::optional<uint64_t> offset = dialog.GetNewPosition(); offset && *offset <= INT64_MAX / 2)
            control_.setCaretPos(static_cast<int64_t>(2 * *offset));
    }
    control_.Focus();
}
