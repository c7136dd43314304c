// DocumentSession: the shown document of one main window, its editing list, and the commands that load, save and replace it.
#pragma once
#include "app/documents/DocumentHost.h"
#include "app/documents/EditInfo.h"
#include "app/documents/EditingList.h"
#include "app/documents/FileWatch.h"
#include "app/documents/HistoryManager.h"
#include "app/documents/HistoryNames.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The save query's question for a command's words: "「開く」をする前に保存しますか？".
[[nodiscard]] std::string SaveQuestion(std::string_view actionText);

// The names of the editing list after a drop: each dropped name that was not opened is put in
// front in turn (so they stand in reverse drop order), then of a name listed twice only the
// later place stays.
[[nodiscard]] std::vector<std::wstring> NamesWithDropped(const std::vector<std::wstring>& names,
                                                        const std::vector<std::wstring>& notOpened);

// Unsaved changes never leave silently: every command that replaces the shown document asks
// first, and a save that fails or is cancelled stops it. A failed load or save changes
// nothing: document, name and both modified flags stay.
class DocumentSession {
public:
    // `names` are the combo box's items, `openPath` the remembered folder of the preferences;
    // both outlive the session.
    DocumentSession(DocumentHost& host, HistoryNames& names, std::wstring& openPath);
    DocumentSession(const DocumentSession&) = delete;
    DocumentSession& operator=(const DocumentSession&) = delete;

    // The shown document was opened read-only (the open dialog's box or the file's
    // attribute) and is still in the control's read-only mode.
    [[nodiscard]] bool OpenedReadOnly();
    // The user switched the read-only mode: later loads leave it as the user set it.
    void ReadOnlyChosen() noexcept { readOnlyByOpen_ = false; }

    // The shown document has changes since it was last loaded or saved.
    [[nodiscard]] bool ModifiedFlag() const noexcept { return modifiedFlag_; }
    // Sticky: the control's flag sets it, only a load or a save clears it. Returns the flag.
    bool NoteControlModified(bool controlModified) noexcept;
    // The control's change notification: its flag is noted, then the status shown again.
    void ControlChanged();
    // The document's file; empty for an untitled document.
    [[nodiscard]] const std::wstring& DocumentName() const noexcept { return documentName_; }
    [[nodiscard]] HistoryManager<EditInfo>& EditingList() noexcept { return editingList_; }
    [[nodiscard]] HistoryNames& Names() noexcept { return names_; }

    // True when the action may go on: nothing to save, the user saved, or chose not to.
    bool QuerySave(std::string_view actionText);
    // Shows `file` (a new document for the empty name) under `name`; they differ only after a
    // recovery start, and then the control's flag marks the document modified. The control
    // is made read-only when `readOnly` is set or the file's attribute says so; a mode the
    // previous open set is taken back.
    bool LoadDocument(std::wstring_view file, std::wstring_view name, bool readOnly = false);
    // Saves under the document's name; a file another program changed meanwhile is
    // overwritten only when the user agrees.
    bool SaveDocument();
    bool SaveDocumentAs();
    bool WriteDocument(std::wstring_view name);
    void SetDocumentName(std::wstring_view name);

    // The commands, each after its save query where it has one. FileNew: true when the new
    // document is shown.
    bool FileNew();
    void FileOpen();
    void FileSave();
    void FileSaveAs();
    // The open dialog, starting in the remembered folder (or its nearest existing parent, or the
    // program's folder); the chosen file's folder is remembered. None when cancelled.
    [[nodiscard]] std::optional<OpenChoice> ChooseFileToOpen();
    // Whether another program changed or deleted the shown file since it was loaded or saved.
    // A change is asked about once: reload (through the save query when modified) or keep the
    // shown bytes. A deleted file is said so and the document marked modified, so closing
    // asks and a save writes the file again.
    void CheckShownFile();
    // Files dropped on the window, in the order the system reports them; without any existing
    // file among them nothing is asked.
    void DropFiles(const std::vector<std::wstring>& dropped);
    // A load that fails leaves the items as they were, less names whose files are gone, so
    // the combo box, the shown bytes and the document name agree; deleting a name whose
    // successor's file is gone goes on to the next older name.
    void RunEditorCommand(EditorCommand command);
    // The user picked another item of the combo box (already selected in `names`).
    void ComboHistoryChange();

private:
    [[nodiscard]] EditInfo Fresh();
    // After a failed load from the editing list: a name whose file is gone (not the shown
    // document's) leaves the states and `names`, whose selection goes back to the shown
    // document, so such a name can never block the list. True when it went.
    bool ForgetMissing(std::wstring_view name, HistoryNames& names);

    DocumentHost& host_;
    HistoryNames& names_;
    std::wstring& openPath_;
    bool modifiedFlag_ = false;
    bool readOnlyByOpen_ = false;  // the control's read-only mode was set by the last load
    bool checking_ = false;        // CheckShownFile is asking
    std::wstring documentName_;
    FileWatch watch_;
    HistoryManager<EditInfo> editingList_;  // at most one entry per name, SameName
};
