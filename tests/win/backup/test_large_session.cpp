// The running editor on a sparse file past 4 GiB: it opens at once, takes a digit at the end,
// (and a control of its own takes bytes inserted past 4 GiB), saves (when the disk writes fast enough for that to fit the test's time), takes another
// digit, is killed, and its recovery stands on the file again with both edits.
#include "tests/win/backup/RecoveryChecks.h"

#include "app/backup/BackupJournal.h"
#include "app/texts/ProgramTexts.h"
#include "app/win/documents/Document.h"
#include "app/win/system/EditorLibrary.h"
#include "common/PathString.h"
#include "common/win/WideText.h"
#include "tests/win/support/ControlHost.h"
#include "tests/win/support/MessageBoxCatcher.h"
#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr char kMainClass[] = "TFormVornalix";
constexpr uint64_t kSize = (uint64_t{4} << 30) + (uint64_t{1} << 20) + 5;
constexpr uint64_t kNeedleAt = (uint64_t{4} << 30) + 4096 + 3;
constexpr char kNeedle[] = "QX-NEEDLE-PAST-4G";
constexpr char kHead[] = "HEAD";

HWND ControlOf(HWND main)
{
    const std::vector<HWND> controls = ChildrenOfClass(main, "TALVINEWINDOW");
    return controls.empty() ? nullptr : controls.front();
}

void Press(HWND control, WPARAM key) { PostMessageA(control, WM_KEYDOWN, key, 0); }

// `count` bytes at `offset` of an open file; false when fewer came.
bool ReadFileAt(HANDLE file, uint64_t offset, void* out, DWORD count)
{
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD read = 0;
    return ReadFile(file, out, count, &read, &at) && read == count;
}

HANDLE OpenShared(const std::wstring& name)
{
    return CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
}

// The byte at `offset` of a file; -1 when it cannot be read.
int FileByteAt(const std::wstring& name, uint64_t offset)
{
    const HANDLE file = OpenShared(name);
    uint8_t byte = 0;
    const bool read = file != INVALID_HANDLE_VALUE && ReadFileAt(file, offset, &byte, 1);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    return read ? byte : -1;
}

// The byte at `offset` of the document a backup journal gives, read from its pieces without
// reading the document whole; -1 when it gives none there.
int BackupByteAt(const std::wstring& backup, uint64_t offset)
{
    const HANDLE journal = OpenShared(backup);
    if (journal == INVALID_HANDLE_VALUE)
        return -1;
    LARGE_INTEGER size{};
    GetFileSizeEx(journal, &size);
    const std::optional<JournalContents> contents =
        ReadJournal(static_cast<uint64_t>(size.QuadPart), [&](uint64_t at, void* out, size_t count) {
            return ReadFileAt(journal, at, out, static_cast<DWORD>(count));
        }, [](std::string_view legacy) { return WideFromAnsi(legacy); });
    int byte = -1;
    if (contents && contents->state == JournalState::Whole) {
        uint64_t start = 0;
        for (const JournalPiece& piece : contents->pieces) {
            if (offset < start + piece.length) {
                const uint64_t at = piece.offset + (offset - start);
                byte = piece.fromBase ? FileByteAt(contents->base.file, at) : [&] {
                    uint8_t value = 0;
                    return ReadFileAt(journal, at, &value, 1) ? int{value} : -1;
                }();
                break;
            }
            start += piece.length;
        }
    }
    CloseHandle(journal);
    return byte;
}

uint64_t FileSize(const std::wstring& name)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return uint64_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow;
}

bool MakeSparse(const std::string& name)
{
    const HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(kSize);
    const auto put = [&](uint64_t offset, const char* text) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD written = 0;
        return WriteFile(file, text, static_cast<DWORD>(std::strlen(text)), &written, &at) != 0;
    };
    const bool made = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file) && put(0, kHead) &&
                      put(kNeedleAt, kNeedle);
    CloseHandle(file);
    return made;
}

// Whether this disk writes the whole file within half a minute, measured on 64 MiB with a
// flush; QX_LARGE_SAVE=1 saves whatever it measures.
bool DiskFastEnough(const std::string& folder)
{
    if (const char* forced = std::getenv("QX_LARGE_SAVE"); forced && std::string(forced) == "1")
        return true;
    const std::string probe = folder + "\\speed.bin";
    const HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const std::string block(size_t{4} << 20, 'x');
    const ULONGLONG start = GetTickCount64();
    bool written = true;
    for (int i = 0; i < 16 && written; ++i) {
        DWORD done = 0;
        written = WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &done, nullptr) && done == block.size();
    }
    written = written && FlushFileBuffers(file);
    const double seconds = static_cast<double>(GetTickCount64() - start) / 1000;
    CloseHandle(file);
    DeleteFileA(probe.c_str());
    const double projected = seconds * static_cast<double>(kSize) / (64.0 * 1024 * 1024);
    std::printf("disk: 64 MiB written in %.2f s; the whole file would take %.0f s\n", seconds, projected);
    return written && projected < 30;
}

