// The editing-list commands: which document they load, and keeping states and items in step.
#pragma once
#include "app/documents/EditInfo.h"
#include "app/documents/HistoryManager.h"
#include "app/documents/HistoryNames.h"

#include <string>
#include <vector>

enum class EditorCommand { Backward, Forward, Refresh, DeleteHistory };

// The action's words in the save query: "「戻る」", "「進む」", "「再読み込み」", "「編集リストから削除」".
[[nodiscard]] const char* EditorCommandQueryText(EditorCommand command) noexcept;

// The save query's words when the user picks another item in the combo box.

// After the save query allowed the command: the name to load (empty: a new untitled
// document). DeleteHistory first takes the selected name's item off, then loads the name that
// took its place; with the untitled item selected it takes nothing off. The name's state
// goes once the load has succeeded.
[[nodiscard]] std::wstring PrepareEditorCommand(EditorCommand command, HistoryNames& names);

// The save query refused a pick in the combo box: the shown document's item is selected
// again (and gets a state if it has none).
void RevertComboChoice(HistoryManager<EditInfo>& states, HistoryNames& names, const EditInfo& fresh);

// The list of names becomes exactly `list`: a fresh state for every new name, no state for a
// name not listed (the untitled one included), and the items rebuilt.
void SyncEntries(HistoryManager<EditInfo>& states, HistoryNames& names, const std::vector<std::wstring>& list,
                 const EditInfo& fresh);
