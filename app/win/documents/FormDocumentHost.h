// FormDocumentHost: the main window as the document commands see it: control, dialogs, backup, status.
#pragma once
#include "app/backup/BackupJournal.h"
#include "app/documents/DocumentHost.h"
#include "app/win/backup/BackupService.h"
#include "app/win/documents/SystemFileClock.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

class AHourglass;
class EditorControl;
class TFileDialog;
class TForm;

// What the document commands use of the main window.
struct DocumentWindow {
    TForm& owner;                            // owns the dialogs and boxes
    EditorControl& control;                  // the window's control, once the window made it
    std::unique_ptr<BackupService>& backup;  // this editor's backup manager
    TFileDialog& openDialog;
    TFileDialog& saveDialog;
    const bool& showHint;                    // the preference the save query follows
    std::function<void()> refreshStatus;     // shows the session's state; reads only
    std::function<void()> namesChanged;      // the combo box shows the editing list's names again
};

class FormDocumentHost final : public DocumentHost {
public:
    explicit FormDocumentHost(DocumentWindow window);
    ~FormDocumentHost() override;
    FormDocumentHost(const FormDocumentHost&) = delete;
    FormDocumentHost& operator=(const FormDocumentHost&) = delete;

    ControlAccess& control() override;
    FileClock& clock() override { return clock_; }
    bool newDocument() override;
    bool readDocument(std::wstring_view file) override;
    bool readOnlyByRead() override { return sharingWrites_; }
    bool writeDocument(std::wstring_view name) override;
    bool controlModified() override;
    void setControlModified(bool modified) override;
    bool controlReadOnly() override;
    void setControlReadOnly(bool on) override;
    void refreshStatus() override;
    void namesChanged() override;
    void writeBackup() override;
    void documentRenamed(std::wstring_view name) override;
    SaveAnswer askSave(const std::string& question) override;
    bool confirm(const std::wstring& question) override;
    void warn(const std::wstring& text) override;
    std::optional<OpenChoice> chooseOpenName(const std::wstring& folder) override;
    std::optional<std::wstring> chooseSaveName(const std::wstring& name, const std::wstring& folder) override;
    bool fileExists(std::wstring_view name) override;
    std::wstring nearestExistingFolder(std::wstring_view folder) override;
    void beginWait() override;
    void endWait() override;

    // The next read of `backup` is a recovery: the file is read as a backup, not as a document.
    void ExpectRecovery(const std::wstring& backup) { recovery_ = backup; }

    [[nodiscard]] HWND OwnerHandle() const;
    [[nodiscard]] HWND ControlHandle() const;
    void FocusControl() const noexcept;

private:
    // What the next writeBackup starts the backup from, set by each read or write.
    struct BackupStart {
        JournalBase base;        // the file the document's bytes are, or none
        bool adopt = false;      // the document came from this process's own journal
        uint64_t validEnd = 0;   // where that journal's last whole record ends
    };

    bool readBackup(std::wstring_view file);

    DocumentWindow window_;
    SystemFileClock clock_;
    std::unique_ptr<AHourglass> hourglass_;
    int waitDepth_ = 0;
    std::wstring recovery_;
    BackupStart backupStart_;
    bool sharingWrites_ = false;  // the shown file opened read-only: another program writes it
};
