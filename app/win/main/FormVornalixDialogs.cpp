// TFormVornalix: the find, replace, jump and settings commands.
#include "app/win/main/TFormVornalix.h"

#include "app/find/ByteText.h"
#include "app/find/FindCommand.h"
#include "app/find/ReplaceRun.h"
#include "app/win/system/EditorControl.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/find/ReplaceCommand.h"
#include "app/win/find/TFormBytePos.h"
#include "app/win/find/TFormFind.h"
#include "app/win/find/TFormReplaceFirst.h"
#include "app/win/settings/TFormSettings.h"

#include "common/win/MessageBox.h"

#include <climits>
#include <optional>

void TFormVornalix::ActionFindFindExecute(TAction&)
{
    TFormFind dialog(Handle(), Preferences.showHint);
    dialog.HandleNeeded();
    dialog.EditFindTarget.SetText(BytesToHex(FindBytes));
    if (dialog.ShowModal() == mrOk) {
        HexToBytes(dialog.EditFindTarget.Text(), FindBytes);
        FindCaseFlags.clear();
        EditorControl control(ControlHandle);
        if (RunFind(control, FindDirection::First, FindBytes) == FindOutcome::NotFound)
            ShowMessageBox(Handle(), FindNotFoundText, kMessageInformation);
    }
    RefreshActionStates();
}

void TFormVornalix::ActionFindNextExecute(TAction&)
{
    EditorControl control(ControlHandle);
    if (RunFind(control, FindDirection::Next, FindBytes, FindCaseFlags) == FindOutcome::NotFound)
        ShowMessageBox(Handle(), FindNotFoundText, kMessageInformation);
    FocusControl();
}

void TFormVornalix::ActionFindPrevExecute(TAction&)
{
    EditorControl control(ControlHandle);
    if (RunFind(control, FindDirection::Prev, FindBytes, FindCaseFlags) == FindOutcome::NotFound)
        ShowMessageBox(Handle(), FindNotFoundText, kMessageInformation);
    FocusControl();
}

void TFormVornalix::ActionFindReplaceExecute(TAction&)
{
    TFormReplaceFirst dialog(Handle(), Preferences.showHint);
    dialog.HandleNeeded();
    dialog.EditFindTarget.SetText(BytesToHex(FindBytes));
    dialog.EditReplaceTarget.SetText(BytesToHex(ReplaceBytes));
    if (dialog.ShowModal() == mrOk) {
        HexToBytes(dialog.EditFindTarget.Text(), FindBytes);
        HexToBytes(dialog.EditReplaceTarget.Text(), ReplaceBytes);
        FindCaseFlags.clear();
        const int replaced =
            RunReplaceCommand(Handle(), ControlHandle, FindBytes, ReplaceBytes, &StatusBar);
        const std::string message = ReplacedCountMessage(replaced);
        if (!message.empty())
            ShowMessageBox(Handle(), message.c_str(), kMessageInformation);
    }
    FocusControl();
}

void TFormVornalix::ActionJumpBytePosExecute(TAction&)
{
    TFormBytePos dialog(Handle());
    dialog.HandleNeeded();
    const int size = Editor.QX_GetDataSize(ControlHandle);
    const int caret = Editor.QX_GetCaretPos(ControlHandle);
    dialog.SetPosition(size > 0 ? static_cast<uint32_t>(size) : 1u, caret > 0 ? static_cast<uint32_t>(caret / 2) : 0u);
    if (dialog.ShowModal() == mrOk) {
        // An offset inside the data of the control's size limit doubles into a nibble index.
        if (const std::optional<uint32_t> offset = dialog.GetNewPosition(); offset && *offset <= INT_MAX / 2)
            Editor.QX_SetCaretPos(ControlHandle, static_cast<int>(2 * *offset));
    }
    FocusControl();
}

void TFormVornalix::ActionPrefSettingsExecute(TAction&)
{
    {
        TFormSettings dialog(Handle(), ActionList);
        dialog.LoadSettings(Preferences);
        dialog.ShowModal();
        dialog.StoreSettings(Preferences);
    }
    ApplyPreferences();
    FocusControl();
}
