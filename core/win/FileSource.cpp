// FileSource: CreateFileW with the shares that keep the bytes still, positional ReadFile.
#include "core/win/FileSource.h"

#include "common/win/ASuppressWinMsg.h"

#include <algorithm>

namespace {

// One ReadFile at most this many bytes: a DWORD holds the count.
constexpr size_t kLargestRead = 64u << 20;

// Keeps the system's critical-error boxes away from this thread for the scope (reads may come
// from any thread, so the process-wide mode is not touched).
class QuietThread {
public:
    QuietThread() noexcept { SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &before_); }
    ~QuietThread() { SetThreadErrorMode(before_, nullptr); }
    QuietThread(const QuietThread&) = delete;
    QuietThread& operator=(const QuietThread&) = delete;

private:
    DWORD before_ = 0;
};

} // namespace

std::shared_ptr<FileSource> FileSource::Open(const wchar_t* name, Sharing sharing, DWORD& error)
{
    error = ERROR_SUCCESS;
    if (!name || !*name) {
        error = ERROR_INVALID_NAME;
        return nullptr;
    }
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_DELETE | (sharing == Sharing::WritersToo ? FILE_SHARE_WRITE : 0);
    HANDLE handle = INVALID_HANDLE_VALUE;
    LARGE_INTEGER size{};
    {
        ASuppressWinMsg quiet;
        handle = CreateFileW(name, GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            error = GetLastError();
            return nullptr;
        }
        if (!GetFileSizeEx(handle, &size)) {
            error = GetLastError();
            CloseHandle(handle);
            return nullptr;
        }
    }
    try {
        return std::shared_ptr<FileSource>(new FileSource(handle, static_cast<uint64_t>(size.QuadPart), name, sharing));
    } catch (...) {
        CloseHandle(handle);
        throw;
    }
}

FileSource::FileSource(HANDLE handle, uint64_t size, std::wstring name, Sharing sharing) noexcept
    : handle_(handle), size_(size), name_(std::move(name)), sharing_(sharing), cache_(size)
{
}

FileSource::~FileSource()
{
    CloseHandle(handle_);
}

bool FileSource::read(uint64_t offset, uint8_t* out, size_t count) const noexcept
{
    try {
        return cache_.read(offset, out, count, [this](uint64_t at, uint8_t* into, size_t length) {
            return readFile(at, into, length);
        });
    } catch (...) {
        return false;  // a cache block that could not be had
    }
}

bool FileSource::readFile(uint64_t offset, uint8_t* out, size_t count) const noexcept
{
    QuietThread quiet;
    while (count > 0) {
        const DWORD part = static_cast<DWORD>(std::min(count, kLargestRead));
        OVERLAPPED position{};
        position.Offset = static_cast<DWORD>(offset);
        position.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD got = 0;
        // A short read means the file shrank under a writer it shared with: not the bytes asked for.
        if (!ReadFile(handle_, out, part, &got, &position) || got != part)
            return false;
        out += part;
        offset += part;
        count -= part;
    }
    return true;
}
