// TestFolder and the plain file helpers of the file tests.
#include "tests/win/files/TestFolder.h"

#include "common/win/WideText.h"

#include "app/win/documents/DocumentSource.h"

#include <algorithm>
#include <atomic>

namespace {

// Removes a tree of any depth and name length: every call goes in the \\?\ form.
void RemoveTree(const std::wstring& folder)
{
    const std::wstring full = folder.starts_with(L"\\\\?\\") ? folder : L"\\\\?\\" + folder;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((full + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring path = full + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(full.c_str());
}

// The \\?\ form of a long name, for the plain calls of these helpers.
std::wstring Long(const std::wstring& path)
{
    return path.size() < MAX_PATH || path.starts_with(L"\\\\") ? path : L"\\\\?\\" + path;
}

} // namespace

TestFolder::TestFolder(const std::wstring& parent)
{
    static std::atomic<int> counter{0};
    std::wstring base = parent;
    if (base.empty()) {
        wchar_t temp[MAX_PATH + 2] = {};
        GetTempPathW(MAX_PATH + 2, temp);
        base = temp;
    }
    if (!base.empty() && base.back() == L'\\')
        base.pop_back();
    parent_ = base;
    path_ = base + L"\\qx-files-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
    RemoveTree(path_);
    CreateDirectoryW(Long(path_).c_str(), nullptr);
}

TestFolder::~TestFolder()
{
    // A folder that is the current directory cannot be removed.
    SetCurrentDirectoryW(parent_.c_str());
    RemoveTree(path_);
}

std::vector<std::string> TestFolder::names() const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((Long(path_) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(AnsiText(name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

void PutFile(const std::wstring& path, std::string_view bytes)
{
    HANDLE file = CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string FileText(const std::wstring& path)
{
    HANDLE file = CreateFileW(Long(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<missing>";
    std::string text;
    char block[65536];
    DWORD read = 0;
    while (ReadFile(file, block, sizeof block, &read, nullptr) && read > 0)
        text.append(block, read);
    CloseHandle(file);
    return text;
}

bool MakeSizedFile(const std::wstring& path, uint64_t size)
{
    HANDLE file = CreateFileW(Long(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    const bool sized = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return sized;
}

std::string PatternBytes(size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    uint32_t state = seed * 2654435761u + 1;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

std::string BackupText(const std::wstring& backup)
{
    BackupDocumentSource source;
    uint64_t size = 0;
    std::string text;
    if (!source.open(backup, size))
        return text;
    text.resize(static_cast<size_t>(size));
    return source.read(reinterpret_cast<uint8_t*>(text.data()), text.size()) ? text : std::string();
}

EnvironmentOverride::EnvironmentOverride(const wchar_t* name, const std::wstring& value) : name_(name)
{
    wchar_t old[32768] = {};
    had_ = GetEnvironmentVariableW(name, old, 32768) > 0;
    old_ = old;
    SetEnvironmentVariableW(name, value.c_str());
}

EnvironmentOverride::~EnvironmentOverride() { SetEnvironmentVariableW(name_, had_ ? old_.c_str() : nullptr); }
