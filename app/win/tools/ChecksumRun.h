// ChecksumRun: the checksums of a range of the control's data, with the window kept painted meanwhile.
#pragma once
#include "app/tools/ChecksumReport.h"

#include <windows.h>

#include <stdexcept>

class SumWorkers;

// The run was stopped before its sums were done.
class ChecksumStopped : public std::runtime_error {
public:
    ChecksumStopped() : std::runtime_error("checksum run stopped") {}
};

// A window's checksum runs, one at a time.
class ChecksumRun {
public:
    ChecksumRun() = default;
    ChecksumRun(const ChecksumRun&) = delete;
    ChecksumRun& operator=(const ChecksumRun&) = delete;

    // Each sum runs on a thread of its own, reading the range step by step from a snapshot of
    // the control's data (QX_OpenReader), so the four take about as long as the slowest alone
    // when there are cores for them, the memory used does not grow with the range, and an edit
    // made meanwhile does not change what is summed. Meanwhile the calling (window) thread
    // shows the hourglass and only dispatches paint and sent messages; `window` is disabled
    // and the input that came in the meantime is dropped. Throws
    // ChecksumStopped when Stop ended the run, ChecksumError when a provider is missing or
    // fails or the data cannot be read, std::bad_alloc or std::system_error when the threads
    // cannot be had.
    [[nodiscard]] ChecksumDigests Sum(HWND window, HWND control, const ChecksumRange& range);

    // For a handler that runs while Sum dispatches a sent message and is about to free what the
    // run reads (the session's end, the window's destruction): the workers stop and are joined
    // before this returns, and Sum then throws ChecksumStopped without reading the control
    // again. Nothing happens when no run is going.
    void Stop() noexcept;

private:
    SumWorkers* workers_ = nullptr;  // those of the run going on
};
