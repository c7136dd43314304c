// SaveFileSafely: temporary file in the target's folder, flushed and checked, then renamed into place.
#include "common/win/SafeSave.h"

#include "common/PathString.h"
#include "common/win/ASuppressWinMsg.h"
#include "common/win/FileCalls.h"
#include "common/win/FileSystem.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

// Temporary files of failed saves that could not be deleted yet.
std::vector<std::wstring> leftovers;

// The full form of an absolute name ("C:a.bin" and "C:\\x\\..\\a.bin" included); empty when it
// has none.
std::wstring FullName(std::wstring_view name)
{
    if (!IsAbsoluteName(name) || name.find(L'\0') != std::wstring_view::npos)
        return {};
    const std::wstring given(name);
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0)
            return {};
        if (length < full.size()) {
            full.resize(length);
            return IsAbsoluteName(full) ? full : std::wstring();
        }
        full.resize(length);
    }
}

bool Exists(const std::wstring& name) { return GetFileAttributesW(SystemName(name).c_str()) != INVALID_FILE_ATTRIBUTES; }

// Deletes the file, or remembers it for SweepSaveLeftovers when it is still there afterwards.
void Discard(const std::wstring& name)
{
    FileCalls::Remove(name);
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
SaveResult ReadTarget(const std::wstring& target, TargetState& state)
{
    const std::wstring system = SystemName(target);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(system.c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return {true};
        return Failed(error == ERROR_PATH_NOT_FOUND ? SaveStep::Temporary : SaveStep::Target, error);
    }
    if (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
        return Failed(SaveStep::Target, ERROR_ACCESS_DENIED);
    // A target that another program holds without sharing its deletion cannot be replaced;
    // asking first spares writing a whole temporary file in vain.
    const HANDLE probe = CreateFileW(system.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
    if (probe == INVALID_HANDLE_VALUE)
        return Failed(SaveStep::Target, GetLastError());
    CloseHandle(probe);
    state = {true, data.dwFileAttributes, data.ftCreationTime};
    return {true};
}

// The temporary file gets the contents, flushed and checked for their length, and the target's
// creation time; the attributes follow once it is closed.
SaveResult WriteTemporary(const std::wstring& temporary, uint64_t size, const FileContentWriter& writeContent,
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
        FileCalls::SetAttributes(temporary, (target.attributes & kept) | FILE_ATTRIBUTE_ARCHIVE);
    return {true};
}

// The temporary file takes the target's place in one rename; the target is untouched otherwise.
SaveResult MoveIntoPlace(const std::wstring& temporary, const std::wstring& target)
{
    if (!FileCalls::Move(temporary, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Failed(SaveStep::Replace, GetLastError());
    // A rename that reported success without taking place leaves the temporary name behind.
    if (Exists(temporary))
        return Failed(SaveStep::Replace, ERROR_WRITE_FAULT);
    return {true};
}

} // namespace

SaveResult SaveFileSafely(std::wstring_view name, uint64_t size, const FileContentWriter& writeContent)
{
    ASuppressWinMsg suppress;
    SweepSaveLeftovers();
    const std::wstring target = FullName(name);
    const std::wstring folder = FolderOf(target);
    if (folder.empty())
        return Failed(SaveStep::Name, ERROR_INVALID_NAME);
    TargetState state;
    if (SaveResult checked = ReadTarget(target, state); !checked)
        return checked;
    const std::wstring temporary = FileCalls::MakeTemporary(folder, L"QX");
    if (temporary.empty())
        return Failed(SaveStep::Temporary, GetLastError());
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

SaveResult WriteWholeFile(std::wstring_view name, const void* bytes, size_t count)
{
    return SaveFileSafely(name, count, [&](AFilePtr& file) { return count == 0 || file.Write(bytes, count, 1) == 1; });
}

void SweepSaveLeftovers() noexcept
{
    if (leftovers.empty())
        return;
    try {
        ASuppressWinMsg suppress;
        std::vector<std::wstring> still;
        for (const std::wstring& name : leftovers) {
            FileCalls::Remove(name);
            if (Exists(name))
                still.push_back(name);
        }
        leftovers = std::move(still);
    } catch (...) {
        // Out of memory: the names stay for the next sweep.
    }
}
