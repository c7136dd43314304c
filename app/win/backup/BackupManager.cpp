// BackupManager: the shared block, the process list, the backup file and the recovery starts.
#include "app/win/backup/BackupManager.h"

#include "app/backup/BackupRules.h"
#include "app/win/backup/BackupJournalFile.h"
#include "app/win/backup/BackupStorage.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/system/EditorProcess.h"
#include "app/texts/ProgramTexts.h"
#include "app/win/backup/ReadStartArguments.h"
#include "common/AError.h"
#include "common/ObjectName.h"
#include "common/PathString.h"
#include "common/win/AHourglass.h"
#include "common/win/ARegistry.h"
#include "common/win/FileSystem.h"
#include "common/win/MessageBox.h"
#include "common/win/WideText.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

namespace {

constexpr char kProfileSection[] = "Process";
constexpr char kProfileValue[] = "profile";
// A list longer than this is damaged; the records beyond it are not read.
constexpr size_t kListReadLimit = 16u << 20;
// A journal this much longer than the document is written anew: that costs about what the
// records since the last new one cost.
constexpr uint64_t kJournalSlack = 64u << 20;
// A document whose base changed on disk is written whole up to this size; a larger one keeps
// the journal it has, which its recovery then finds unable to stand on its base, and leaves for
// the user.
constexpr uint64_t kWholeRewriteLimit = 0x3FFFFFFF;
// A recovered document up to this size is written whole when its recovery takes up its journal.
constexpr uint64_t kSelfContainedSize = 4u << 20;

std::vector<Profile> ReadProcessList(const std::wstring& path)
{
    const std::vector<uint8_t> bytes = ReadFileStart(path, kListReadLimit);
    return ParseProfiles(bytes.data(), bytes.size(), ProcessListNames());
}

void WriteProcessList(const std::wstring& path, const std::vector<Profile>& profiles)
{
    const _CVec<uint8_t> bytes = ComposeProfiles(profiles, ProcessListNames());
    ReplaceFileContents(path, bytes.data(), bytes.size());
}

// The file with its staging copy and, for a backup, its previous generation.
void DeleteWithStaging(const std::wstring& path)
{
    if (path.empty())
        return;
    DeleteFileCleared(path);
    DeleteFileCleared(StagingFileName(path));
    DeleteFileCleared(PreviousGenerationName(path));
}

std::wstring TemporaryFolder()
{
    wchar_t folder[MAX_PATH + 2] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 2, folder);
    if (length == 0 || length >= MAX_PATH + 2)
        return {};
    return MakePathString(folder);
}

} // namespace

// Maps the shared block for as long as it lives; a failed mapping leaves it empty.
class BackupManager::BlockView {
public:
    explicit BlockView(BackupManager& manager) noexcept : manager_(manager)
    {
        manager_.SharedBlockView = static_cast<SharedBlock*>(
            MapViewOfFile(manager_.SharedBlockHandle, FILE_MAP_WRITE, 0, 0, sizeof(SharedBlock)));
    }
    ~BlockView()
    {
        if (manager_.SharedBlockView)
            UnmapViewOfFile(manager_.SharedBlockView);
        manager_.SharedBlockView = nullptr;
    }
    BlockView(const BlockView&) = delete;
    BlockView& operator=(const BlockView&) = delete;

    explicit operator bool() const noexcept { return manager_.SharedBlockView != nullptr; }
    SharedBlock* operator->() const noexcept { return manager_.SharedBlockView; }

