// DocumentCommands: the document commands, the editing list and dropped files.
#include "app/win/documents/DocumentCommands.h"

#include "app/documents/EditingList.h"
#include "app/win/system/EditorControl.h"
#include "app/win/system/EditorProcess.h"
#include "app/win/ui/TApplication.h"
#include "app/win/ui/TForm.h"

#include "common/win/AHourglass.h"

#include <new>
#include <optional>
#include <utility>
#include <vector>

namespace {

EditorCommand EditorCommandOf(ActionId action)
{
    switch (action) {
    case ActionId::EditorBackward: return EditorCommand::Backward;
    case ActionId::EditorForward: return EditorCommand::Forward;
    case ActionId::EditorDeleteHistory: return EditorCommand::DeleteHistory;
    default: return EditorCommand::Refresh;
    }
}

// The names of a drop, in the order the system reports them.
std::vector<std::wstring> DroppedNames(HDROP drop)
{
    std::vector<std::wstring> names;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(length + 1, L'\0');
        name.resize(DragQueryFileW(drop, i, name.data(), length + 1));
        names.push_back(std::move(name));
    }
    return names;
}

} // namespace

DocumentCommands::DocumentCommands(DocumentWindow window, HistoryNames& names, std::wstring& openPath,
                                   std::function<void()> commandDone)
    : host_(std::move(window)), session_(host_, names, openPath), commandDone_(std::move(commandDone))
{
}

bool DocumentCommands::FileNew()
{
    const bool shown = session_.FileNew();
    commandDone_();
    return shown;
}

void DocumentCommands::FileOpen()
{
    session_.FileOpen();
    commandDone_();
}

void DocumentCommands::FileSave()
{
    session_.FileSave();
    commandDone_();
}

void DocumentCommands::FileSaveAs()
{
    session_.FileSaveAs();
    commandDone_();
}

void DocumentCommands::FileEditorNew()
{
    const AHourglass wait;
    ::ActionFileEditorNew(host_.OwnerHandle());
}

void DocumentCommands::FileEditorOpen()
{
    if (const std::optional<OpenChoice> chosen = session_.ChooseFileToOpen()) {
        const AHourglass wait;
        ::ActionFileEditorOpen(host_.OwnerHandle(), chosen->name, chosen->readOnly);
    }
    host_.FocusControl();
}

void DocumentCommands::RunEditorCommand(ActionId action)
{
    session_.RunEditorCommand(EditorCommandOf(action));
    commandDone_();
}

void DocumentCommands::ComboHistoryChange()
{
    session_.ComboHistoryChange();
    commandDone_();
}

void DocumentCommands::DropFiles(HDROP drop)
{
    const std::vector<std::wstring> names = DroppedNames(drop);
    DragFinish(drop);
    session_.DropFiles(names);
    commandDone_();
}

void DocumentCommands::CheckShownFile()
{
    // A modal window of ours is up: the next activation checks.
    if (!IsWindowEnabled(host_.OwnerHandle()))
        return;
    try {
        session_.CheckShownFile();
    } catch (const std::bad_alloc&) {
        // The commands' enabling follows what the check left.
        Application.HandleException(host_.OwnerHandle());
    }
    commandDone_();
}
