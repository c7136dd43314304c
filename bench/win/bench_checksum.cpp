// The checksum command on the running editor's largest document, against a plain program.
// A document of 0x3FFFFFFF random bytes (256 MiB with QX_BENCH_SHORT=1) is opened with
// "vornalix.exe -o FILE"; the command's shortcut (a plain key in the editor's registry key: a
// posted key carries no modifiers) is posted and the time taken until the dialog shows, while
// a thread pings the main window with WM_NULL every few milliseconds: the longest reply is the
// longest stall. Baseline: this process sums the same bytes, read into its memory, with the
// same system functions, one after the other. The dialog's sums must equal the baseline's.
// Median of 3 runs (1 in the short form). The full form exits with 1 above 1.5x the baseline;
// wrong results and probe failures exit with 2.
#include "app/settings/ActionTable.h"
#include "app/settings/Preferences.h"
#include "app/settings/SettingsRules.h"
#include "app/win/settings/RegistryPreferenceStore.h"
#include "bench/win/BenchClock.h"
#include "bench/win/WindowPinger.h"
#include "bench/win/PlainFiles.h"
#include "common/win/ARegistry.h"
#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/Wait.h"

#include <windows.h>
#include <bcrypt.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr uint8_t kChecksumKey = Vk::F1 + 1;
constexpr DWORD kDeadlineMs = 600000;

struct ProbeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void Require(bool condition, const std::string& message)
{
    if (!condition)
        throw ProbeError(message);
}

using Sums = std::array<std::string, 4>;

std::string Hex(const uint8_t* bytes, size_t count)
{
    std::string text;
    char digits[3];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(digits, sizeof digits, "%02X", bytes[i]);
        text += digits;
    }
    return text;
}

// Wine's SHA-1 gives a wrong digest for a single piece of 512 MiB or more: 64 MiB at a time.
bool HashInPieces(BCRYPT_HASH_HANDLE hash, const uint8_t* bytes, size_t size)
{
    constexpr size_t kPiece = size_t{64} << 20;
    for (size_t at = 0; at < size; at += kPiece)
        if (!BCRYPT_SUCCESS(BCryptHashData(hash, const_cast<PUCHAR>(bytes + at),
                                           static_cast<ULONG>(std::min(kPiece, size - at)), 0)))
            return false;
    return true;
}

// What a plain program does: CRC-32, MD5, SHA-1 and SHA-256 of the bytes, one after the other
// (the CRC in one call, the hashes in pieces).
Sums PlainSums(const uint8_t* bytes, size_t size)
{
    using CrcProc = DWORD(WINAPI*)(DWORD, const BYTE*, INT);
    const auto crc = reinterpret_cast<CrcProc>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlComputeCrc32")));
    Require(crc != nullptr, "RtlComputeCrc32 is missing");
    Sums sums;
    char crcText[9];
    std::snprintf(crcText, sizeof crcText, "%08lX", static_cast<unsigned long>(crc(0, bytes, static_cast<INT>(size))));
    sums[0] = crcText;
    const wchar_t* names[] = {BCRYPT_MD5_ALGORITHM, BCRYPT_SHA1_ALGORITHM, BCRYPT_SHA256_ALGORITHM};
    const ULONG lengths[] = {16, 20, 32};
    for (int i = 0; i < 3; ++i) {
        BCRYPT_ALG_HANDLE algorithm = nullptr;
        BCRYPT_HASH_HANDLE hash = nullptr;
        uint8_t digest[32] = {};
        const bool done = BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&algorithm, names[i], nullptr, 0)) &&
                          BCRYPT_SUCCESS(BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0)) &&
                          HashInPieces(hash, bytes, size) && BCRYPT_SUCCESS(BCryptFinishHash(hash, digest, lengths[i], 0));
        if (hash)
            BCryptDestroyHash(hash);
        if (algorithm)
            BCryptCloseAlgorithmProvider(algorithm, 0);
        Require(done, "a CNG hash failed in the plain program");
        sums[i + 1] = Hex(digest, lengths[i]);
    }
    return sums;
}

// Random bytes from a xorshift generator, written in chunks.
void WriteDocument(const std::string& path, size_t size)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    Require(file != INVALID_HANDLE_VALUE, "the document cannot be created: " + path);
    std::vector<uint64_t> chunk((size_t{16} << 20) / 8);
    uint64_t state = 0x9E3779B97F4A7C15ull;
    bool done = true;
    for (size_t offset = 0; offset < size && done; offset += chunk.size() * 8) {
        for (uint64_t& word : chunk) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            word = state;
        }
        const DWORD count = static_cast<DWORD>(std::min(chunk.size() * 8, size - offset));
        DWORD written = 0;
        done = WriteFile(file, chunk.data(), count, &written, nullptr) && written == count;
    }
    CloseHandle(file);
    Require(done, "the document cannot be written: " + path);
}