    // The path in the block, read within its field whatever another process left there. The
    // field holds the ANSI form, which older editors read too (NewProcessList).
    [[nodiscard]] std::wstring ListPath() const
    {
        const char* path = manager_.SharedBlockView->ProcessListPath;
        const void* end = std::memchr(path, 0, sizeof SharedBlock::ProcessListPath);
        return WideFromAnsi(std::string_view(path, static_cast<size_t>((end ? static_cast<const char*>(end)
                                                                           : path + sizeof SharedBlock::ProcessListPath) - path)));
    }
    void SetListPath(const std::wstring& path) const
    {
        const std::optional<std::string> narrow = ExactAnsi(path);
        char* field = manager_.SharedBlockView->ProcessListPath;
        std::memset(field, 0, sizeof SharedBlock::ProcessListPath);
        if (narrow && narrow->size() < sizeof SharedBlock::ProcessListPath)
            std::memcpy(field, narrow->data(), narrow->size());
    }

private:
    BackupManager& manager_;
};

const ProfileNameForms& ProcessListNames()
{
    static const ProfileNameForms forms{[](std::wstring_view name) { return LegacyName(name, ProfileFieldSize); },
                                        [](std::string_view text) { return WideFromAnsi(text); }};
    return forms;
}

BackupManager::BackupManager()
    : InstanceMutex(SharedObjectName(MutexName, ProgramNameOf(AnsiText(ProgramPath()))))
{
    AMutex::Holder hold(InstanceMutex);
    const std::string blockName =
        MakeObjectName(SharedObjectName(SharedBlockName, ProgramNameOf(AnsiText(ProgramPath()))));
    SharedBlockHandle = OpenFileMappingA(FILE_MAP_WRITE, FALSE, blockName.c_str());
    bool created = false;
    if (!SharedBlockHandle) {
        SharedBlockHandle = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                               sizeof(SharedBlock), blockName.c_str());
        created = SharedBlockHandle && GetLastError() != ERROR_ALREADY_EXISTS;
    }
    if (!SharedBlockHandle)
        throw ASystemError("the shared block cannot be opened");
    {
        BlockView block(*this);
        if (!block) {
            CloseHandle(SharedBlockHandle);
            throw ASystemError("the shared block cannot be mapped");
        }
        if (created) {
            block->InstanceCount = 0;
            block->PathCapacity = sizeof SharedBlock::ProcessListPath;
            block.SetListPath({});
        }
        ++block->InstanceCount;
    }
    RegistryKey = ARegistry::ProgramKey();
    TempDir = TemporaryFolder();
}

BackupManager::~BackupManager()
{
    Flusher.Stop();
    try {
        AMutex::Holder hold(InstanceMutex);
        DeleteWithStaging(BackupFile);
        BlockView block(*this);
        if (block) {
            const std::wstring listPath = block.ListPath();
            std::vector<Profile> profiles = ReadProcessList(listPath);
            const bool removed = RemoveProfile(profiles, BackupFile);
            // The last editor deletes the list unless it holds records no editor took up (a
            // recovery that could not start): the next start finds them as lost documents.
            if (block->InstanceCount <= 1 && profiles.empty()) {
                WriteProfileValue({});
                DeleteWithStaging(listPath);
            } else if (removed) {
                WriteProcessList(listPath, profiles);
            }
            --block->InstanceCount;
        }
    } catch (...) {
        // The end of the editor goes on whatever the clean-up met.
    }
    CloseHandle(SharedBlockHandle);
}

