// SaveFileSafely: temporary file in the target's folder, flushed and checked, then renamed into place.
#include "common/win/SafeSave.h"

#include "common/PathString.h"
#include "common/win/ASuppressWinMsg.h"
#include "common/win/FileCalls.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

// Temporary files of failed saves that could not be deleted yet.
std::vector<std::string> leftovers;

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

bool Exists(const std::string& name) { return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Deletes the file, or remembers it for SweepSaveLeftovers when it is still there afterwards.
void Discard(const std::string& name)
{
    FileCalls::Remove(name.c_str());
    if (Exists(name))
        leftovers.push_back(name);
}

SaveResult Failed(SaveStep step, DWORD error) { return {false, step, error}; }

// What the target is now: its attributes and creation time when it exists.
struct TargetState {
    bool exists = false;
    DWORD attributes = 0;
    FILETIME creation{};
};

// The target as it stands, or why it cannot be replaced.
SaveResult ReadTarget(const std::string& target, TargetState& state)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(target.c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return {true};
        return Failed(error == ERROR_PATH_NOT_FOUND ? SaveStep::Temporary : SaveStep::Target, error);
    }
    if (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
        return Failed(SaveStep::Target, ERROR_ACCESS_DENIED);
    // A target that another program holds without sharing its deletion cannot be replaced;
    // asking first spares writing a whole temporary file in vain.
    const HANDLE probe = CreateFileA(target.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe == INVALID_HANDLE_VALUE)
        return Failed(SaveStep::Target, GetLastError());
    CloseHandle(probe);
    state = {true, data.dwFileAttributes, data.ftCreationTime};
    return {true};
}

// The temporary file gets the contents, flushed and checked for their length, and the target's
// creation time; the attributes follow once it is closed.
SaveResult WriteTemporary(const std::string& temporary, uint64_t size, const FileContentWriter& writeContent,
                          const TargetState& target)
{
    AFilePtr file;
    if (!file.Open(temporary, AFilePtr::kWrite, true))
        return Failed(SaveStep::Temporary, GetLastError());
    if (!file.SetLength(size) || !file.Seek(0, AFilePtr::kBegin))
        return Failed(SaveStep::Reserve, GetLastError());
    SetLastError(ERROR_SUCCESS);
    if (!writeContent(file))
        return Failed(SaveStep::Write, GetLastError());
    if (!file.Flush())
        return Failed(SaveStep::Flush, GetLastError());
    // A write or a length change that reported success without doing it shows here: the bytes
    // end where they should, and nothing stands after them.
    uint64_t end = 0, length = 0;
    if (!file.Position(end) || !file.Size(length) || end != size || length != size)
        return Failed(SaveStep::Check, ERROR_WRITE_FAULT);
    if (target.exists)
        file.SetCreationTime(target.creation);
    file.CloseWithoutFlush();
    constexpr DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (target.attributes & kept)
        FileCalls::SetAttributes(temporary.c_str(), (target.attributes & kept) | FILE_ATTRIBUTE_ARCHIVE);
    return {true};
}

// The temporary file takes the target's place in one rename; the target is untouched otherwise.
SaveResult MoveIntoPlace(const std::string& temporary, const std::string& target)
{
    if (!FileCalls::Move(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Failed(SaveStep::Replace, GetLastError());
    // A rename that reported success without taking place leaves the temporary name behind.
    if (Exists(temporary))
        return Failed(SaveStep::Replace, ERROR_WRITE_FAULT);
    return {true};
}

} // namespace

SaveResult SaveFileSafely(std::string_view name, uint64_t size, const FileContentWriter& writeContent)
{
    ASuppressWinMsg suppress;
    SweepSaveLeftovers();
    const std::string target = FullName(name);
    const std::string folder = FolderOf(target);
    if (folder.empty())
        return Failed(SaveStep::Name, ERROR_INVALID_NAME);
    TargetState state;
    if (SaveResult checked = ReadTarget(target, state); !checked)
        return checked;
    char made[MAX_PATH + 1] = {};
    if (!FileCalls::MakeTemporary((folder + '\\').c_str(), "QX", made))
        return Failed(SaveStep::Temporary, GetLastError());
    const std::string temporary = made;
    SaveResult result;
    try {
        result = WriteTemporary(temporary, size, writeContent, state);
    } catch (...) {
        // Out of memory in the writer is the caller's to report; the folder is left clean.
        Discard(temporary);
        throw;
    }
    if (result)
        result = MoveIntoPlace(temporary, target);
    if (!result)
        Discard(temporary);
    return result;
}

SaveResult WriteWholeFile(std::string_view name, const void* bytes, size_t count)
{
    return SaveFileSafely(name, count, [&](AFilePtr& file) { return count == 0 || file.Write(bytes, count, 1) == 1; });
}

void SweepSaveLeftovers() noexcept
{
    if (leftovers.empty())
        return;
    try {
        ASuppressWinMsg suppress;
        std::vector<std::string> still;
        for (const std::string& name : leftovers) {
            FileCalls::Remove(name.c_str());
            if (Exists(name))
                still.push_back(name);
        }
        leftovers = std::move(still);
    } catch (...) {
        // Out of memory: the names stay for the next sweep.
    }
}