// The four fields of the dialog, read by message (GetWindowText does not reach another process's edits).
Sums DialogSums(HWND dialog)
{
    Sums sums;
    const std::vector<HWND> edits = ChildrenOfClass(dialog, "Edit");
    for (size_t i = 0; i < sums.size() && i < edits.size(); ++i) {
        char text[128] = {};
        SendMessageA(edits[i], WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        sums[i] = text;
    }
    return sums;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Figures {
    std::vector<double> plain, command, stall;
};

void Measure(const std::string& document, size_t size, int runs, Figures& figures)
{
    Sums expected;
    {
        const std::unique_ptr<char[]> bytes = PlainRead(document, size);
        Require(bytes != nullptr, "the document cannot be read");
        for (int i = 0; i < runs; ++i) {
            const double from = Now();
            expected = PlainSums(reinterpret_cast<const uint8_t*>(bytes.get()), size);
            figures.plain.push_back(Now() - from);
        }
    }
    std::fprintf(stderr, "bench_checksum: plain sums taken (CRC-32 %s), the editor opens the document\n",
                 expected[0].c_str());

    RunningEditor editor("bench_checksum", "-o \"" + document + "\"", [](const std::string& key) {
        ARegistry registry(key);
        RegistryPreferenceStore store(registry);
        Preferences preferences;
        preferences.backupInterval = 3600;
        ActionShortcuts shortcuts = DefaultShortcuts();
        AssignShortcut(shortcuts, ActionId::ToolChecksum, PlainKey(kChecksumKey));
        SavePreferences(store, preferences, shortcuts);
    });
    Require(editor.waitForMainWindow(kDeadlineMs), "the editor's main window did not appear within 600 s");
    Require(WaitFor([&] { return editor.sizeText() == std::to_string(size); }, kDeadlineMs),
            "the editor did not show the document's size within 600 s");
    const std::vector<HWND> controls = ChildrenOfClass(editor.window(), "TALVINEWINDOW");
    Require(!controls.empty(), "the main window holds no control");
    {
        WindowPinger pinger(editor.window());
        for (int i = 0; i < runs; ++i) {
            Require(pinger.WaitQuiet(2), "the editor did not become idle within 600 s");
            const double from = Now();
            PostMessageA(controls.front(), WM_KEYDOWN, kChecksumKey, 1);
            PostMessageA(controls.front(), WM_KEYUP, kChecksumKey, 0xC0000001);
            const HWND dialog = editor.waitForWindow("TFormChecksum", kDeadlineMs);
            const double shown = Now();
            Require(dialog != nullptr, "the checksum dialog did not show within 600 s");
            figures.command.push_back(shown - from);
            figures.stall.push_back(pinger.LongestStall(from, shown));
            const Sums found = DialogSums(dialog);
            for (size_t k = 0; k < found.size(); ++k)
                Require(found[k] == expected[k], "the dialog shows " + found[k] + " where the plain program has " +
                                                     expected[k]);
            PostClick(ChildWithText(dialog, "閉じる"));
            Require(editor.waitForNoWindow("TFormChecksum", 30000), "the checksum dialog did not close");
        }
    }
    Require(editor.close(), "the editor did not end after WM_CLOSE");
}

} // namespace

int main()
{
    const bool isShort = IsShortRun();
    const size_t size = isShort ? size_t{256} << 20 : size_t{0x3FFFFFFF};
    const int runs = isShort ? 1 : 3;

    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string document = std::string(temp) + "qx-bench-checksum-" + std::to_string(GetCurrentProcessId()) + ".bin";
    Figures figures;
    int status = 0;
    try {
        WriteDocument(document, size);
        Measure(document, size, runs, figures);
    } catch (const ProbeError& error) {
        std::fprintf(stderr, "bench_checksum: %s\n", error.what());
        status = 2;
    }
    DeleteFileA(document.c_str());
    if (status != 0)
        return status;

    const double plain = Median(figures.plain), command = Median(figures.command);
    const double ratio = command / plain;
    std::printf("document of %zu bytes (%.0f MiB), %d run(s), all four sums equal the plain program's\n", size,
                static_cast<double>(size) / (1 << 20), runs);
    std::printf("%-44s %10s %10s\n", "", "min", "median");
    std::printf("%-44s %9.3fs %9.3fs\n", "plain program: the four sums one after another",
                *std::min_element(figures.plain.begin(), figures.plain.end()), plain);
    std::printf("%-44s %9.3fs %9.3fs\n", "editor: shortcut until the dialog shows",
                *std::min_element(figures.command.begin(), figures.command.end()), command);
    std::printf("%-44s %8.1fms %8.1fms\n", "editor: longest stall of the window meanwhile",
                1000 * *std::min_element(figures.stall.begin(), figures.stall.end()), 1000 * Median(figures.stall));
    std::printf("ratio editor / plain: %.2f x (target <= 1.5 x)%s\n", ratio, ratio <= 1.5 ? "" : " MISSED");
    return !isShort && ratio > 1.5 ? 1 : 0;
}
