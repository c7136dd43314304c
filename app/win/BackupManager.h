// BackupManager: this editor's backup file and its record in the process list shared by all editors.
#pragma once
#include "app/Profile.h"
#include "app/StartArguments.h"
#include "app/win/BackupService.h"
#include "common/win/AMutex.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The shared block all editors map: how many of them are alive and where their list is.
struct SharedBlock {
    int32_t InstanceCount;
    int32_t PathCapacity;
    char ProcessListPath[260];
};
static_assert(sizeof(SharedBlock) == 268);

// One per main window, made with it and ended with it. Every change to the shared state
// (the registry value "profile", the shared block, the process-list file) happens while
// InstanceMutex is held; the backup file belongs to this process alone.
class BackupManager final : public BackupService {
public:
    // The names for vornalix.exe; a copy under another name adds its own (SharedObjectName).
    static constexpr char MutexName[] = "KORVANIVORNALIXE";
    static constexpr char SharedBlockName[] = "KORVANIVORNALIXP";

    // Opens the mutex and the shared block and counts this editor in. Throws ASystemError
    // when the block can be neither opened nor created, or not mapped.
    BackupManager();
    // The normal end: deletes the backup file and this editor's record; the last editor
    // also empties "profile" and deletes the list, unless records of recoveries that could
    // not start are left in it.
    ~BackupManager() override;
    BackupManager(const BackupManager&) = delete;
    BackupManager& operator=(const BackupManager&) = delete;

    // Interprets the command line, registers this editor in the process list and, when the
    // editors that ran last ended abnormally, starts one recovery editor per lost document
    // and tells the user (owner: the main window). The result's FileToLoad is read under
    // its DocumentName; after a recovery start the two differ and the document is modified.
    [[nodiscard]] TStartArguments Start(HWND owner) override;

    // Writes the control's whole data as this editor's backup. The previous backup stays
    // whole until the new one has replaced it. False when nothing was written.
    bool WriteBackup(HWND control) override;

    // Records the document's new name (empty for an untitled one) in this editor's record.
    void UpdateRecord(std::string_view name) override;

    // Starts an editor with "-b", the backup and the name ("-null" for an empty name); false
    // when it could not be started.
    static bool LaunchRecovery(std::string_view backup, std::string_view name);

    [[nodiscard]] const std::string& GetBackupFile() const noexcept { return BackupFile; }
    [[nodiscard]] const std::string& GetRecordedName() const noexcept { return RecordedName; }
    [[nodiscard]] const std::string& GetTempDir() const noexcept { return TempDir; }

private:
    class BlockView;

    [[nodiscard]] std::string NewProcessList(BlockView& block);
    [[nodiscard]] std::string ChooseBackupFile(const TStartArguments& start,
                                               const std::vector<std::string>& taken);
    [[nodiscard]] std::string ReadProfileValue();
    void WriteProfileValue(const std::string& path);

    AMutex InstanceMutex;
    HANDLE SharedBlockHandle = nullptr;
    SharedBlock* SharedBlockView = nullptr;  // mapped only while a BlockView lives
    std::string BackupFile;
    std::string RecordedName;
    std::string RegistryKey;
    std::string TempDir;
};
