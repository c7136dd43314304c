// CompareRun: one comparison of two control snapshots on a worker thread, while the window goes on painting.
#pragma once
#include "app/compare/CompareRegions.h"

#include "talvine.h"

#include <exception>
#include <memory>
#include <thread>

// A control snapshot (QX_OpenReader) as a compare source; it closes the reader.
class ReaderSource final : public CompareSource {
public:
    explicit ReaderSource(QX_READER reader) noexcept : reader_(reader) {}
    ~ReaderSource() override;
    ReaderSource(const ReaderSource&) = delete;
    ReaderSource& operator=(const ReaderSource&) = delete;

    [[nodiscard]] bool Valid() const noexcept { return reader_ != nullptr; }
    [[nodiscard]] uint64_t Size() const noexcept override;
    [[nodiscard]] bool Read(uint64_t offset, void* buffer, size_t count) const override;

private:
    QX_READER reader_;
};

class CompareRun {
public:
    CompareRun() = default;
    ~CompareRun() { Stop(); }
    CompareRun(const CompareRun&) = delete;
    CompareRun& operator=(const CompareRun&) = delete;

    // Compares the two snapshots on a thread of its own and posts `doneMessage` to `window`
    // when it ends, with the run's Id as wParam. A run going on is stopped first.
    void Start(HWND window, UINT doneMessage, CompareMethod method, std::unique_ptr<CompareSource> first,
               std::unique_ptr<CompareSource> second);
    // Asks the run to stop; it ends at its next piece and posts its message as usual.
    void Cancel() noexcept { progress_.cancel = true; }
    // Cancels, waits for the thread and lets go of the sources; a message it posted meanwhile
    // finds nothing to finish.
    void Stop() noexcept;
    [[nodiscard]] bool Running() const noexcept { return thread_.joinable(); }
    // The number of the last run started: a message of a run stopped before is not this one's.
    [[nodiscard]] WPARAM Id() const noexcept { return id_; }
    // Percent of the bytes read so far.
    [[nodiscard]] int Percent() const noexcept;
    // After the done message: waits for the thread and hands over the result; rethrows what
    // the thread met (std::bad_alloc).
    [[nodiscard]] CompareResult Finish();

private:
    std::thread thread_;
    WPARAM id_ = 0;
    CompareProgress progress_;
    CompareResult result_;
    std::exception_ptr failure_;
    std::unique_ptr<CompareSource> first_;
    std::unique_ptr<CompareSource> second_;
};
