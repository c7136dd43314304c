// GetFileStamp and the system clock as FileStamps.
#include "app/win/SystemFileClock.h"

#include "common/win/AFilePtr.h"

#include <windows.h>

namespace {

FileStamp StampOf(const SYSTEMTIME& time) noexcept
{
    return FileStamp{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond,
                     time.wMilliseconds};
}

} // namespace

bool GetFileStamp(std::string_view name, FileStamp& stamp)
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
