// The backup manager's files, with the system's critical-error boxes suppressed throughout.
#include "app/win/BackupStorage.h"

#include "app/BackupRules.h"
#include "common/PathString.h"
#include "common/win/AFilePtr.h"
#include "common/win/ASuppressWinMsg.h"

#include <windows.h>

std::string MakeTemporaryFile(const std::string& folder)
{
    if (folder.empty())
        return {};
    ASuppressWinMsg suppress;
    char name[MAX_PATH + 1] = {};
    if (GetTempFileNameA(folder.c_str(), TemporaryPrefix, 0, name) == 0)
        return {};
    std::string path = MakePathString(name);
    // A name too long to keep would leave an empty file nobody knows of.
    if (path.empty())
        DeleteFileA(name);
    return path;
}

std::vector<uint8_t> ReadFileStart(const std::string& path, size_t limit)
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

bool ReplaceFileContents(const std::string& path, const void* bytes, size_t size)
{
    return ReplaceFileContents(path, size, [&](AFilePtr& file) { return size == 0 || file.Write(bytes, size, 1) == 1; });
}

bool ReplaceFileContents(const std::string& path, uint64_t size, const FileContentWriter& writeContent)
{
    if (!HasDriveLetter(path))
        return false;
    ASuppressWinMsg suppress;
    const std::string staging = StagingFileName(path);
    AFilePtr file;
    bool written = file.Open(staging, AFilePtr::kWrite, true) && file.SetLength(size)
                   && file.Seek(0, AFilePtr::kBegin) && writeContent(file) && file.Flush();
    file.Close();
    // A rename within the folder: the file is the old copy or the new one, never a mixture.
    if (written && MoveFileExA(staging.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(staging.c_str());
    return false;
}

void DeleteFileCleared(const std::string& path)
{
    if (path.empty())
        return;
    ASuppressWinMsg suppress;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_ARCHIVE);
    DeleteFileA(path.c_str());
}
