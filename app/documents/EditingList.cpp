// The editing-list commands over the remembered states and the combo-box items.
#include "app/documents/EditingList.h"

const char* EditorCommandQueryText(EditorCommand command) noexcept
{
    switch (command) {
    case EditorCommand::Backward:
        return "「戻る」";
    case EditorCommand::Forward:
        return "「進む」";
    case EditorCommand::Refresh:
        return "「再読み込み」";
    case EditorCommand::DeleteHistory:
        return "「編集リストから削除」";
    }
    return "";
}

std::string PrepareEditorCommand(EditorCommand command, HistoryNames& names)
{
    switch (command) {
    case EditorCommand::Backward:
        return names.OlderName();
    case EditorCommand::Forward:
        return names.NewerName();
    case EditorCommand::Refresh:
        return names.SelectedName();
    case EditorCommand::DeleteHistory:
        if (const std::string deleted = names.SelectedName(); !deleted.empty())
            names.RemoveName(deleted);
        return names.SelectedName();
    }
    return {};
}

void RevertComboChoice(HistoryManager<EditInfo>& states, HistoryNames& names, const EditInfo& fresh)
{
    const std::string previous = names.ShownName();
    states.Add(previous, fresh);
    names.ShowName(previous);
}

void SyncEntries(HistoryManager<EditInfo>& states, HistoryNames& names, const std::vector<std::string>& list,
                 const EditInfo& fresh)
{
    states.Sync(list, fresh);
    names.SetNames(list);
}
