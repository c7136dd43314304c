// GetFileStamp, file versions and the system clock as FileStamps.
#include "app/win/documents/SystemFileClock.h"

#include "common/PathString.h"
#include "common/win/FileSystem.h"
#include "common/win/AFilePtr.h"
#include "common/win/ASuppressWinMsg.h"

#include <windows.h>

namespace {

FileStamp StampOf(const SYSTEMTIME& time) noexcept
{
    return FileStamp{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond,
                     time.wMilliseconds};
}

} // namespace

bool GetFileStamp(std::wstring_view name, FileStamp& stamp)
{
    AFilePtr file;
    FILETIME lastWrite{};
    SYSTEMTIME time{};
    if (!file.Open(name, AFilePtr::kRead) || !file.Times(nullptr, nullptr, &lastWrite) ||
        !FileTimeToSystemTime(&lastWrite, &time))
        return false;
    stamp = StampOf(time);
    return true;
}

FileStamp SystemFileClock::now()
{
    SYSTEMTIME time{};
    GetSystemTime(&time);
    return StampOf(time);
}

FileVersion SystemFileClock::fileVersion(std::wstring_view name)
{
    FileVersion version;
    if (!IsAbsoluteName(name))
        return version;
    const std::wstring path = SystemName(name);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    const ASuppressWinMsg quiet;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            version.state = FileVersion::State::Missing;
        return version;
    }
    // A folder standing where the file was: the file is gone.
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        version.state = FileVersion::State::Missing;
        return version;
    }
    version.state = FileVersion::State::Present;
    version.size = (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    version.lastWrite = (uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32) | data.ftLastWriteTime.dwLowDateTime;
    version.readOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    return version;
}