TStartArguments BackupManager::Start(HWND owner)
{
    const TStartArguments start = ReadStartArguments();
    std::vector<Profile> lost;
    {
        AMutex::Holder hold(InstanceMutex);
        BlockView block(*this);
        std::vector<std::wstring> taken;
        std::vector<Profile> profiles;
        std::wstring listPath;
        if (block) {
            listPath = ReadProfileValue();
            switch (ClassifyProcessList(listPath, block.ListPath())) {
            case ProcessListState::None:
                listPath = NewProcessList(block);
                break;
            case ProcessListState::Alive:
                profiles = ReadProcessList(listPath);
                break;
            case ProcessListState::Abandoned:
                lost = RecoverableProfiles(ReadProcessList(listPath));
                taken.push_back(listPath);
                // Only a list an editor made is deleted; the value might name anything.
                if (HasTemporaryFileName(listPath))
                    DeleteWithStaging(listPath);
                listPath = NewProcessList(block);
                break;
            }
        }
        taken.push_back(listPath);
        for (const Profile& profile : profiles)
            taken.push_back(profile.backupFile);
        for (const Profile& profile : lost)
            taken.push_back(profile.backupFile);
        BackupFile = ChooseBackupFile(start, taken);
        RecordedName = start.DocumentName;
        if (block) {
            AddProfile(profiles, {BackupFile, RecordedName});
            WriteProcessList(listPath, profiles);
        }
    }
    // The lost records are now only in this process's memory: the recovery editors start
    // before the message waits for the user, so that an end of this editor meanwhile does not
    // lose them.
    std::vector<Profile> notStarted;
    for (const Profile& profile : lost)
        if (!LaunchRecovery(profile.backupFile, profile.documentName))
            notStarted.push_back(profile);
    // A recovery that could not start keeps its record in this editor's list, so its backup
    // is offered again when the editors have ended.
    if (!notStarted.empty()) {
        AMutex::Holder hold(InstanceMutex);
        if (BlockView block(*this); block) {
            const std::wstring listPath = block.ListPath();
            std::vector<Profile> profiles = ReadProcessList(listPath);
            for (const Profile& profile : notStarted)
                AddProfile(profiles, profile);
            WriteProcessList(listPath, profiles);
        }
    }
    if (!lost.empty())
        ShowMessageBox(owner, kTextAbnormalTermination, kMessageInformation);
    return start;
}

bool BackupManager::WriteBackup(HWND control)
{
    if (BackupFile.empty())
        return false;
    const LONGLONG size = Editor.QX_GetDataSize64(control);
    if (size < 0)
        return false;
    const std::vector<JournalRegion> regions = ControlChanges(control);
    // A base that changed leaves the journal unable to rebuild the document, edits or none.
    const bool baseChanged = BaseChanged();
    if (JournalReady && regions.empty() && !baseChanged)
        return true;
    // Writing the journal anew costs what a journal of the document as it is costs: the whole
    // data without a base, the regions that differ from it on one.
    const uint64_t freshCost = std::max(FreshSize, Base.file.empty() ? static_cast<uint64_t>(size) : 0);
    const bool rewrite = !JournalReady || baseChanged || JournalEnd + RecordSize(regions) > freshCost + kJournalSlack;
    if (!rewrite) {
        switch (AppendJournalRecord(BackupFile, control, regions, JournalEnd)) {
        case AppendResult::Written:
            Flusher.Request(BackupFile);
            Editor.QX_ClearChanges(control);
            return true;
        case AppendResult::WriteFailed:
            // A full disk: the journal is whole as it was, and writing it all anew would only
            // block the window. The next tick tries again.
            return false;
        case AppendResult::NoJournal:
            // Deleted or cut short by another program: written anew at once.
            break;
        }
    }
    // A base that is no longer the file the document stands on cannot carry a journal.
    const bool onBase = !Base.file.empty() && !baseChanged;
    if (!onBase && static_cast<uint64_t>(size) > kWholeRewriteLimit)
        return false;
    JournalReady = false;
    {
        // Without a base the whole data is written: that blocks the window for as long as it takes.
        std::unique_ptr<AHourglass> wait;
        if (!onBase)
            wait = std::make_unique<AHourglass>();
        JournalReady = WriteNewJournal(BackupFile, onBase ? Base : JournalBase{}, control, JournalEnd);
        if (JournalReady && !onBase)
            Base = {};
    }
    if (!JournalReady)
        return false;
    FreshSize = JournalEnd;
    Editor.QX_ClearChanges(control);
    return true;
}

bool BackupManager::ResetBackup(HWND control, const JournalBase& base)
{
    if (BackupFile.empty())
        return false;
    JournalReady = WriteNewJournal(BackupFile, base, control, JournalEnd);
    if (!JournalReady)
        return false;
    Base = base;
    FreshSize = JournalEnd;
    Editor.QX_ClearChanges(control);
    return true;
}

