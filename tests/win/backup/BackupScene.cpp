// BackupScene: program copies, registry keys, temporary folders and host processes of the backup tests.
#include "tests/win/backup/BackupScene.h"
#include "common/win/WideText.h"

#include "app/backup/BackupRules.h"
#include "app/win/backup/BackupManager.h"
#include "app/win/documents/DocumentSource.h"
#include "common/ObjectName.h"
#include "tests/win/support/Wait.h"

#include <tlhelp32.h>


namespace {

const std::string kKeyBase = "Software\\KORVANI\\";

void EmptyFolder(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string entry = folder + "\\" + found.cFileName;
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            SetFileAttributesA(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(entry.c_str());
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

struct Collect {
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param)
{
    auto& collect = *reinterpret_cast<Collect*>(param);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, collect.className) == 0 && IsWindowVisible(window))
        collect.found.push_back(window);
    return TRUE;
}

bool WaitForProcessEnd(DWORD processId, DWORD timeoutMs)
{
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!process)
        return true;
    const bool ended = WaitFor([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, timeoutMs);
    CloseHandle(process);
    return ended;
}

// Ends every process of the program: editors waiting for an answer, or not yet shown, would
// otherwise keep the shared block alive into the next test.
void EndProcessesOf(const std::string& exe)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, exe.c_str()) != 0)
            continue;
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID);
        if (process) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
    CloseHandle(snapshot);
}

} // namespace

BackupScene::BackupScene(const std::string& name, const std::string& host)
    : name_(name), program_(ProgramFolder() + name + ".exe")
{
    EndProcessesOf(name + ".exe");
    CopyFileA((ProgramFolder() + host).c_str(), program_.c_str(), FALSE);
    RegDeleteTreeA(HKEY_CURRENT_USER, (kKeyBase + name).c_str());
    const std::string root = ProgramFolder() + "backup-tests";
    CreateDirectoryA(root.c_str(), nullptr);
    tempDir_ = root + "\\" + name;
    filesDir_ = tempDir_ + "-files";
    CreateDirectoryA(tempDir_.c_str(), nullptr);
    CreateDirectoryA(filesDir_.c_str(), nullptr);
    EmptyFolder(tempDir_);
    EmptyFolder(filesDir_);
    SetEnvironmentVariableA("TMP", tempDir_.c_str());
    SetEnvironmentVariableA("TEMP", tempDir_.c_str());
}

BackupScene::~BackupScene()
{
    closeAll();
    EndProcessesOf(name_ + ".exe");
}

std::unique_ptr<ChildProcess> BackupScene::start(const std::string& arguments) const
{
    std::string line = "\"" + program_ + "\"";
    if (!arguments.empty())
        line += " " + arguments;
    return std::make_unique<ChildProcess>(program_, line);
}

HWND BackupScene::window(DWORD processId) { return WaitForProcessWindow(processId, kHostClass); }

std::vector<HWND> BackupScene::windows(const char* className)
{
    Collect collect{className, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&collect));
    return collect.found;
}

bool BackupScene::close(HWND window)
{
    const DWORD processId = HostProcess(window);
    PostMessageA(window, WM_CLOSE, 0, 0);
    return WaitForProcessEnd(processId, 15000);
}

bool BackupScene::closeAll() const
{
    bool closed = true;
    for (HWND window : windows())
        closed = close(window) && closed;
    return closed;
}

bool BackupScene::killUnix(DWORD processId, const std::string& marker) const
{
    // Wine starts Unix programs too. The shell finds the hosts of this test's program whose
    // command line holds the marker, and skips itself.
    const std::string exe = name_ + ".exe";
    std::string script = "for p in /proc/[0-9]*; do n=${p#/proc/}; [ \"$n\" = \"$$\" ] && continue; "
                         "c=$(tr '\\000' ' ' 2>/dev/null < $p/cmdline); case \"$c\" in *" + exe + "*" + marker
                         + "*) kill -9 $n;; esac; done";
    std::string line = "/bin/sh -c \"" + script + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION shell{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &shell))
        return false;
    WaitForSingleObject(shell.hProcess, 15000);
    CloseHandle(shell.hThread);
    CloseHandle(shell.hProcess);
    return WaitForProcessEnd(processId, 15000);
}

std::string BackupScene::profileValue() const
{
    char value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, (kKeyBase + name_ + "\\Process").c_str(), "profile", RRF_RT_REG_SZ,
                     nullptr, value, &size) != ERROR_SUCCESS)
        return {};
    return value;
}

void BackupScene::setProfileValue(const std::string& value) const
{
    RegSetKeyValueA(HKEY_CURRENT_USER, (kKeyBase + name_ + "\\Process").c_str(), "profile", REG_SZ,
                    value.c_str(), static_cast<DWORD>(value.size() + 1));
}

std::vector<Profile> BackupScene::records() const
{
    const std::vector<uint8_t> bytes = ReadBytes(profileValue());
    return ParseProfiles(bytes.data(), bytes.size(), ProcessListNames());
}

std::vector<std::string> BackupScene::tempFiles() const
{
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((tempDir_ + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return files;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            files.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return files;
}

std::string BackupScene::mutexName() const { return SharedObjectName(BackupManager::MutexName, name_); }

SharedCount BackupScene::sharedBlock() const
{
    SharedCount count;
    const std::string blockName = MakeObjectName(SharedObjectName(BackupManager::SharedBlockName, name_));
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, blockName.c_str());
    if (!mapping)
        return count;
    if (const auto* block = static_cast<const SharedBlock*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0))) {
        count.open = true;
        count.instances = block->InstanceCount;
        count.listPath = block->ProcessListPath;
        UnmapViewOfFile(block);
    }
    CloseHandle(mapping);
    return count;
}

namespace {

bool SendCopyData(HWND window, ULONG_PTR kind, const void* bytes, size_t size)
{
    COPYDATASTRUCT data{kind, static_cast<DWORD>(size), const_cast<void*>(bytes)};
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 60000,
                               &result)
           && result != 0;
}

} // namespace

bool SetHostData(HWND window, const std::vector<uint8_t>& bytes)
{
    return SendCopyData(window, kHostSetData, bytes.data(), bytes.size());
}

bool SetHostName(HWND window, const std::string& name)
{
    return SendCopyData(window, kHostSetName, name.data(), name.size());
}

std::vector<uint8_t> HostData(HWND window, const std::string& dumpFile)
{
    if (!SendCopyData(window, kHostDumpData, dumpFile.data(), dumpFile.size()))
        return {};
    return ReadBytes(dumpFile);
}

bool HostModified(HWND window) { return SendMessageA(window, kHostIsModified, 0, 0) != 0; }

std::string HostCaption(HWND window)
{
    char caption[512] = {};
    GetWindowTextA(window, caption, sizeof caption);
    return caption;
}

DWORD HostProcess(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::vector<uint8_t> ReadBytes(const std::wstring& path)
{
    std::vector<uint8_t> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        read = 0;
    bytes.resize(read);
    CloseHandle(file);
    return bytes;
}

std::vector<uint8_t> BackupBytes(const std::wstring& path)
{
    BackupDocumentSource source;
    uint64_t size = 0;
    std::vector<uint8_t> bytes;
    if (!source.open(path, size))
        return bytes;
    bytes.resize(static_cast<size_t>(size));
    if (!source.read(bytes.data(), bytes.size()))
        bytes.clear();
    return bytes;
}

bool WriteBytes(const std::wstring& path, const std::vector<uint8_t>& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = bytes.empty()
                    || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)
                        && written == bytes.size());
    CloseHandle(file);
    return ok;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
