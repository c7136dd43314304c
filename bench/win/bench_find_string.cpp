// Searching 256 MiB of pseudo-random bytes through the control's exports: the exact search of a
// hex pattern against the search with ASCII letters of either case, and against a pattern with
// an unknown byte and an unknown digit ("5175??6C4?6554"), for a 7-letter word that is absent,
// and present near both ends, each copy searched for from the other one. Prints min and median
// of 5 runs and the ratios; QX_BENCH_SHORT=1 uses 16 MiB and 3 runs. Exits with 1 on a wrong
// result, and in the full form when a ratio passes 2.
#include "app/win/system/EditorLibrary.h"

#include "bench/win/BenchClock.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

const char kExact[] = "QuIlLeT";   // as it stands in the data
const char kFolded[] = "quillet";  // the caseless search's spelling
const char kAbsent[] = "Vornali";
constexpr int kWord = 7;
// The pattern's masks: the third byte unknown, the fifth known by its high digit only.
const uint8_t kMasks[kWord] = {0xFF, 0xFF, 0x00, 0xFF, 0xF0, 0xFF, 0xFF};

Bytes Document(size_t size, size_t late, size_t early)
{
    Bytes bytes(size);
    uint32_t state = 12345;
    for (auto& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<uint8_t>(state >> 24);
    }
    std::memcpy(&bytes[late], kExact, kWord);
    std::memcpy(&bytes[early], kExact, kWord);
    return bytes;
}

HWND MakeControl()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "QuilletFindBenchHost";
    RegisterClassA(&windowClass);
    HWND host = CreateWindowExA(0, windowClass.lpszClassName, "bench", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                                nullptr, nullptr, windowClass.hInstance, nullptr);
    return host ? Editor.QX_Create(host, host, WS_TABSTOP) : nullptr;
}

struct Timing {
    double min = 0, median = 0;
    bool right = true;
};

// Runs `search` from `caret` `runs` times; right when each run's hit is `expected` (-1: none).
Timing Measure(HWND control, int runs, int caret, int expected, const std::function<bool()>& search)
{
    std::vector<double> seconds;
    Timing timing;
    for (int run = 0; run < runs; ++run) {
        Editor.QX_SetCaretPos(control, caret);
        const double start = Now();
        const bool found = search();
        seconds.push_back(Now() - start);
        const int hit = found ? Editor.QX_GetCaretPos(control) / 2 : -1;
        timing.right = timing.right && hit == expected;
    }
    std::sort(seconds.begin(), seconds.end());
    timing.min = seconds.front();
    timing.median = seconds[seconds.size() / 2];
    return timing;
}

} // namespace

int main()
{
    const bool isShort = IsShortRun();
    const size_t size = (isShort ? size_t{16} : size_t{256}) << 20;
    const int runs = isShort ? 3 : 5;
    if (!BindEditorLibrary()) {
        std::fprintf(stderr, "talvine.dll could not be bound\n");
        return 2;
    }
    const HWND control = MakeControl();
    const int late = static_cast<int>(size - 1000), early = 1000;
    const Bytes document = Document(size, static_cast<size_t>(late), static_cast<size_t>(early));
    if (!control || !Editor.QX_SetData(control, document.data(), static_cast<int>(document.size()))) {
        std::fprintf(stderr, "no control with the data\n");
        return 2;
    }
    const auto bytes = [](const char* text) { return reinterpret_cast<const uint8_t*>(text); };

    struct Case {
        const char* name;
        int caret, expected, direction;
        const char *exact, *folded;
    };
    const Case cases[] = {
        {"absent", 0, -1, QX_FIND_FIRST, kAbsent, kAbsent},
        {"near the end, forwards", 2 * (early + 1), late, QX_FIND_FIRST, kExact, kFolded},
        {"near the start, backwards", 2 * (late - 1), early, QX_FIND_PREV, kExact, kFolded},
    };
    std::printf("search of a 7-letter word in %zu MiB, min / median of %d runs\n", size >> 20, runs);
    bool right = true, within = true;
    for (const Case& c : cases) {
        const Timing hex = Measure(control, runs, c.caret, c.expected, [&] {
            return c.direction == QX_FIND_PREV ? Editor.QX_FindPrev(control, c.caret, bytes(c.exact), kWord)
                                               : Editor.QX_FindFirst(control, c.caret, bytes(c.exact), kWord);
        });
        const Timing caseless = Measure(control, runs, c.caret, c.expected, [&] {
            return Editor.QX_FindCaseless(control, c.caret, bytes(c.folded), nullptr, kWord, c.direction);
        });
        const Timing masked = Measure(control, runs, c.caret, c.expected, [&] {
            return Editor.QX_Find64(control, c.caret, bytes(c.exact), kMasks, kWord,
                                    c.direction | QX_FIND_MASKED) == QX_FOUND;
        });
        const double ratio = caseless.median / hex.median, maskedRatio = masked.median / hex.median;
        const bool caseRight = hex.right && caseless.right && masked.right;
        std::printf("  %-26s hex %.1f / %.1f ms, either case %.1f / %.1f ms (%.2f), pattern %.1f / %.1f ms (%.2f)%s\n",
                    c.name, 1e3 * hex.min, 1e3 * hex.median, 1e3 * caseless.min, 1e3 * caseless.median, ratio,
                    1e3 * masked.min, 1e3 * masked.median, maskedRatio, caseRight ? "" : "  WRONG RESULT");
        right = right && caseRight;
        within = within && ratio <= 2.0 && maskedRatio <= 2.0;
    }
    std::printf("%s\n", !right ? "WRONG RESULT" : within ? "within limits" : "OUT OF LIMITS");
    // Short runs on a shared machine are noisy: they fail on a wrong result only.
    return right && (within || isShort) ? 0 : 1;
}
