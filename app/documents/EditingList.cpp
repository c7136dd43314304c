// The editing-list commands over the remembered states and the combo-box items.
#include "app/documents/EditingList.h"

#include "app/texts/ProgramTexts.h"

const char* EditorCommandQueryText(EditorCommand command) noexcept
{
    switch (command) {
    case EditorCommand::Backward:
        return kTextQueryBackward;
    case EditorCommand::Forward:
        return kTextQueryForward;
    case EditorCommand::Refresh:
        return kTextQueryRefresh;
    case EditorCommand::DeleteHistory:
        return kTextQueryDeleteHistory;
    }
    return "";
}

std::wstring PrepareEditorCommand(EditorCommand command, HistoryNames& names)
{
    switch (command) {
    case EditorCommand::Backward:
        return names.OlderName();
    case EditorCommand::Forward:
        return names.NewerName();
    case EditorCommand::Refresh:
        return names.SelectedName();
    case EditorCommand::DeleteHistory:
        if (const std::wstring deleted = names.SelectedName(); !deleted.empty())
            names.RemoveName(deleted);
        return names.SelectedName();
    }
    return {};
}

void RevertComboChoice(HistoryManager<EditInfo>& states, HistoryNames& names, const EditInfo& fresh)
{
    const std::wstring previous = names.ShownName();
    states.Add(previous, fresh);
    names.ShowName(previous);
}

void SyncEntries(HistoryManager<EditInfo>& states, HistoryNames& names, const std::vector<std::wstring>& list,
                 const EditInfo& fresh)
{
    states.Sync(list, fresh);
    names.SetNames(list);
}
