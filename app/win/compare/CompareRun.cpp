// CompareRun: the worker thread and the control snapshots it reads.
#include "app/win/compare/CompareRun.h"

#include "app/win/system/EditorLibrary.h"

#include <algorithm>
#include <climits>
#include <utility>

ReaderSource::~ReaderSource()
{
    if (reader_)
        Editor.QX_CloseReader(reader_);
}

uint64_t ReaderSource::Size() const noexcept
{
    const LONGLONG size = Editor.QX_ReaderSize(reader_);
    return size < 0 ? 0 : static_cast<uint64_t>(size);
}

bool ReaderSource::Read(uint64_t offset, void* buffer, size_t count) const
{
    auto* bytes = static_cast<uint8_t*>(buffer);
    while (count > 0) {
        const int step = static_cast<int>(std::min<size_t>(count, INT_MAX));
        if (!Editor.QX_ReadAt(reader_, static_cast<LONGLONG>(offset), bytes, step))
            return false;
        offset += static_cast<size_t>(step);
        bytes += step;
        count -= static_cast<size_t>(step);
    }
    return true;
}

void CompareRun::Start(HWND window, UINT doneMessage, CompareMethod method, std::unique_ptr<CompareSource> first,
                       std::unique_ptr<CompareSource> second)
{
    Stop();
    progress_.done = 0;
    progress_.total = 0;
    progress_.cancel = false;
    failure_ = nullptr;
    first_ = std::move(first);
    second_ = std::move(second);
    const WPARAM id = ++id_;
    thread_ = std::thread([this, window, doneMessage, method, id] {
        // The window thread answers first when the cores are busy.
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
        try {
            result_ = Compare(method, *first_, *second_, progress_);
        } catch (...) {
            failure_ = std::current_exception();
        }
        PostMessageA(window, doneMessage, id, 0);
    });
}

void CompareRun::Stop() noexcept
{
    progress_.cancel = true;
    if (thread_.joinable())
        thread_.join();
    first_.reset();
    second_.reset();
}

int CompareRun::Percent() const noexcept
{
    const uint64_t total = progress_.total;
    return total == 0 ? 0 : static_cast<int>(std::min<uint64_t>(100, progress_.done * 100 / total));
}

CompareResult CompareRun::Finish()
{
    if (thread_.joinable())
        thread_.join();
    first_.reset();
    second_.reset();
    if (failure_)
        std::rethrow_exception(std::exchange(failure_, nullptr));
    return std::move(result_);
}
