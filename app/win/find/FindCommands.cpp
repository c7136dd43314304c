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
    if (RunFind(control_, direction, findBytes_, findCaseFlags_) == FindOutcome::NotFound)
        ShowMessageBox(owner_.Handle(), kTextFindNotFound, kMessageInformation);
}

void FindCommands::Find()
{
    TFormFind dialog(owner_.Handle(), showHint_);
    dialog.HandleNeeded();
    dialog.EditFindTarget.SetText(BytesToHex(findBytes_));
    if (dialog.ShowModal() == mrOk) {
        HexToBytes(dialog.EditFindTarget.Text(), findBytes_);
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
    dialog.EditFindTarget.SetText(BytesToHex(findBytes_));
    dialog.EditReplaceTarget.SetText(BytesToHex(replaceBytes_));
    if (dialog.ShowModal() == mrOk) {
        HexToBytes(dialog.EditFindTarget.Text(), findBytes_);
        HexToBytes(dialog.EditReplaceTarget.Text(), replaceBytes_);
        findCaseFlags_.clear();
        const int replaced = RunReplaceCommand(owner_.Handle(), control_.Handle(), findBytes_, replaceBytes_, &statusBar_);
        const std::string message = ReplacedCountMessage(replaced);
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
    const HWND control = control_.Handle();
    TFormBytePos dialog(owner_.Handle());
    dialog.HandleNeeded();
    const int size = Editor.QX_GetDataSize(control);
    const int caret = Editor.QX_GetCaretPos(control);
    dialog.SetPosition(size > 0 ? static_cast<uint32_t>(size) : 1u, caret > 0 ? static_cast<uint32_t>(caret / 2) : 0u);
    if (dialog.ShowModal() == mrOk) {
        // An offset inside the data of the control's size limit doubles into a nibble index.
        if (const std::optional<uint32_t> offset = dialog.GetNewPosition(); offset && *offset <= INT_MAX / 2)
            Editor.QX_SetCaretPos(control, static_cast<int>(2 * *offset));
    }
    control_.Focus();
}
