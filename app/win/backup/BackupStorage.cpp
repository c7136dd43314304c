// The backup manager's files, with the system's critical-error boxes suppressed throughout.
#include "app/win/backup/BackupStorage.h"

#include "app/backup/BackupRules.h"
#include "common/PathString.h"
#include "common/win/AFilePtr.h"
#include "common/win/ASuppressWinMsg.h"
#include "common/win/FileCalls.h"
#include "common/win/FileSystem.h"

#include <windows.h>

std::wstring MakeTemporaryFile(const std::wstring& folder)
{
    if (folder.empty())
        return {};
    ASuppressWinMsg suppress;
    const std::wstring name = FileCalls::MakeTemporary(folder, TemporaryPrefix);
    if (name.empty())
        return {};
    std::wstring path = MakePathString(name);
    // A name too long to keep would leave an empty file nobody knows of.
    if (path.empty())
        FileCalls::Remove(name);
    return path;
}

std::vector<uint8_t> ReadFileStart(const std::wstring& path, size_t limit)
{
    std::vector<uint8_t> bytes;
    AFilePtr file;
    uint64_t size = 0;
    if (!file.Open(path, AFilePtr::kRead) || !file.Size(size))
        return bytes;
    bytes.resize(size < limit ? static_cast<size_t>(size) : limit);
    bytes.resize(file.Read(bytes.data(), 1, bytes.size()));
    return bytes;
}

bool ReplaceFileContents(const std::wstring& path, const void* bytes, size_t size)
{
    return ReplaceFileContents(path, size, [&](AFilePtr& file) { return size == 0 || file.Write(bytes, size, 1) == 1; });
}

bool ReplaceFileContents(const std::wstring& path, uint64_t size, const FileContentWriter& writeContent,
                         const std::wstring& previous)
{
    if (!IsAbsoluteName(path))
        return false;
    ASuppressWinMsg suppress;
    const std::wstring staging = StagingFileName(path);
    AFilePtr file;
    bool written = file.Open(staging, AFilePtr::kWrite, true) && file.SetLength(size)
                   && file.Seek(0, AFilePtr::kBegin) && writeContent(file) && file.Flush();
    // Length and position check that the length change and every write took place, whatever
    // the calls reported.
    uint64_t length = 0, position = 0;
    written = written && file.Size(length) && file.Position(position) && length == size && position == size;
    file.CloseWithoutFlush();
    constexpr DWORD move = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    // The file as it was goes aside first when asked; should the new one then fail to take its
    // place, a reader finds the old one there.
    // An empty file, as a backup is before its first write, is no generation to keep.
    WIN32_FILE_ATTRIBUTE_DATA old;
    if (written && !previous.empty() && GetFileAttributesExW(SystemName(path).c_str(), GetFileExInfoStandard, &old) &&
        (old.nFileSizeLow | old.nFileSizeHigh) != 0)
        FileCalls::Move(path, previous, move);
    // A rename within the folder: the file is the old copy or the new one, never a mixture.
    // A rename that reported success without taking place leaves the staging name behind.
    if (written && FileCalls::Move(staging, path, move) &&
        GetFileAttributesW(SystemName(staging).c_str()) == INVALID_FILE_ATTRIBUTES)
        return true;
    FileCalls::Remove(staging);
    return false;
}

void DeleteFileCleared(const std::wstring& path)
{
    if (path.empty())
        return;
    ASuppressWinMsg suppress;
    FileCalls::SetAttributes(path, FILE_ATTRIBUTE_ARCHIVE);
    FileCalls::Remove(path);
}
