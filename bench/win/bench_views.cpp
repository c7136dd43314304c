// Moving through and searching a document past 4 GiB in the editor's main window, as the user
// feels it. Two documents in the page cache: a sparse file of 16 GiB (5 GiB with
// QX_BENCH_SHORT=1) with 1 MiB chunks of random bytes at known offsets, and a file of
// 0x3FFFFFFF random bytes (64 MiB short). Each is opened in the control of a main window made
// in this process (the program's own window, commands and keys); per document:
// - Ctrl+End, PageDown and PageUp, and a jump to spread offsets (the jump command's call):
//   the longest time from the key until the window has painted, target 50 ms;
// - a find of an absent 4-byte pattern from the start, against a plain program that reads the
//   file in 1 MiB pieces and searches each (with the pattern's length - 1 bytes carried over):
//   speed ratio (plain time / editor time), target >= 0.8.
// Min and median of three runs. The full form exits with 1 when a target is missed; the short
// form fails on wrong results only (2).
#include "bench/win/BenchClock.h"
#include "tests/win/main/FormHarness.h"
#include "tests/win/support/ControlHost.h"
#include "tests/win/support/SparseFile.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr size_t kPiece = size_t{1} << 20;
constexpr int kRuns = 3;
constexpr double kViewBudgetMs = 50;
constexpr double kFindRatio = 0.8;
const uint8_t kAbsent[4] = {0x51, 0xE7, 0x0B, 0x9C};

struct Figures {
    double min = 0, median = 0;
};

Figures Of(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples.front(), samples[samples.size() / 2]};
}

void Require(bool condition, const char* what)
{
    if (!condition)
        throw std::runtime_error(what);
}

// A plain program's find: 1 MiB reads, each piece searched with the carried bytes in front.
bool PlainFind(const std::wstring& path, const uint8_t* pattern, size_t count)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    Require(file != INVALID_HANDLE_VALUE, "the plain reader cannot open the file");
    std::vector<uint8_t> buffer(kPiece + count);
    const std::boyer_moore_horspool_searcher searcher(pattern, pattern + count);
    size_t carried = 0;
    bool found = false;
    for (DWORD read = 0; !found && ReadFile(file, buffer.data() + carried, kPiece, &read, nullptr) && read;) {
        const size_t filled = carried + read;
        uint8_t* const end = buffer.data() + filled;
        found = std::search(buffer.data(), end, searcher) != end;
        carried = std::min(filled, count - 1);
        std::memmove(buffer.data(), end - carried, carried);
    }
    CloseHandle(file);
    return found;
}

// Every step's time until the window has painted, in ms, goes to `all`; the longest is returned.
double LongestMs(MainFormHarness& harness, int times, const std::function<void(int)>& step, std::vector<double>& all)
{
    double longest = 0;
    for (int i = 0; i < times; ++i) {
        const double start = Now();
        step(i);
        UpdateWindow(harness.form().Handle());
        harness.pump();
        all.push_back((Now() - start) * 1000);
        longest = std::max(longest, all.back());
    }
    return longest;
}

struct DocumentFigures {
    double endMs = 0, pageMs = 0, jumpMs = 0;
    double typicalMs = 0;  // the median of every single step
    Figures findSeconds, plainSeconds;
};

