// BackupScene: one backup test's program copy, registry key, temporary folder and processes.
#pragma once
#include "tests/win/backup/host/HostProtocol.h"

#include "app/backup/Profile.h"
#include "common/win/WideText.h"
#include "tests/win/support/Process.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

struct SharedCount {
    bool open = false;
    int instances = 0;
    std::string listPath;
};

// Each test has its own copy of the program (so its own registry key) and its own temporary
// folder, and ends every process of that copy that is left, started by it or by a host.
class BackupScene {
public:
    // Copies the host to bin\<name>.exe, clears its registry key and gives the test process
    // (and so every host) a fresh temporary folder through TMP and TEMP.
    explicit BackupScene(const std::string& name, const std::string& host = "backup_host.exe");
    // Ends every host and editor still running.
    ~BackupScene();
    BackupScene(const BackupScene&) = delete;
    BackupScene& operator=(const BackupScene&) = delete;

    // Starts the host with the arguments (already quoted as wished).
    std::unique_ptr<ChildProcess> start(const std::string& arguments = {}) const;
    // The host's window once it is shown; null when it did not appear.
    [[nodiscard]] static HWND window(DWORD processId);
    // Every shown window of the class (the host's unless told), of any process.
    [[nodiscard]] static std::vector<HWND> windows(const char* className = kHostClass);
    // Asks every host to close and waits for their processes to end; false when one stayed.
    bool closeAll() const;
    // Closes one host normally and waits for its end.
    static bool close(HWND window);
    // Kills with `kill -9` from the Unix side every host whose command line holds `marker`
    // (a Unix process shows its Windows command line), then waits for the process's end.
    bool killUnix(DWORD processId, const std::string& marker) const;

    [[nodiscard]] std::string profileValue() const;
    void setProfileValue(const std::string& value) const;
    [[nodiscard]] std::vector<Profile> records() const;  // of the list "profile" names
    [[nodiscard]] std::vector<std::string> tempFiles() const;
    // The shared block and the mutex of this copy's editors.
    [[nodiscard]] SharedCount sharedBlock() const;
    [[nodiscard]] std::string mutexName() const;

    [[nodiscard]] const std::string& program() const noexcept { return program_; }
    [[nodiscard]] const std::string& name() const noexcept { return name_; }
    [[nodiscard]] const std::string& tempDir() const noexcept { return tempDir_; }
    [[nodiscard]] std::string tempPath(const std::string& file) const { return tempDir_ + "\\" + file; }
    // A folder of this test outside the temporary folder, for documents and dumps.
    [[nodiscard]] std::string filePath(const std::string& file) const { return filesDir_ + "\\" + file; }

private:
    std::string name_;
    std::string program_;
    std::string tempDir_;
    std::string filesDir_;
};

// Talking to a host window.
bool SetHostData(HWND window, const std::vector<uint8_t>& bytes);
bool SetHostName(HWND window, const std::string& name);
// The host's document bytes, through a dump file.
std::vector<uint8_t> HostData(HWND window, const std::string& dumpFile);
[[nodiscard]] bool HostModified(HWND window);
[[nodiscard]] std::string HostCaption(HWND window);
[[nodiscard]] DWORD HostProcess(HWND window);

std::vector<uint8_t> ReadBytes(const std::wstring& path);
inline std::vector<uint8_t> ReadBytes(const std::string& path) { return ReadBytes(WideFromAnsi(path)); }
// The document a backup file holds, in either of its forms, as a recovery reads it; empty
// when it cannot be read.
std::vector<uint8_t> BackupBytes(const std::wstring& path);
inline std::vector<uint8_t> BackupBytes(const std::string& path) { return BackupBytes(WideFromAnsi(path)); }
bool WriteBytes(const std::wstring& path, const std::vector<uint8_t>& bytes);
inline bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    return WriteBytes(WideFromAnsi(path), bytes);
}
[[nodiscard]] bool Exists(const std::wstring& path);
[[nodiscard]] inline bool Exists(const std::string& path) { return Exists(WideFromAnsi(path)); }
