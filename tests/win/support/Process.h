// Starting the program as a separate process and finding its windows.
#pragma once
#include <windows.h>

#include <string>

class ChildProcess {
public:
    // Starts `commandLine` (the program path quoted inside it as the caller wishes).
    ChildProcess(const std::string& program, const std::string& commandLine,
                 const char* workingFolder = nullptr);
    // The same through CreateProcessW, for lines with names no code page spells.
    ChildProcess(const std::wstring& program, const std::wstring& commandLine);
    ~ChildProcess();  // ends the process if it still runs
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    [[nodiscard]] bool started() const noexcept { return process_ != nullptr; }
    [[nodiscard]] DWORD id() const noexcept { return id_; }
    [[nodiscard]] HANDLE handle() const noexcept { return process_; }
    // Waits for the end; false when it did not end within the time.
    bool waitForExit(DWORD timeoutMs = 15000);
    [[nodiscard]] DWORD exitCode() const;
    void terminate();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// The first visible top-level window of the process whose class is `className` (any class
// when null), waiting up to the time; null when none appeared.
HWND WaitForProcessWindow(DWORD processId, const char* className, DWORD timeoutMs = 15000);

// The folder of the running test program, with a trailing backslash.
std::string ProgramFolder();
