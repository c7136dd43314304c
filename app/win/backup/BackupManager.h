// BackupManager: this editor's backup file and its record in the process list shared by all editors.
#pragma once
#include "app/backup/Profile.h"
#include "app/backup/StartArguments.h"
#include "app/win/backup/BackupService.h"
#include "app/win/backup/FileFlusher.h"
#include "common/win/AMutex.h"

#include <windows.h>

#include <cstdint>
#include <functional>
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
// The process list's names: a name's exact ANSI text or short name for older editors, the
// name itself in name records.
[[nodiscard]] const ProfileNameForms& ProcessListNames();

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

    // The backup file is a journal (BackupJournal): a tick appends the regions changed since
    // the last one, flushed on a thread of its own, so its work grows with the change and not
    // with the document. The journal is written anew when it has grown past what a new one
    // holds by kJournalSlack, or when its last write failed: on its base, with the regions that
    // differ from it. When its base file changed on disk (whether or not anything was edited
    // since) it is written anew with the whole data, up to kWholeRewriteLimit bytes; a larger
    // document keeps the journal it has. The journal it replaces stays as the previous
    // generation.
    bool WriteBackup(HWND control) override;
    [[nodiscard]] bool BaseChanged() override;
    bool ResetBackup(HWND control, const JournalBase& base) override;
    void AdoptBackup(HWND control, const JournalBase& base, uint64_t validEnd) override;
    [[nodiscard]] std::wstring BackupPath() const override { return BackupFile; }
    void LeaveBackup() override;

    // Records the document's new name (empty for an untitled one) in this editor's record.
    void UpdateRecord(std::wstring_view name) override;

    // Starts an editor with "-b", the backup and the name ("-null" for an empty name); false
    // when it could not be started.
    static bool LaunchRecovery(std::wstring_view backup, std::wstring_view name);

    [[nodiscard]] const std::wstring& GetBackupFile() const noexcept { return BackupFile; }
    [[nodiscard]] const std::wstring& GetRecordedName() const noexcept { return RecordedName; }
    [[nodiscard]] const std::wstring& GetTempDir() const noexcept { return TempDir; }

private:
    class BlockView;

    [[nodiscard]] std::wstring NewProcessList(BlockView& block);
    [[nodiscard]] std::wstring ChooseBackupFile(const TStartArguments& start,
                                               const std::vector<std::wstring>& taken);
    // Reads the process list, lets `edit` change this editor's record and writes the list back
    // when it did, all while holding the mutex.
    void EditProcessList(const std::function<bool(std::vector<Profile>&)>& edit);
    [[nodiscard]] std::wstring ReadProfileValue();
    void WriteProfileValue(const std::wstring& path);

    AMutex InstanceMutex;
    HANDLE SharedBlockHandle = nullptr;
    SharedBlock* SharedBlockView = nullptr;  // mapped only while a BlockView lives
    std::wstring BackupFile;
    std::wstring RecordedName;
    std::string RegistryKey;
    std::wstring TempDir;
    // The journal in BackupFile: its base and where its last whole record ends. Not ready until
    // this process wrote or adopted it, or after a write failed part way.
    JournalBase Base;
    uint64_t JournalEnd = 0;
    uint64_t FreshSize = 0;  // the size of the journal when it was last written anew or adopted
    bool JournalReady = false;
    FileFlusher Flusher;  // takes appended records to the disk away from the window
};
