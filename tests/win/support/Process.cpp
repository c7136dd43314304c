// Starting the program as a separate process and finding its windows.
#include "tests/win/support/Process.h"

#include "tests/win/support/Wait.h"

#include <vector>

ChildProcess::ChildProcess(const std::string& program, const std::string& commandLine,
                           const char* workingFolder)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, workingFolder,
                       &startup, &info)) {
        process_ = info.hProcess;
        id_ = info.dwProcessId;
        CloseHandle(info.hThread);
    }
}

ChildProcess::ChildProcess(const std::wstring& program, const std::wstring& commandLine)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    if (CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        process_ = info.hProcess;
        id_ = info.dwProcessId;
        CloseHandle(info.hThread);
    }
}

ChildProcess::~ChildProcess()
{
    if (!process_)
        return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT)
        terminate();
    CloseHandle(process_);
}

bool ChildProcess::waitForExit(DWORD timeoutMs)
{
    return process_ && WaitFor([&] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, timeoutMs);
}

DWORD ChildProcess::exitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (process_)
        GetExitCodeProcess(process_, &code);
    return code;
}

void ChildProcess::terminate()
{
    if (process_) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
}

namespace {
struct Search {
    DWORD processId;
    const char* className;
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM param)
{
    auto& search = *reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !IsWindowVisible(window))
        return TRUE;
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (search.className && lstrcmpA(name, search.className) != 0)
        return TRUE;
    search.found = window;
    return FALSE;
}
} // namespace

HWND WaitForProcessWindow(DWORD processId, const char* className, DWORD timeoutMs)
{
    Search search{processId, className, nullptr};
    WaitFor([&] {
        EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, timeoutMs);
    return search.found;
}

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}
