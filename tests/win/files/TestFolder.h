// A fresh folder per test in the temporary folder, plain file helpers that bypass the file layer,
// and a backup read back as a recovery reads it.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TestFolder {
public:
    // Made under `parent` (the temporary folder when empty), with a name of its own. Names
    // are the program's, UTF-16; a narrow name given is ASCII.
    explicit TestFolder(const std::wstring& parent = {});
    ~TestFolder();  // removes the folder and everything in it
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    [[nodiscard]] const std::wstring& path() const noexcept { return path_; }
    [[nodiscard]] std::wstring operator/(std::wstring_view name) const { return path_ + L"\\" + std::wstring(name); }
    [[nodiscard]] std::wstring operator/(std::string_view name) const
    {
        return *this / std::wstring_view(std::wstring(name.begin(), name.end()));
    }
    // The names in the folder, sorted, without "." and "..".
    [[nodiscard]] std::vector<std::string> names() const;

private:
    std::wstring parent_;
    std::wstring path_;
};

// Plain Win32 writes and reads for setting up and checking files.
void PutFile(const std::wstring& path, std::string_view bytes);
[[nodiscard]] std::string FileText(const std::wstring& path);  // "<missing>" when unreadable
// The document a backup gives back, as a recovery reads it; empty when it gives none.
[[nodiscard]] std::string BackupText(const std::wstring& backup);

// The environment variable set for as long as it lives.
class EnvironmentOverride {
public:
    EnvironmentOverride(const wchar_t* name, const std::wstring& value);
    ~EnvironmentOverride();
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    const wchar_t* name_;
    bool had_;
    std::wstring old_;
};

// A file of `size` bytes whose length is set without writing (sparse where the disk allows).
bool MakeSizedFile(const std::wstring& path, uint64_t size);
// Some bytes of every value, `size` long, depending on `seed`.
[[nodiscard]] std::string PatternBytes(size_t size, unsigned seed = 1);
