// FileFlusher: one thread, one pending path.
#include "app/win/backup/FileFlusher.h"

#include "common/win/FileCalls.h"

#include <windows.h>

void FileFlusher::Stop()
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        pending_.clear();
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void FileFlusher::Request(const std::wstring& path)
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (stopping_)
            return;
        pending_ = path;
        if (!thread_.joinable())
            thread_ = std::thread([this] { Run(); });
    }
    wake_.notify_one();
}

void FileFlusher::Run()
{
    // This thread's own calls show no critical-error boxes either.
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, nullptr);
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
        if (stopping_)
            return;
        const std::wstring path = std::move(pending_);
        pending_.clear();
        lock.unlock();
        // Shared for deletion too: the window may replace or delete the file meanwhile, and then
        // this flush is of no more use.
        const HANDLE file = FileCalls::Open(path, GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING, 0);
        if (file != INVALID_HANDLE_VALUE) {
            FileCalls::Flush(file);
            CloseHandle(file);
        }
        lock.lock();
    }
}