TEST(LargeSession, AFilePast4GiBOpensIsEditedSavedAndRecoveredOnItsBase)
{
    if (!RunningEditor::CanPressKeys())
        GTEST_SKIP() << "no display for real key presses";
    BackupScene scene("bk_large", "vornalix.exe");
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\KORVANI\\bk_large\\Preference", "backup_time", REG_SZ, "1", 2);
    const std::string document = scene.filePath("large.bin");
    ASSERT_TRUE(MakeSparse(document));
    const uint64_t last = kSize - 1;

    auto editor = scene.start("-o \"" + document + "\"");
    const HWND main = WaitForProcessWindow(editor->id(), kMainClass);
    ASSERT_NE(main, nullptr);
    const HWND control = ControlOf(main);
    ASSERT_NE(control, nullptr);
    std::optional<Profile> record;
    ASSERT_TRUE(WaitFor([&] { return (record = RecordOf(scene.records(), document)).has_value(); }));
    const std::wstring backup = record->backupFile;
    // The backup names the file it stands on and holds no copy of it.
    ASSERT_TRUE(WaitFor([&] { return BackupByteAt(backup, 0) == 'H'; }));
    EXPECT_LT(FileSize(backup), 4096u);

    // A digit at the end: the last nibble. The tick writes only what changed.
    Press(control, VK_END);
    Press(control, '7');
    ASSERT_TRUE(WaitFor([&] { return BackupByteAt(backup, last) == 0x07; }, 20000)) << "no backup tick";
    EXPECT_LT(FileSize(backup), 4096u);

    if (DiskFastEnough(FolderOf(document))) {
        ASSERT_TRUE(PressKeysIn(main, "alt+f s"));
        ASSERT_TRUE(WaitFor([&] { return FileByteAt(WideFromAnsi(document), last) == 0x07; }, 120000)) << "not saved";
        EXPECT_EQ(FileSize(WideFromAnsi(document)), kSize);
        // The backup starts over on the saved file.
        ASSERT_TRUE(WaitFor([&] { return BackupByteAt(backup, last) == 0x07 && FileSize(backup) < 4096; }));
    }
    // The pattern past 4 GiB is found where it stands, as the file on disk has it.
    {
        ControlHost host;
        MessageBoxCatcher catcher;
        ASSERT_TRUE(LoadDocument(host.host(), host.control(), WideFromAnsi(document)));
        EXPECT_EQ(Editor.QX_Find64(host.control(), 0, kNeedle, nullptr, static_cast<int>(std::strlen(kNeedle)),
                                   QX_FIND_FIRST),
                  QX_FOUND);
        EXPECT_EQ(Editor.QX_GetCaretPos64(host.control()), static_cast<LONGLONG>(2 * kNeedleAt));
        // Pasted bytes land there too, as the editor's paste puts them at the caret.
        ASSERT_TRUE(Editor.QX_InsertData64(host.control(), Editor.QX_GetCaretPos64(host.control()), "AB", 2));
        char around[4] = {};
        ASSERT_TRUE(Editor.QX_GetData64(host.control(), around, 2 * (kNeedleAt - 1), 4));
        EXPECT_EQ(std::string(around, 4), std::string("\0ABQ", 4));
        EXPECT_EQ(Editor.QX_GetDataSize64(host.control()), static_cast<LONGLONG>(kSize + 2));
        EXPECT_TRUE(catcher.boxes().empty());
    }

    // A second digit at the top, then the kill.
    Press(control, VK_HOME);
    Press(control, '5');
    ASSERT_TRUE(WaitFor([&] { return BackupByteAt(backup, 0) == 0x58; }, 20000)) << "no backup tick";
    editor->terminate();
    ASSERT_TRUE(editor->waitForExit());

    auto restarted = scene.start();
    EXPECT_EQ(AnswerStartBox(restarted->id()), kAbnormalTerminationText);
    const HWND recoveredMain = WaitForRecoveryWindow(restarted->id());
    ASSERT_NE(recoveredMain, nullptr);
    // The recovery editor shows both edits and goes on backing up on the same base: a digit
    // typed there reaches its backup beside the recovered ones.
    std::optional<Profile> recovered;
    ASSERT_TRUE(WaitFor([&] { return (recovered = RecordOf(scene.records(), document)).has_value(); }));
    const HWND recoveredControl = ControlOf(recoveredMain);
    ASSERT_NE(recoveredControl, nullptr);
    Press(recoveredControl, VK_HOME);
    Press(recoveredControl, VK_RIGHT);
    Press(recoveredControl, '9');
    ASSERT_TRUE(WaitFor([&] { return BackupByteAt(recovered->backupFile, 0) == 0x59; }, 20000)) << "no backup tick";
    EXPECT_EQ(BackupByteAt(recovered->backupFile, last), 0x07);
    EXPECT_EQ(BackupByteAt(recovered->backupFile, kNeedleAt), kNeedle[0]);
    EXPECT_LT(FileSize(recovered->backupFile), 4096u);
    EXPECT_EQ(FileByteAt(WideFromAnsi(document), 0), 'H') << "the file itself is untouched";

    for (HWND window : BackupScene::windows(kMainClass))
        EXPECT_TRUE(CloseEditor(window));
    DeleteFileA(document.c_str());
}

} // namespace
