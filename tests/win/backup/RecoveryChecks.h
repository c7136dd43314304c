// Steps shared by the recovery tests: the abnormal-termination box and the recovery editors.
#pragma once
#include "tests/win/backup/BackupScene.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr char kAbnormalTerminationText[] =
    "異常終了が発生していたことを検知しました。\n以前の状態に復帰します。";

// Waits for the process's first window: the host's, or a message box before it. Closes a box
// with OK and gives its text; empty when the host came up without one.
std::string AnswerStartBox(DWORD processId);

// Waits until `count` host windows are shown; gives those not of the excluded process.
std::vector<HWND> WaitForHosts(size_t count, DWORD excludedProcess = 0);

// Waits up to 20 s for the main window of a recovery editor, which the restarted process
// started; null when none came.
HWND WaitForRecoveryWindow(DWORD restartedProcess);

// Closes an editor's main window as a user would, dropping unsaved changes; false when the
// process did not end.
bool CloseEditor(HWND main);

// The list's record of the document `name` (SameName), if there is one.
std::optional<Profile> RecordOf(const std::vector<Profile>& records, std::wstring_view name);
inline std::optional<Profile> RecordOf(const std::vector<Profile>& records, const std::string& name)
{
    return RecordOf(records, WideFromAnsi(name));
}

// The bytes a fixed seed gives.
std::vector<uint8_t> RandomBytes(size_t size, unsigned seed);
