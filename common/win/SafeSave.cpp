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

SaveResult Failed(SaveStep step, DWORD error) { return {false, step, error, 0, 0, {}}; }

SaveResult Succeeded() { return {true, SaveStep::Name, 0, 0, 0, {}}; }

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
            return Succeeded();
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
    return Succeeded();
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
    return Succeeded();
}

// True when the rename left `from` behind: the call failed, or claimed success without moving.
bool Renamed(BOOL called, const std::wstring& from, const std::wstring& to)
{
    return called && !Exists(from) && Exists(to);
}

// The POSIX-semantics rename through a handle of the temporary file.
bool RenameReplacing(const std::wstring& temporary, const std::wstring& target)
{
    const HANDLE file = FileCalls::Open(temporary, DELETE | SYNCHRONIZE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING, 0);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const BOOL called = FileCalls::RenameReplacing(file, target);
    CloseHandle(file);
    return Renamed(called, temporary, target);
}

// The old target goes aside to a new name in its folder, the temporary file takes its name, and
// the aside is deleted; a handle that reads the old file meanwhile (sharing its deletion) reads
// on. When the temporary file cannot go in, the old one goes back.
SaveResult ReplaceThroughAside(const std::wstring& temporary, const std::wstring& target, const std::wstring& folder)
{
    const std::wstring aside = FileCalls::MakeTemporary(folder, L"QX");
    if (aside.empty())
        return Failed(SaveStep::Replace, GetLastError());
    if (!Renamed(FileCalls::Move(target, aside, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH),
                 target, aside)) {
        const DWORD error = GetLastError();
        if (Exists(target))
            Discard(aside);
        return Failed(SaveStep::Replace, error ? error : ERROR_WRITE_FAULT);
    }
    if (Renamed(FileCalls::Move(temporary, target, MOVEFILE_WRITE_THROUGH), temporary, target)) {
        Discard(aside);
        return Succeeded();
    }
    const DWORD error = GetLastError();
    SaveResult failed = Failed(SaveStep::Replace, error ? error : ERROR_WRITE_FAULT);
    // A target that came in after all (the call claimed failure) is not overwritten.
    if (!Exists(target) &&
        !Renamed(FileCalls::Move(aside, target, MOVEFILE_WRITE_THROUGH), aside, target))
        failed.keptAside = aside;
    return failed;
}

// The temporary file takes the target's place; the target is untouched otherwise.
SaveResult MoveIntoPlace(const std::wstring& temporary, const std::wstring& target, const std::wstring& folder,
                         const TargetState& state)
{
    if (RenameReplacing(temporary, target))
        return Succeeded();
    if (Renamed(FileCalls::Move(temporary, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH),
                temporary, target))
        return Succeeded();
    const DWORD error = GetLastError();
    if (!state.exists || !Exists(temporary))
        return Failed(SaveStep::Replace, error ? error : ERROR_WRITE_FAULT);
    return ReplaceThroughAside(temporary, target, folder);
}

// Room on the target's disk for the whole temporary file; a disk that cannot be asked is tried.
SaveResult CheckRoom(const std::wstring& folder, uint64_t size)
{
    ULARGE_INTEGER available{};
    if (GetDiskFreeSpaceExW(SystemName(folder + L'\\').c_str(), &available, nullptr, nullptr) && available.QuadPart < size) {
        SaveResult result = Failed(SaveStep::Room, ERROR_DISK_FULL);
        result.needed = size;
        result.available = available.QuadPart;
        return result;
    }
    return Succeeded();
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
    if (SaveResult room = CheckRoom(folder, size); !room)
        return room;
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
        result = MoveIntoPlace(temporary, target, folder, state);
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
