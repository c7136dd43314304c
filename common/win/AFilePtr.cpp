// AFilePtr: open modes, whole-item transfers, seek, length, flush, size and times.
#include "common/win/AFilePtr.h"

#include "common/PathString.h"
#include "common/win/ASuppressWinMsg.h"
#include "common/win/FileCalls.h"

#include <algorithm>
#include <limits>

AFilePtr::~AFilePtr() { Close(); }

bool AFilePtr::Open(std::wstring_view name, Mode mode, bool exclusive)
{
    Close();
    // A NUL inside would make the system open a shorter name than the one asked for.
    if (!IsAbsoluteName(name) || name.find(L'\0') != std::wstring_view::npos)
        return false;
    DWORD access = GENERIC_READ;
    DWORD disposition = OPEN_EXISTING;
    DWORD sharing = FILE_SHARE_READ;
    switch (mode) {
    case kRead:
        break;
    case kReadShared:
        sharing = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
        break;
    case kWrite:
        access = GENERIC_WRITE;
        disposition = CREATE_ALWAYS;
        break;
    case kUpdate:
        access = GENERIC_READ | GENERIC_WRITE;
        sharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    case kUpdateNew:
        access = GENERIC_READ | GENERIC_WRITE;
        disposition = CREATE_ALWAYS;
        sharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default:
        return false;
    }
    if (exclusive)
        sharing = 0;
    ASuppressWinMsg suppress;
    handle_ = FileCalls::Open(name, access, sharing, disposition, FILE_ATTRIBUTE_ARCHIVE);
    if (handle_ == INVALID_HANDLE_VALUE)
        return false;
    writable_ = (access & GENERIC_WRITE) != 0;
    exclusive_ = exclusive;
    return true;
}

void AFilePtr::Close() noexcept
{
    if (!IsOpen())
        return;
    ASuppressWinMsg suppress;
    if (writable_)
        FileCalls::Flush(handle_);
    CloseWithoutFlush();
}

void AFilePtr::CloseWithoutFlush() noexcept
{
    if (!IsOpen())
        return;
    CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    writable_ = false;
    exclusive_ = false;
}

size_t AFilePtr::Read(void* buffer, size_t itemSize, size_t count)
{
    if (!IsOpen() || itemSize == 0 || count == 0)
        return 0;
    count = std::min(count, std::numeric_limits<size_t>::max() / itemSize);
    const size_t wanted = itemSize * count;
    auto* into = static_cast<char*>(buffer);
    size_t done = 0;
    ASuppressWinMsg suppress;
    while (done < wanted) {
        const DWORD step = static_cast<DWORD>(std::min(wanted - done, TransferLimit));
        DWORD moved = 0;
        if (!ReadFile(handle_, into + done, step, &moved, nullptr) || moved == 0)
            break;
        done += moved;
    }
    if (const size_t partial = done % itemSize)
        Seek(-static_cast<int64_t>(partial), kCurrent);
    return done / itemSize;
}

size_t AFilePtr::Write(const void* buffer, size_t itemSize, size_t count)
{
    if (!IsOpen() || itemSize == 0 || count == 0)
        return 0;
    count = std::min(count, std::numeric_limits<size_t>::max() / itemSize);
    const size_t wanted = itemSize * count;
    const auto* from = static_cast<const char*>(buffer);
    size_t done = 0;
    ASuppressWinMsg suppress;
    while (done < wanted) {
        const DWORD step = static_cast<DWORD>(std::min(wanted - done, TransferLimit));
        DWORD moved = 0;
        if (!FileCalls::Write(handle_, from + done, step, &moved) || moved == 0)
            break;
        done += moved;
    }
    if (const size_t partial = done % itemSize)
        Seek(-static_cast<int64_t>(partial), kCurrent);
    return done / itemSize;
}

bool AFilePtr::Seek(int64_t offset, Origin origin)
{
    if (!IsOpen())
        return false;
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    ASuppressWinMsg suppress;
    return SetFilePointerEx(handle_, distance, nullptr, static_cast<DWORD>(origin)) != 0;
}

bool AFilePtr::SetLength(uint64_t length)
{
    if (!writable_ || length > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()))
        return false;
    if (!Seek(static_cast<int64_t>(length), kBegin))
        return false;
    ASuppressWinMsg suppress;
    return FileCalls::EndHere(handle_) != 0;
}

bool AFilePtr::Flush()
{
    if (!IsOpen())
        return false;
    ASuppressWinMsg suppress;
    return FileCalls::Flush(handle_) != 0;
}

bool AFilePtr::Size(uint64_t& size) const
{
    if (!IsOpen())
        return false;
    LARGE_INTEGER value;
    ASuppressWinMsg suppress;
    if (!GetFileSizeEx(handle_, &value))
        return false;
    size = static_cast<uint64_t>(value.QuadPart);
    return true;
}

bool AFilePtr::Position(uint64_t& position) const
{
    if (!IsOpen())
        return false;
    LARGE_INTEGER at;
    ASuppressWinMsg suppress;
    if (!SetFilePointerEx(handle_, LARGE_INTEGER{}, &at, FILE_CURRENT))
        return false;
    position = static_cast<uint64_t>(at.QuadPart);
    return true;
}

bool AFilePtr::SetCreationTime(const FILETIME& creation)
{
    if (!writable_)
        return false;
    ASuppressWinMsg suppress;
    return FileCalls::SetTimes(handle_, &creation, nullptr, nullptr) != 0;
}

bool AFilePtr::Identity(uint32_t& volume, uint64_t& index) const
{
    BY_HANDLE_FILE_INFORMATION information;
    if (!IsOpen())
        return false;
    ASuppressWinMsg suppress;
    if (!GetFileInformationByHandle(handle_, &information))
        return false;
    volume = information.dwVolumeSerialNumber;
    index = uint64_t{information.nFileIndexHigh} << 32 | information.nFileIndexLow;
    return true;
}

bool AFilePtr::Times(FILETIME* creation, FILETIME* lastAccess, FILETIME* lastWrite) const
{
    if (!IsOpen())
        return false;
    ASuppressWinMsg suppress;
    return GetFileTime(handle_, creation, lastAccess, lastWrite) != 0;
}
