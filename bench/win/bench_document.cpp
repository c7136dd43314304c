// Opening and saving the largest document through LoadDocument and WriteDocument with a real
// control, against a plain program reading, respectively writing and flushing, the same bytes.
// QX_BENCH_SHORT=1 uses 64 MiB instead of 0x3FFFFFFF bytes. Exits with 1 when a document step
// takes more than 3x its plain counterpart or the peak memory passes 2 x the size + 128 MiB.
#include "app/win/documents/Document.h"
#include "common/win/WideText.h"
#include "app/win/system/EditorLibrary.h"

#include "bench/win/BenchClock.h"
#include "bench/win/PlainFiles.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

using Clock = LARGE_INTEGER;

double Seconds(const Clock& from, const Clock& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Step>
double Timed(Step step)
{
    Clock from, to;
    QueryPerformanceCounter(&from);
    const bool done = step();
    QueryPerformanceCounter(&to);
    if (!done) {
        std::fprintf(stderr, "a step failed\n");
        std::exit(2);
    }
    return Seconds(from, to);
}

std::unique_ptr<char[]> Pattern(size_t size)
{
    auto bytes = std::make_unique_for_overwrite<char[]>(size);
    uint32_t state = 12345;
    for (size_t i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = static_cast<char>(state >> 24);
    }
    return bytes;
}

HWND MakeControl()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "QuilletBenchHost";
    RegisterClassA(&windowClass);
    HWND host = CreateWindowExA(0, windowClass.lpszClassName, "bench", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                                nullptr, nullptr, windowClass.hInstance, nullptr);
    return host ? Editor.QX_Create(host, host, WS_TABSTOP) : nullptr;
}

double PeakMiB()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(std::max(counters.PeakWorkingSetSize, counters.PeakPagefileUsage)) / (1 << 20);
}

} // namespace

int main()
{
    const bool isShort = IsShortRun();
    const size_t size = isShort ? size_t{64} << 20 : size_t{0x3FFFFFFF};
    const int rounds = isShort ? 3 : 2;

    if (!BindEditorLibrary()) {
        std::fprintf(stderr, "talvine.dll could not be bound\n");
        return 2;
    }
    HWND control = MakeControl();
    if (!control) {
        std::fprintf(stderr, "no control\n");
        return 2;
    }
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "qx-bench-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string source = folder + "\\source.bin";
    const std::string plainCopy = folder + "\\plain.bin";
    const std::string saved = folder + "\\saved.bin";
    {
        const auto bytes = Pattern(size);
        Timed([&] { return PlainWrite(source, bytes.get(), size); });
    }

    // Best of the rounds on both sides, taken in turns so that both see the same machine.
    double plainRead = 1e9, load = 1e9, plainWrite = 1e9, write = 1e9;
    for (int round = 0; round < rounds; ++round) {
        plainRead = std::min(plainRead, Timed([&] { return PlainRead(source, size) != nullptr; }));
        load = std::min(load, Timed([&] { return LoadDocument(nullptr, control, WideFromAnsi(source)); }));
    }
    if (Editor.QX_GetDataSize(control) != static_cast<int>(size)) {
        std::fprintf(stderr, "the control holds %d bytes\n", Editor.QX_GetDataSize(control));
        return 2;
    }
    for (int round = 0; round < rounds; ++round) {
        {
            const auto bytes = std::make_unique_for_overwrite<char[]>(size);
            Editor.QX_GetData(control, bytes.get(), 0, static_cast<int>(size));
            plainWrite = std::min(plainWrite, Timed([&] { return PlainWrite(plainCopy, bytes.get(), size); }));
        }
        // Each round a name of its own: the saved file becomes the control's base, which
        // stays open while the history needs it.
        const std::string savedNow = saved + std::to_string(round);
        write = std::min(write, Timed([&] { return WriteDocument(nullptr, control, WideFromAnsi(savedNow)); }));
    }
    Editor.QX_New(control);
    const double peak = PeakMiB();
    const double limit = 2.0 * static_cast<double>(size) / (1 << 20) + 128;
    DeleteFileA(source.c_str());
    DeleteFileA(plainCopy.c_str());
    for (int round = 0; round < rounds; ++round)
        DeleteFileA((saved + std::to_string(round)).c_str());
    RemoveDirectoryA(folder.c_str());

    std::printf("document of %zu bytes, best of %d\n", size, rounds);
    std::printf("  read:  plain %.3f s, LoadDocument  %.3f s, ratio %.2f (limit 3)\n", plainRead, load, load / plainRead);
    std::printf("  write: plain %.3f s, WriteDocument %.3f s, ratio %.2f (limit 3)\n", plainWrite, write, write / plainWrite);
    std::printf("  peak memory %.0f MiB (limit %.0f MiB)\n", peak, limit);
    const bool fast = load <= 3 * plainRead && write <= 3 * plainWrite;
    const bool within = fast && peak <= limit;
    std::printf("%s\n", within ? "within limits" : "OUT OF LIMITS");
    // Memory always counts; the time ratios fail the full run only, since short runs on a
    // shared machine are noisy.
    return within || (isShort && peak <= limit) ? 0 : 1;
}
