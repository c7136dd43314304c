// A file in the temporary folder for the editor to open, written as another program would,
// and removed (read-only attribute or not) at the end.
#pragma once
#include "common/win/WideText.h"

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

// Deletes a file that an editor may hold open sharing its deletion, so that its name and its
// folder are free at once, as on Windows: Wine keeps the name of such a file until its last
// handle closes, so it is moved to the temporary folder first.
inline bool RemoveHeldFile(const std::wstring& path)
{
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring aside = std::wstring(folder) + L"qx-deleted-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                               std::to_wstring(GetTickCount64());
    if (!MoveFileExW(path.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED))
        return false;
    DeleteFileW(aside.c_str());
    return true;
}

class TempDocument {
public:
    TempDocument(const std::string& name, std::string_view bytes)
        : path_(TempFolder() + name + "_" + std::to_string(GetCurrentProcessId()) + ".bin")
    {
        write(bytes);
    }
    TempDocument(const std::string& name, const std::vector<uint8_t>& bytes)
        : TempDocument(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()))
    {
    }
    ~TempDocument()
    {
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path_.c_str());
    }
    TempDocument(const TempDocument&) = delete;
    TempDocument& operator=(const TempDocument&) = delete;

    [[nodiscard]] const std::string& path() const noexcept { return path_; }
    // The path in quotes, as a command-line argument.
    [[nodiscard]] std::string quoted() const { return "\"" + path_ + "\""; }
    // Replaces the file whole, so an editor checking it meanwhile never sees it half written.
    // A file an editor holds open (sharing its deletion) is replaced as a program that saves
    // safely replaces it under Wine: the old one moved aside and deleted.
    void write(std::string_view bytes) const
    {
        const std::string part = path_ + ".part";
        std::ofstream(part, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (MoveFileExA(part.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING))
            return;
        const std::string aside = path_ + ".old";
        if (MoveFileExA(path_.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING) &&
            MoveFileExA(part.c_str(), path_.c_str(), 0)) {
            DeleteFileA(aside.c_str());
            return;
        }
        DeleteFileA(part.c_str());
        std::ofstream(path_, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    // Deletes the file; see RemoveHeldFile.
    [[nodiscard]] bool remove() const { return RemoveHeldFile(WideFromAnsi(path_)); }
    [[nodiscard]] std::string text() const
    {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    static std::string TempFolder()
    {
        char folder[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        return folder;
    }

    std::string path_;
};