DocumentFigures Measure(const std::wstring& path, int64_t size)
{
    MainFormHarness harness;
    DWORD detail = 0;
    Require(Editor.QX_OpenFile(harness.control(), path.c_str(), 0, &detail), "the editor cannot open the document");
    harness.pump();
    Require(Editor.QX_GetDataSize64(harness.control()) == size, "the editor holds another size");
    DocumentFigures figures;
    std::vector<double> end, page, jump, find, plain, steps;
    for (int run = 0; run < kRuns; ++run) {
        harness.key(VK_HOME, true);
        end.push_back(LongestMs(harness, 1, [&](int) { harness.key(VK_END, true); }, steps));
        Require(Editor.QX_GetCaretPos64(harness.control()) >= 2 * (size - 1), "Ctrl+End left the caret elsewhere");
        page.push_back(LongestMs(harness, 20, [&](int i) { harness.key(i % 2 ? VK_NEXT : VK_PRIOR); }, steps));
        jump.push_back(LongestMs(harness, 16, [&](int i) {
            Editor.QX_SetCaretPos64(harness.control(), 2 * ((size - 1) / 15 * i));
        }, steps));

        plain.push_back(Now());
        Require(!PlainFind(path, kAbsent, sizeof kAbsent), "the pattern stands in the document");
        plain.back() = Now() - plain.back();
        Editor.QX_SetCaretPos64(harness.control(), 0);
        const double start = Now();
        const int result = Editor.QX_Find64(harness.control(), 0, kAbsent, nullptr, sizeof kAbsent, QX_FIND_FIRST);
        find.push_back(Now() - start);
        Require(result == QX_NOT_FOUND, "the editor's find did not come back empty");
    }
    figures.endMs = Of(end).median;
    figures.pageMs = Of(page).median;
    figures.jumpMs = Of(jump).median;
    figures.typicalMs = Of(steps).median;
    figures.findSeconds = Of(find);
    figures.plainSeconds = Of(plain);
    return figures;
}

// The 1 MiB random chunks of the sparse document stand at these offsets.
bool WriteChunks(const SparseFile& file, uint64_t size)
{
    const std::vector<unsigned char> chunk = RandomBytes(kPiece);
    for (uint64_t offset = 0x1000; offset + kPiece <= size; offset += size / 8)
        if (!file.write(offset, std::string_view(reinterpret_cast<const char*>(chunk.data()), kPiece)))
            return false;
    return true;
}

bool WriteRandom(const SparseFile& file, uint64_t size)
{
    const std::vector<unsigned char> bytes = RandomBytes(16 * kPiece);
    for (uint64_t offset = 0; offset < size; offset += bytes.size()) {
        const size_t count = static_cast<size_t>(std::min<uint64_t>(bytes.size(), size - offset));
        if (!file.write(offset, std::string_view(reinterpret_cast<const char*>(bytes.data()), count)))
            return false;
    }
    return true;
}

bool Report(const char* name, const DocumentFigures& figures, bool enforce)
{
    const double ratio = figures.plainSeconds.min / figures.findSeconds.min;
    std::printf("%-22s longest: Ctrl+End %6.1f ms  PageUp/Down %6.1f ms  jump %6.1f ms; typical step %5.1f ms\n", name,
                figures.endMs, figures.pageMs, figures.jumpMs, figures.typicalMs);
    std::printf("%-22s find absent: editor min %.3f s median %.3f s, plain min %.3f s median %.3f s, ratio %.2f\n", "",
                figures.findSeconds.min, figures.findSeconds.median, figures.plainSeconds.min,
                figures.plainSeconds.median, ratio);
    const bool met = figures.endMs <= kViewBudgetMs && figures.pageMs <= kViewBudgetMs &&
                     figures.jumpMs <= kViewBudgetMs && ratio >= kFindRatio;
    if (!met && enforce)
        std::printf("%-22s TARGET MISSED\n", "");
    return met;
}

} // namespace

int main()
{
    const bool shortRun = IsShortRun();
    const uint64_t sparseSize = shortRun ? uint64_t{5} << 30 : uint64_t{16} << 30;
    const uint64_t randomSize = shortRun ? uint64_t{64} << 20 : 0x3FFFFFFF;
    try {
        EnsureEditorLibrary();
        bool met = true;
        {
            SparseFile sparse(L"qx_bench_views_sparse", sparseSize);
            Require(sparse.made() && WriteChunks(sparse, sparseSize), "the sparse document cannot be written");
            met = Report(shortRun ? "sparse 5 GiB" : "sparse 16 GiB",
                         Measure(sparse.path(), static_cast<int64_t>(sparseSize)), !shortRun) && met;
        }
        {
            SparseFile random(L"qx_bench_views_random", randomSize);
            Require(random.made() && WriteRandom(random, randomSize), "the random document cannot be written");
            met = Report(shortRun ? "random 64 MiB" : "random 1 GiB - 1",
                         Measure(random.path(), static_cast<int64_t>(randomSize)), !shortRun) && met;
        }
        return shortRun || met ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_views: %s\n", error.what());
        return 2;
    }
}
