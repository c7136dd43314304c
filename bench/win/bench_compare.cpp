// The compare window on the running program, against a plain program that compares the same files.
// Byte by byte: two files of 0x3FFFFFFF bytes (256 MiB with QX_BENCH_SHORT=1) that differ in
// 1,000 scattered bytes, shown with "vornalix.exe -c A B"; F5 (compare again) is posted and the
// time taken until the status line shows the count and the first difference, while a thread
// pings the window with WM_NULL: the longest reply is the longest stall. Baseline: this process
// reads both files in 1 MiB pieces and compares them with memcmp, counting the differing bytes.
// Insertion-aware: two files of 16 MiB (4 MiB short) that differ by 100 inserted or deleted runs
// of up to 1 KiB, compared through the editor's command and its question; the time until the
// status line shows the result, and every run at its offsets in the list. Median of 3 runs (1
// in the short form). The full form exits with 1 when a target is missed; wrong results and
// probe failures exit with 2.
#include "app/settings/ActionTable.h"
#include "app/settings/Preferences.h"
#include "app/settings/SettingsRules.h"
#include "app/win/settings/RegistryPreferenceStore.h"
#include "bench/win/BenchClock.h"
#include "bench/win/WindowPinger.h"
#include "common/win/ARegistry.h"
#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/Process.h"
#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/Wait.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr DWORD kDeadlineMs = 600000;
constexpr uint8_t kCompareKey = Vk::F1 + 1;
constexpr uint8_t kAgainKey = Vk::F1 + 4;

struct ProbeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void Require(bool condition, const std::string& message)
{
    if (!condition)
        throw ProbeError(message);
}

uint64_t Next(uint64_t& state)
{
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    Require(file != INVALID_HANDLE_VALUE, "cannot create " + path);
    DWORD written = 0;
    const bool done = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                      written == bytes.size();
    CloseHandle(file);
    Require(done, "cannot write " + path);
}

// Both files from one generator; the second then has `changes` bytes changed, spread evenly.
void WritePair(const std::string& first, const std::string& second, size_t size, int changes)
{
    std::vector<uint8_t> chunk(size_t{16} << 20);
    const HANDLE files[2] = {CreateFileA(first.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr),
                             CreateFileA(second.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr)};
    Require(files[0] != INVALID_HANDLE_VALUE && files[1] != INVALID_HANDLE_VALUE, "cannot create the files");
    uint64_t state = 0x9E3779B97F4A7C15ull;
    bool done = true;
    for (size_t offset = 0; offset < size && done; offset += chunk.size()) {
        const DWORD count = static_cast<DWORD>(std::min(chunk.size(), size - offset));
        for (size_t i = 0; i < count; i += 8) {
            const uint64_t word = Next(state);
            std::memcpy(chunk.data() + i, &word, std::min<size_t>(8, count - i));
        }
        for (const HANDLE file : files) {
            DWORD written = 0;
            done = done && WriteFile(file, chunk.data(), count, &written, nullptr) && written == count;
        }
    }
    for (int i = 0; i < changes && done; ++i) {
        const LONGLONG at = static_cast<LONGLONG>(size / changes) * i + 7;
        LARGE_INTEGER position;
        position.QuadPart = at;
        uint8_t byte = 0;
        DWORD moved = 0;
        done = SetFilePointerEx(files[1], position, nullptr, FILE_BEGIN) && ReadFile(files[1], &byte, 1, &moved, nullptr);
        byte ^= 0xA5;
        done = done && SetFilePointerEx(files[1], position, nullptr, FILE_BEGIN) &&
               WriteFile(files[1], &byte, 1, &moved, nullptr);
    }
    CloseHandle(files[0]);
    CloseHandle(files[1]);
    Require(done, "cannot write the files");
}

