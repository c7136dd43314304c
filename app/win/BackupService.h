// BackupService: what the main window asks of its editor process's backup manager.
#pragma once
#include "app/StartArguments.h"
#include "app/win/ReadStartArguments.h"

#include <windows.h>

#include <string_view>

// The main window owns one and calls it at start-up, after each load or save, and at every
// timer tick that finds a change. The backup manager is the real one; tests pass their own.
class BackupService {
public:
    virtual ~BackupService() = default;

    // Interprets the command line, registers this process and starts the recoveries; what
    // the window shows first.
    [[nodiscard]] virtual TStartArguments Start(HWND owner) = 0;
    // Writes the control's whole data to this process's backup file; false when the backup
    // could not be written, which leaves the previous one whole.
    virtual bool WriteBackup(HWND control) = 0;
    // The shown document's name (empty for an untitled one).
    virtual void UpdateRecord(std::string_view name) = 0;
};

// Keeps no backups; starts with what the command line asks for.
class NoBackup final : public BackupService {
public:
    [[nodiscard]] TStartArguments Start(HWND) override { return ReadStartArguments(); }
    bool WriteBackup(HWND) override { return true; }
    void UpdateRecord(std::string_view) override {}
};