void BackupManager::AdoptBackup(HWND control, const JournalBase& base, uint64_t validEnd)
{
    // A small document is written whole: that costs little and leaves the backup in its
    // plainest form, which needs no other file.
    const LONGLONG size = Editor.QX_GetDataSize64(control);
    if (size >= 0 && static_cast<uint64_t>(size) <= kSelfContainedSize) {
        ResetBackup(control, {});
        return;
    }
    Base = base;
    JournalEnd = validEnd;
    FreshSize = validEnd;
    JournalReady = true;
    Editor.QX_ClearChanges(control);
}

void BackupManager::LeaveBackup()
{
    const std::wstring left = BackupFile;
    BackupFile = MakeTemporaryFile(TempDir);
    JournalReady = false;
    EditProcessList([&](std::vector<Profile>& profiles) { return ReplaceProfileBackup(profiles, left, BackupFile); });
}

bool BackupManager::BaseChanged()
{
    JournalBase now;
    return JournalReady && !Base.file.empty() && (!StampOfFile(Base.file, now) || !SameBase(Base, now));
}

void BackupManager::UpdateRecord(std::wstring_view name)
{
    RecordedName = name;
    EditProcessList([&](std::vector<Profile>& profiles) { return UpdateProfile(profiles, BackupFile, RecordedName); });
}

void BackupManager::EditProcessList(const std::function<bool(std::vector<Profile>&)>& edit)
{
    AMutex::Holder hold(InstanceMutex);
    BlockView block(*this);
    if (!block)
        return;
    const std::wstring listPath = block.ListPath();
    std::vector<Profile> profiles = ReadProcessList(listPath);
    if (edit(profiles))
        WriteProcessList(listPath, profiles);
}

bool BackupManager::LaunchRecovery(std::wstring_view backup, std::wstring_view name)
{
    ACommandLine commandLine(ProgramPath());
    commandLine.AddArgument(L"-b");
    commandLine.AddArgument(backup);
    commandLine.AddArgument(name.empty() ? std::wstring_view(L"-null") : name);
    return StartEditorProcess(commandLine, false);
}

std::wstring BackupManager::NewProcessList(BlockView& block)
{
    std::wstring listPath = MakeTemporaryFile(TempDir);
    // The block and the registry value hold the same name, in a form the block's narrow field
    // spells: the short name of a list in a folder it cannot. Without one there is no list,
    // rather than one that every starting editor would take for abandoned.
    const std::string narrow = LegacyName(listPath, sizeof SharedBlock::ProcessListPath);
    if (narrow.empty())
        DeleteWithStaging(listPath);
    listPath = WideFromAnsi(narrow);
    WriteProfileValue(listPath);
    block.SetListPath(listPath);
    return listPath;
}

std::wstring BackupManager::ChooseBackupFile(const TStartArguments& start, const std::vector<std::wstring>& taken)
{
    // A recovery start keeps the backup it was given as its own only when it is an editor's
    // temporary file nobody else uses: whatever else "-b" names is read, never overwritten
    // or deleted.
    if (start.RecoveryStart && IsOwnTemporaryFile(start.BackupFile, TempDir)
        && std::none_of(taken.begin(), taken.end(),
                        [&](const std::wstring& name) { return SameName(name, start.BackupFile); }))
        return start.BackupFile;
    return MakeTemporaryFile(TempDir);
}

std::wstring BackupManager::ReadProfileValue()
{
    ARegistry registry(RegistryKey);
    return MakePathString(registry.ReadWideText(kProfileSection, kProfileValue).value_or(std::wstring()));
}

void BackupManager::WriteProfileValue(const std::wstring& path)
{
    ARegistry registry(RegistryKey);
    registry.WriteWideString(kProfileSection, kProfileValue, path);
}
