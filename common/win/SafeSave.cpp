// SaveFileSafely: temporary file in the target's folder, flushed, then moved into place.
#include "common/win/SafeSave.h"

#include "common/PathString.h"
#include "common/win/ASuppressWinMsg.h"

#include <windows.h>

#include <string>

namespace {

// The full form of a name in the drive-letter form ("C:a.bin" and "C:\x\..\a.bin" included);
// empty when it has none.
std::string FullName(std::string_view name)
{
    if (!HasDriveLetter(name) || name.find('\0') != std::string_view::npos)
        return {};
    const std::string given(name);
    std::string full(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetFullPathNameA(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0)
            return {};
        if (length < full.size()) {
            full.resize(length);
            return HasDriveLetter(full) ? full : std::string();
        }
        full.resize(length);
    }
}

// A new, empty file in the folder with a name of the system's choosing; empty on failure.
std::string NewTemporaryFile(const std::string& folder)
{
    char name[MAX_PATH + 1] = {};
    if (!GetTempFileNameA((folder + '\\').c_str(), "QX", 0, name))
        return {};
    return name;
}

bool WriteTemporaryFile(const std::string& temporary, uint64_t size, const FileContentWriter& writeContent)
{
    AFilePtr file;
    if (!file.Open(temporary, AFilePtr::kWrite, true))
        return false;
    if (!file.SetLength(size) || !file.Seek(0, AFilePtr::kBegin))
        return false;
    return writeContent(file) && file.Flush();
}

constexpr DWORD WriteThroughMove = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;

// The temporary file takes the target's place; false with the target untouched otherwise.
// Sets `keepTemporary` when the target is gone but the new file could not take its place:
// the temporary file is then the only complete copy left.
bool MoveIntoPlace(const std::string& temporary, const std::string& target, bool& keepTemporary)
{
    const DWORD attributes = GetFileAttributesA(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return MoveFileExA(temporary.c_str(), target.c_str(), WriteThroughMove) != 0;
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
        return false;
    // A target that another program holds without sharing its deletion cannot be replaced;
    // asking first spares a half-done attempt of the system.
    const HANDLE probe = CreateFileA(target.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(probe);
    // ReplaceFileA keeps the target's attributes, but not every implementation of it does:
    // the new file carries them already.
    constexpr DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    SetFileAttributesA(temporary.c_str(), (attributes & kept) | FILE_ATTRIBUTE_ARCHIVE);
    if (ReplaceFileA(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return true;
    // Some implementations move the target away before they move the new file in; when that
    // last step fails, the complete new bytes take the target's place.
    if (GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES)
        return false;
    if (MoveFileExA(temporary.c_str(), target.c_str(), WriteThroughMove))
        return true;
    keepTemporary = true;
    return false;
}

} // namespace

bool SaveFileSafely(std::string_view name, uint64_t size, const FileContentWriter& writeContent)
{
    ASuppressWinMsg suppress;
    const std::string target = FullName(name);
    const std::string folder = FolderOf(target);
    if (folder.empty())
        return false;
    const std::string temporary = NewTemporaryFile(folder);
    if (temporary.empty())
        return false;
    bool saved = false;
    bool keepTemporary = false;
    try {
        saved = WriteTemporaryFile(temporary, size, writeContent) && MoveIntoPlace(temporary, target, keepTemporary);
    } catch (...) {
        // Out of memory in the writer is the caller's to report; the folder is left clean.
        DeleteFileA(temporary.c_str());
        throw;
    }
    if (!saved && !keepTemporary)
        DeleteFileA(temporary.c_str());
    return saved;
}

bool WriteWholeFile(std::string_view name, const void* bytes, size_t count)
{
    return SaveFileSafely(name, count, [&](AFilePtr& file) {
        return count == 0 || file.Write(bytes, count, 1) == 1;
    });
}