// A plain program: both files in 1 MiB pieces, memcmp, the differing bytes counted.
uint64_t PlainCompare(const std::string& first, const std::string& second)
{
    const HANDLE files[2] = {
        CreateFileA(first.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr),
        CreateFileA(second.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr)};
    Require(files[0] != INVALID_HANDLE_VALUE && files[1] != INVALID_HANDLE_VALUE, "cannot open the files");
    std::vector<char> pieces[2] = {std::vector<char>(1 << 20), std::vector<char>(1 << 20)};
    uint64_t differing = 0;
    for (;;) {
        DWORD read[2] = {0, 0};
        for (int k = 0; k < 2; ++k)
            ReadFile(files[k], pieces[k].data(), 1 << 20, &read[k], nullptr);
        if (read[0] == 0 || read[1] == 0)
            break;
        const DWORD common = std::min(read[0], read[1]);
        if (std::memcmp(pieces[0].data(), pieces[1].data(), common) != 0)
            for (DWORD i = 0; i < common; ++i)
                differing += pieces[0][i] != pieces[1][i];
    }
    CloseHandle(files[0]);
    CloseHandle(files[1]);
    return differing;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Figures {
    std::vector<double> plain, window, stall, aware;
};

void MeasureByteByByte(const std::string& first, const std::string& second, int runs, Figures& figures)
{
    for (int i = 0; i < runs; ++i) {
        const double from = Now();
        const uint64_t differing = PlainCompare(first, second);
        figures.plain.push_back(Now() - from);
        Require(differing == 1000, "the plain program counts " + std::to_string(differing) + " differing bytes");
    }
    const std::string program = ProgramFolder() + "vornalix.exe";
    ChildProcess compare(program, "\"" + program + "\" -c \"" + first + "\" \"" + second + "\"");
    Require(compare.started(), "vornalix.exe -c did not start");
    const HWND window = WaitForProcessWindow(compare.id(), "TFormCompare", kDeadlineMs);
    Require(window != nullptr, "the compare window did not show");
    const std::string expected = "相違 1,000 バイト / 1,000 箇所  [1/1,000]";
    Require(WaitFor([&] { return StatusOf(window).starts_with(expected); }, kDeadlineMs),
            "the first comparison shows " + StatusOf(window));
    const std::vector<HWND> controls = ChildrenOfClass(window, "TALVINEWINDOW");
    Require(controls.size() == 2, "the compare window holds no two controls");
    {
        WindowPinger pinger(window);
        for (int i = 0; i < runs; ++i) {
            const double from = Now();
            PostMessageA(controls.front(), WM_KEYDOWN, kAgainKey, 1);
            PostMessageA(controls.front(), WM_KEYUP, kAgainKey, 0xC0000001);
            Require(WaitFor([&] { return !StatusOf(window).starts_with(expected); }, 30000), "F5 did not start a comparison");
            Require(WaitFor([&] { return StatusOf(window).starts_with(expected); }, kDeadlineMs),
                    "the comparison shows " + StatusOf(window));
            const double shown = Now();
            figures.window.push_back(shown - from);
            figures.stall.push_back(pinger.LongestStall(from, shown));
        }
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    Require(compare.waitForExit(60000) && compare.exitCode() == 1, "the compare window did not end with exit code 1");
}

void MeasureInsertionAware(const std::string& first, const std::string& second, size_t size, int runs, Figures& figures)
{
    std::vector<uint8_t> bytes(size);
    uint64_t state = 12345;
    for (uint8_t& byte : bytes)
        byte = static_cast<uint8_t>(Next(state) >> 24);
    WriteBytes(first, bytes);
    // 100 runs, inserted and deleted in turn, each unlike the bytes it meets.
    std::vector<uint8_t> edited;
    std::vector<std::string> expected;
    size_t at = 0;
    char line[128];
    for (int run = 0; run < 100; ++run) {
        const size_t next = (size / 101) * (run + 1);
        edited.insert(edited.end(), bytes.begin() + at, bytes.begin() + next);
        at = next;
        const size_t length = 1 + Next(state) % 1024;
        if (run % 2 == 0) {
            std::snprintf(line, sizeof line, "%08zX\t比較先のみ\t%08zX\t", at, edited.size());
            for (size_t k = 0; k < length; ++k)
                edited.push_back(static_cast<uint8_t>(bytes[at + k] ^ (1 + Next(state) % 255)));
        } else {
            while (bytes[at] == bytes[at + length])
                ++at;
            edited.insert(edited.end(), bytes.begin() + next, bytes.begin() + at);
            std::snprintf(line, sizeof line, "%08zX\t", at);
            // The list groups thousands: "1,023".
            const std::string grouped = length >= 1000 ? std::to_string(length / 1000) + "," +
                                                             std::string(3 - std::to_string(length % 1000).size(), '0') +
                                                             std::to_string(length % 1000)
                                                       : std::to_string(length);
            std::snprintf(line + std::strlen(line), sizeof line - std::strlen(line), "%s\t%08zX\t比較元のみ",
                          grouped.c_str(), edited.size());
            at += length;
        }
        expected.push_back(line);
    }
    edited.insert(edited.end(), bytes.begin() + at, bytes.end());
    WriteBytes(second, edited);

    RunningEditor editor("bench_compare", "-o \"" + first + "\"", [](const std::string& key) {
        ARegistry registry(key);
        RegistryPreferenceStore store(registry);
        Preferences preferences;
        preferences.backupInterval = 3600;
        ActionShortcuts shortcuts = DefaultShortcuts();
        AssignShortcut(shortcuts, ActionId::ToolCompare, PlainKey(kCompareKey));
        SavePreferences(store, preferences, shortcuts);
    });
    Require(editor.waitForMainWindow(kDeadlineMs), "the editor's main window did not appear");
    Require(WaitFor([&] { return editor.sizeText() == std::to_string(size); }, kDeadlineMs), "the editor shows no document");
    const std::vector<HWND> controls = ChildrenOfClass(editor.window(), "TALVINEWINDOW");
    for (int i = 0; i < runs; ++i) {
        PostMessageA(controls.front(), WM_KEYDOWN, kCompareKey, 1);
        PostMessageA(controls.front(), WM_KEYUP, kCompareKey, 0xC0000001);
        const HWND question = editor.waitForWindow("TFormCompareFiles", kDeadlineMs);
        Require(question != nullptr, "the question did not show");
        SetEditText(ChildrenOfClass(question, "Edit").back(), second);
        SendMessageA(ChildWithText(question, "挿入・削除を考慮して比較(&I)"), BM_SETCHECK, BST_CHECKED, 0);
        const double from = Now();
        PostClick(ChildWithText(question, "比較"));
        HWND window = nullptr;
        Require(WaitFor([&] {
            window = editor.waitForWindow("TFormCompare", 0);
            return window && StatusOf(window).starts_with("相違");
        }, kDeadlineMs), "the insertion-aware comparison did not end");
        figures.aware.push_back(Now() - from);
        Require(StatusOf(window).find("/ 100 箇所") != std::string::npos, "the window shows " + StatusOf(window));
        const std::vector<std::string> shown = ListItems(ChildrenOfClass(window, "ListBox").front());
        Require(shown.size() == expected.size(), "the list holds " + std::to_string(shown.size()) + " regions");
        for (size_t k = 0; k < shown.size(); ++k)
            Require(shown[k].starts_with(expected[k]), "region " + std::to_string(k) + " is " + shown[k] +
                                                           ", not " + expected[k]);
        PostMessageA(window, WM_CLOSE, 0, 0);
        Require(editor.waitForNoWindow("TFormCompare", 30000), "the compare window did not close");
    }
    Require(editor.close(), "the editor did not end after WM_CLOSE");
}

} // namespace

int main()
{
    const bool isShort = IsShortRun();
    const size_t size = isShort ? size_t{256} << 20 : size_t{0x3FFFFFFF};
    const size_t awareSize = isShort ? size_t{4} << 20 : size_t{16} << 20;
    const int runs = isShort ? 1 : 3;
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string base = std::string(temp) + "qx-bench-compare-" + std::to_string(GetCurrentProcessId());
    const std::string files[4] = {base + "-a.bin", base + "-b.bin", base + "-c.bin", base + "-d.bin"};
    Figures figures;
    int status = 0;
    try {
        WritePair(files[0], files[1], size, 1000);
        MeasureByteByByte(files[0], files[1], runs, figures);
        MeasureInsertionAware(files[2], files[3], awareSize, runs, figures);
    } catch (const ProbeError& error) {
        std::fprintf(stderr, "bench_compare: %s\n", error.what());
        status = 2;
    }
    for (const std::string& file : files)
        DeleteFileA(file.c_str());
    if (status != 0)
        return status;

    const double plain = Median(figures.plain), window = Median(figures.window);
    const double ratio = window / plain, stall = Median(figures.stall), aware = Median(figures.aware);
    std::printf("byte by byte: two files of %zu bytes, 1,000 differing bytes; insertion-aware: %zu bytes, 100 runs; "
                "%d run(s)\n", size, awareSize, runs);
    std::printf("%-56s %9.3fs\n", "plain program: 1 MiB pieces, memcmp", plain);
    std::printf("%-56s %9.3fs\n", "compare window: F5 until count and first difference", window);
    std::printf("%-56s %8.1fms\n", "compare window: longest stall meanwhile", 1000 * stall);
    std::printf("%-56s %9.3fs\n", "insertion-aware: compare until the 100 runs show", aware);
    std::printf("ratio window / plain: %.2f x (target <= 1.5 x)%s; stall target <= 50 ms%s; insertion-aware target <= 2 s%s\n",
                ratio, ratio <= 1.5 ? "" : " MISSED", stall <= 0.05 ? "" : " MISSED", aware <= 2 ? "" : " MISSED");
    return !isShort && (ratio > 1.5 || stall > 0.05 || aware > 2) ? 1 : 0;
}
