// FormDocumentHost: the main window as the document commands see it: control, dialogs, backup, status.
#pragma once
#include "app/backup/BackupJournal.h"
#include "app/documents/DocumentHost.h"
#include "app/win/system/EditorControl.h"
#include "app/win/documents/SystemFileClock.h"

#include <windows.h>

#include <memory>
#include <string>

class AHourglass;
class TFormVornalix;

class FormDocumentHost final : public DocumentHost {
public:
    explicit FormDocumentHost(TFormVornalix& form);
    ~FormDocumentHost() override;
    FormDocumentHost(const FormDocumentHost&) = delete;
    FormDocumentHost& operator=(const FormDocumentHost&) = delete;

    ControlAccess& control() override;
    FileClock& clock() override { return clock_; }
    bool newDocument() override;
    bool readDocument(std::string_view file) override;
    bool writeDocument(std::string_view name) override;
    void setControlModified(bool modified) override;
    bool controlReadOnly() override;
    void setControlReadOnly(bool on) override;
    void refreshStatus() override;
    void namesChanged() override;
    void writeBackup() override;
    void documentRenamed(std::string_view name) override;
    SaveAnswer askSave(const std::string& question) override;
    bool confirm(const std::string& question) override;
    void warn(const std::string& text) override;
    std::optional<OpenChoice> chooseOpenName(const std::string& folder) override;
    std::optional<std::string> chooseSaveName(const std::string& name, const std::string& folder) override;
    bool fileExists(std::string_view name) override;
    std::string nearestExistingFolder(std::string_view folder) override;
    void beginWait() override;
    void endWait() override;

    // The next read of `backup` is a recovery: the file is read as a backup, not as a document.
    void ExpectRecovery(const std::string& backup) { recovery_ = backup; }

private:
    // What the next writeBackup starts the backup from, set by each read or write.
    struct BackupStart {
        JournalBase base;        // the file the document's bytes are, or none
        bool adopt = false;      // the document came from this process's own journal
        uint64_t validEnd = 0;   // where that journal's last whole record ends
    };

    bool readBackup(std::string_view file);

    TFormVornalix& form_;
    EditorControl control_{nullptr};
    SystemFileClock clock_;
    std::unique_ptr<AHourglass> hourglass_;
    int waitDepth_ = 0;
    std::string recovery_;
    BackupStart backupStart_;
};
