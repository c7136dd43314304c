// Steps shared by the recovery tests.
#include "tests/win/backup/RecoveryChecks.h"

#include "common/PathString.h"

#include "tests/win/support/MessageBoxCatcher.h"
#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/Process.h"
#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/Wait.h"

#include <random>

std::string AnswerStartBox(DWORD processId)
{
    HWND first = WaitForProcessWindow(processId, nullptr);
    char name[64] = {};
    GetClassNameA(first, name, sizeof name);
    if (!first || lstrcmpA(name, "#32770") != 0)
        return {};
    const CaughtBox box = ReadMessageBox(first);
    PostMessageA(first, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return box.text;
}

std::vector<HWND> WaitForHosts(size_t count, DWORD excludedProcess)
{
    WaitFor([&] { return BackupScene::windows().size() >= count; }, 20000);
    std::vector<HWND> hosts;
    for (HWND window : BackupScene::windows())
        if (HostProcess(window) != excludedProcess)
            hosts.push_back(window);
    return hosts;
}

HWND WaitForRecoveryWindow(DWORD restartedProcess)
{
    HWND recovered = nullptr;
    WaitFor([&] {
        for (HWND window : BackupScene::windows("TFormVornalix"))
            if (HostProcess(window) != restartedProcess)
                recovered = window;
        return recovered != nullptr;
    }, 20000);
    return recovered;
}

std::optional<Profile> RecordOf(const std::vector<Profile>& records, std::wstring_view name)
{
    for (const Profile& record : records)
        if (SameName(record.documentName, name))
            return record;
    return std::nullopt;
}

std::vector<uint8_t> RandomBytes(size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes(size);
    for (uint8_t& byte : bytes)
        byte = static_cast<uint8_t>(random());
    return bytes;
}

// Closes an editor as a user would, dropping unsaved changes.
bool CloseEditor(HWND main)
{
    const DWORD processId = HostProcess(main);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (!process)
        return false;
    const auto ended = [&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; };
    PostMessageA(main, WM_CLOSE, 0, 0);
    HWND query = nullptr;
    WaitFor([&] { return ended() || (query = WaitForProcessWindow(processId, "TFormQuerySave", 0)) != nullptr; },
            15000);
    if (const HWND noSave = query ? ChildWithText(query, "保存しない") : nullptr)
        PostClick(noSave);
    const bool closed = WaitFor(ended, 15000);
    CloseHandle(process);
    return closed;
}
