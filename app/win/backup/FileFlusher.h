// FileFlusher: flushes a file to the disk on a thread of its own, so that the window never
// waits for the disk after a small write. A kill of the process loses nothing written before
// it; the flush only guards against the system itself going down.
#pragma once
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class FileFlusher {
public:
    FileFlusher() = default;
    ~FileFlusher() { Stop(); }
    FileFlusher(const FileFlusher&) = delete;
    FileFlusher& operator=(const FileFlusher&) = delete;

    // The file is flushed soon; asking again before that costs nothing more.
    void Request(const std::wstring& path);
    // Waits for a flush under way; one still asked for is dropped. Requests after it are too.
    void Stop();

private:
    void Run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::wstring pending_;  // guarded by mutex_; empty when nothing is asked for
    bool stopping_ = false;
    std::thread thread_;   // started at the first request
};
