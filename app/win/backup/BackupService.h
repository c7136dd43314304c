// BackupService: what the main window asks of its editor process's backup manager.
#pragma once
#include "app/backup/BackupJournal.h"
#include "app/backup/StartArguments.h"
#include "app/win/backup/ReadStartArguments.h"

#include <windows.h>

#include <string>
#include <string_view>

// The main window owns one and calls it at start-up, after each load or save, and at every
// timer tick. The backup manager is the real one; tests pass their own.
class BackupService {
public:
    virtual ~BackupService() = default;

    // Interprets the command line, registers this process and starts the recoveries; what
    // the window shows first.
    [[nodiscard]] virtual TStartArguments Start(HWND owner) = 0;
    // The backup tick: brings this process's backup up to the control's data, writing what
    // changed since the last backup, and makes the data as it is now the control's mark. False
    // when the backup could not be written, which leaves the previous one whole and the mark
    // where it was, so the next tick writes the changes again.
    virtual bool WriteBackup(HWND control) = 0;
    // The file the backup stands on was changed, replaced or deleted by another program: the
    // next WriteBackup writes the whole document (as far as its size allows), even without an
    // edit since the last one.
    [[nodiscard]] virtual bool BaseChanged() = 0;
    // After the document was created, read or written: the backup starts afresh on `base`, the
    // file the control's document stands on (an empty name for none: then the data is written),
    // with the regions where the document differs from it.
    virtual bool ResetBackup(HWND control, const JournalBase& base) = 0;
    // After a recovery start read its document from this process's own backup journal, whole
    // up to `validEnd`: the backup goes on from there without being written again (a small
    // document is written anew, whole).
    virtual void AdoptBackup(HWND control, const JournalBase& base, uint64_t validEnd) = 0;
    // This process's backup file; empty when it has none.
    [[nodiscard]] virtual std::wstring BackupPath() const = 0;
    // The backup file could not be read: it stays where it is for the user, and this process
    // takes a new one.
    virtual void LeaveBackup() = 0;
    // The shown document's name (empty for an untitled one).
    virtual void UpdateRecord(std::wstring_view name) = 0;
};

// Keeps no backups; starts with what the command line asks for.
class NoBackup final : public BackupService {
public:
    [[nodiscard]] TStartArguments Start(HWND) override { return ReadStartArguments(); }
    bool WriteBackup(HWND) override { return true; }
    [[nodiscard]] bool BaseChanged() override { return false; }
    bool ResetBackup(HWND, const JournalBase&) override { return true; }
    void AdoptBackup(HWND, const JournalBase&, uint64_t) override {}
    [[nodiscard]] std::wstring BackupPath() const override { return {}; }
    void LeaveBackup() override {}
    void UpdateRecord(std::wstring_view) override {}
};
