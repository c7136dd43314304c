// DocumentCommands: the main window's document and editing-list commands, over its document session.
#pragma once
#include "app/documents/DocumentSession.h"
#include "app/settings/ActionTable.h"
#include "app/win/documents/FormDocumentHost.h"

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

// Owns the shown document's session and its host. After each command that may have changed the
// editing list or the shown document, `commandDone` runs (the window's enabling of commands).
class DocumentCommands {
public:
    // `names` are the combo box's items, `openPath` the remembered folder of the preferences.
    DocumentCommands(DocumentWindow window, HistoryNames& names, std::wstring& openPath,
                     std::function<void()> commandDone);
    DocumentCommands(const DocumentCommands&) = delete;
    DocumentCommands& operator=(const DocumentCommands&) = delete;

    [[nodiscard]] DocumentSession& Session() noexcept { return session_; }
    [[nodiscard]] const DocumentSession& Session() const noexcept { return session_; }
    // The next read of `backup` is a recovery: the file is read as a backup, not as a document.
    void ExpectRecovery(const std::wstring& backup) { host_.ExpectRecovery(backup); }

    // True when the new, empty document is shown (the user may keep the old one).
    bool FileNew();
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    // Another editor process, empty or on a file chosen in the open dialog.
    void FileEditorNew();
    void FileEditorOpen();
    // ActionEditorBackward, ActionEditorForward, ActionEditorRefresh, ActionEditorDeleteHistory.
    void RunEditorCommand(ActionId action);
    void ComboHistoryChange();
    // Files dropped on the window or the control; the drop is finished here.
    void DropFiles(HDROP drop);
    // The shown file against the disk, once the activation that asked for it is over.
    void CheckShownFile();

private:
    FormDocumentHost host_;
    DocumentSession session_;
    std::function<void()> commandDone_;
};
