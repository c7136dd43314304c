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

namespace {

// The range is read in slices of this size: each is one QX_WriteDataTo call and at most
// one piece per worker round.
constexpr int kSlice = 16 << 20;
// A worker adds its piece in steps of this size, so a stop waits for one step at most.
constexpr size_t kStep = size_t{1} << 20;

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

// Four threads, one per sum. Feed hands each the same piece and returns once all have
// taken it, dispatching paint meanwhile; the first failure of a worker is thrown there, and
// ChecksumStopped once Stop has run.
class SumWorkers {
public:
    explicit SumWorkers(Checksums& sums) : sums_(sums)
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

    void Feed(const uint8_t* bytes, size_t count)
    {
        ThrowIfStopped();
        piece_ = bytes;
        pieceSize_ = count;
        pending_ = kChecksumCount;
        for (const Event& go : go_)
            SetEvent(go.Handle());
        const HANDLE done = done_.Handle();
        for (;;) {
            const DWORD woken = MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_PAINT | QS_SENDMESSAGE);
            if (woken == WAIT_OBJECT_0)
                break;
            // The workers read the piece until they are done with it, so even a failed wait
            // waits for them, if without painting.
            if (woken == WAIT_FAILED) {
                WaitForSingleObject(done, INFINITE);
                break;
            }
            DispatchPaint();
            ThrowIfStopped();
        }
        if (failure_)
            std::rethrow_exception(failure_);
    }

    void ThrowIfStopped() const
    {
        if (stopping_)
            throw ChecksumStopped();
    }

    // Joins the workers; a worker in the middle of a piece leaves it after its current step.
    void Stop() noexcept
    {
        stopping_ = true;
        for (int i = 0; i < kChecksumCount; ++i)
            if (threads_[i].joinable()) {
                SetEvent(go_[i].Handle());
                threads_[i].join();
            }
    }

private:
    void Work(ChecksumKind kind)
    {
        // The window thread answers first when the cores are all busy.
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
        const HANDLE go = go_[static_cast<int>(kind)].Handle();
        while (WaitForSingleObject(go, INFINITE) == WAIT_OBJECT_0 && !stopping_) {
            try {
                for (size_t at = 0; at < pieceSize_ && !failed_ && !stopping_; at += kStep)
                    sums_.Add(kind, piece_ + at, std::min(kStep, pieceSize_ - at));
            } catch (...) {
                if (!failed_.exchange(true))
                    failure_ = std::current_exception();
            }
            if (--pending_ == 0)
                SetEvent(done_.Handle());
        }
    }

    Checksums& sums_;
    std::array<Event, kChecksumCount> go_;
    Event done_;
    // Written by the window thread before the go events, read by the workers after them.
    const uint8_t* piece_ = nullptr;
    size_t pieceSize_ = 0;
    std::atomic<int> pending_{0};
    std::atomic<bool> stopping_{false};
    std::atomic<bool> failed_{false};
    std::exception_ptr failure_;  // set by the first worker that fails, before its piece counts as done
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

struct Feeding {
    SumWorkers& workers;
    std::exception_ptr failure;
};

bool FeedPiece(void* context, const void* bytes, int count)
{
    Feeding& feeding = *static_cast<Feeding*>(context);
    try {
        feeding.workers.Feed(static_cast<const uint8_t*>(bytes), static_cast<size_t>(count));
        return true;
    } catch (...) {
        // The export would take the exception for a failure of its own: it goes back as a refusal.
        feeding.failure = std::current_exception();
        return false;
    }
}

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
        SumWorkers workers(sums);
        const RunningWorkers running(workers_, workers);
        Feeding feeding{workers, nullptr};
        for (uint32_t done = 0; done < range.count;) {
            const int slice = static_cast<int>(std::min<uint32_t>(kSlice, range.count - done));
            const bool read = Editor.QX_WriteDataTo(control, static_cast<int>(2 * (range.offset + done)), slice,
                                                    FeedPiece, &feeding);
            if (feeding.failure)
                std::rethrow_exception(feeding.failure);
            if (!read)
                throw ChecksumError("data not readable");
            done += static_cast<uint32_t>(slice);
            DispatchPaint();
            workers.ThrowIfStopped();
        }
    }
    return sums.Finish();
}

void ChecksumRun::Stop() noexcept
{
    if (workers_)
        workers_->Stop();
}
