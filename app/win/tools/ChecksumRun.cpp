// ChecksumRun: one worker thread per sum, fed piece by piece while the window thread paints.
#include "app/win/tools/ChecksumRun.h"

#include "app/win/tools/Checksums.h"
#include "app/win/system/EditorLibrary.h"

#include "common/win/AHourglass.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

namespace {

// A worker reads and adds its range in steps of this size, so a stop waits for one step at most.
constexpr int kStep = 1 << 20;

// Dispatches what keeps the window alive without letting the user act: paint messages, and
// (by the peeking itself) messages sent from other threads.
void DispatchPaint()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
        DispatchMessageA(&message);
}

// Input that came in while the window was disabled is not meant for what shows afterwards.
void DropInput()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    while (PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
}

// Owns a Win32 event handle.
class Event {
public:
    Event() : handle_(CreateEventA(nullptr, FALSE, FALSE, nullptr))
    {
        if (!handle_)
            throw ChecksumError("no event");
    }
    ~Event() { CloseHandle(handle_); }
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;
    [[nodiscard]] HANDLE Handle() const noexcept { return handle_; }

private:
    HANDLE handle_;
};

} // namespace

namespace {

// A snapshot of the control's data, closed when the scope ends.
class Snapshot {
public:
    explicit Snapshot(HWND control) : reader_(Editor.QX_OpenReader(control))
    {
        if (!reader_)
            throw ChecksumError("no snapshot of the data");
    }
    ~Snapshot() { Editor.QX_CloseReader(reader_); }
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;
    [[nodiscard]] QX_READER Reader() const noexcept { return reader_; }

private:
    QX_READER reader_;
};

} // namespace

// Four threads, one per sum, each reading the range from the snapshot on its own in steps,
// so no memory grows with the range. Wait returns once all are done, dispatching paint
// meanwhile; the first failure of a worker is thrown there, and ChecksumStopped once Stop has run.
class SumWorkers {
public:
    SumWorkers(Checksums& sums, QX_READER reader, const ChecksumRange& range)
        : sums_(sums), reader_(reader), range_(range)
    {
        try {
            for (int i = 0; i < kChecksumCount; ++i)
                threads_[i] = std::thread([this, i] { Work(static_cast<ChecksumKind>(i)); });
        } catch (...) {
            Stop();
            throw;
        }
    }
    ~SumWorkers() { Stop(); }
    SumWorkers(const SumWorkers&) = delete;
    SumWorkers& operator=(const SumWorkers&) = delete;

    void Wait()
    {
        const HANDLE done = done_.Handle();
        for (;;) {
            ThrowIfStopped();
            const DWORD woken = MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_PAINT | QS_SENDMESSAGE);
            if (woken == WAIT_OBJECT_0)
                break;
            // The workers read until they are done, so even a failed wait waits for them, if
            // without painting.
            if (woken == WAIT_FAILED) {
                WaitForSingleObject(done, INFINITE);
                break;
            }
            DispatchPaint();
        }
        ThrowIfStopped();
        if (failure_)
            std::rethrow_exception(failure_);
    }

    void ThrowIfStopped() const
    {
        if (stopping_)
            throw ChecksumStopped();
    }

    // Joins the workers; a worker in the middle of its range leaves it after its current step.
    void Stop() noexcept
    {
        stopping_ = true;
        for (std::thread& thread : threads_)
            if (thread.joinable())
                thread.join();
    }

private:
    void Work(ChecksumKind kind)
    {
        // The window thread answers first when the cores are all busy.
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
        try {
            std::vector<uint8_t> buffer(kStep);
            for (uint64_t done = 0; done < range_.count && !failed_ && !stopping_;) {
                const int step = static_cast<int>(std::min<uint64_t>(kStep, range_.count - done));
                if (!Editor.QX_ReadAt(reader_, static_cast<LONGLONG>(range_.offset + done), buffer.data(), step))
                    throw ChecksumError("data not readable");
                sums_.Add(kind, buffer.data(), static_cast<size_t>(step));
                done += static_cast<uint64_t>(step);
            }
        } catch (...) {
            if (!failed_.exchange(true))
                failure_ = std::current_exception();
        }
        if (--pending_ == 0)
            SetEvent(done_.Handle());
    }

    Checksums& sums_;
    const QX_READER reader_;
    const ChecksumRange range_;
    Event done_;
    std::atomic<int> pending_{kChecksumCount};
    std::atomic<bool> stopping_{false};
    std::atomic<bool> failed_{false};
    std::exception_ptr failure_;  // set by the first worker that fails, before it counts as done
    std::array<std::thread, kChecksumCount> threads_;
};

namespace {

// The window is disabled for the scope and its dropped input removed at the end.
class InputOff {
public:
    explicit InputOff(HWND window) noexcept : window_(window), wasEnabled_(!EnableWindow(window, FALSE)) {}
    ~InputOff()
    {
        DropInput();
        if (wasEnabled_)
            EnableWindow(window_, TRUE);
    }
    InputOff(const InputOff&) = delete;
    InputOff& operator=(const InputOff&) = delete;

private:
    HWND window_;
    bool wasEnabled_;
};

// Names the run's workers to Stop for as long as they exist.
class RunningWorkers {
public:
    RunningWorkers(SumWorkers*& slot, SumWorkers& workers) noexcept : slot_(slot) { slot_ = &workers; }
    ~RunningWorkers() { slot_ = nullptr; }
    RunningWorkers(const RunningWorkers&) = delete;
    RunningWorkers& operator=(const RunningWorkers&) = delete;

private:
    SumWorkers*& slot_;
};

} // namespace

ChecksumDigests ChecksumRun::Sum(HWND window, HWND control, const ChecksumRange& range)
{
    if (workers_)
        throw ChecksumError("a checksum run is going");
    const AHourglass hourglass;
    Checksums sums;
    {
        const InputOff inputOff(window);
        const Snapshot snapshot(control);
        SumWorkers workers(sums, snapshot.Reader(), range);
        const RunningWorkers running(workers_, workers);
        workers.Wait();
    }
    return sums.Finish();
}

void ChecksumRun::Stop() noexcept
{
    if (workers_)
        workers_->Stop();
}
