// The editor itself: its backup tick after typing, and its recovery after it was killed.
#include "tests/win/backup/RecoveryChecks.h"

#include "common/PathString.h"
#include "tests/win/support/MessageBoxCatcher.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

constexpr char kMainClass[] = "TFormVornalix";

HWND ControlOf(HWND main)
{
    HWND found = nullptr;
    EnumChildWindows(
        main,
        [](HWND child, LPARAM param) {
            char name[64] = {};
            GetClassNameA(child, name, sizeof name);
            if (lstrcmpA(name, "TALVINEWINDOW") != 0)
                return TRUE;
            *reinterpret_cast<HWND*>(param) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

void Type(HWND control, const char* digits)
{
    for (const char* digit = digits; *digit; ++digit)
        PostMessageA(control, WM_KEYDOWN, static_cast<WPARAM>(*digit), 0);
}

TEST(EditorRecovery, TypedBytesReachTheBackupAndComeBackAfterAKill)
{
    BackupScene scene("bk_editor", "vornalix.exe");
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\KORVANI\\bk_editor\\Preference", "backup_time", REG_SZ, "1", 2);
    const std::string document = scene.filePath("typed.bin");
    ASSERT_TRUE(WriteBytes(document, {0x00, 0x11, 0x22, 0x33}));

    auto editor = scene.start("-o \"" + document + "\"");
    HWND main = WaitForProcessWindow(editor->id(), kMainClass);
    ASSERT_NE(main, nullptr);
    HWND control = ControlOf(main);
    ASSERT_NE(control, nullptr);
    const std::optional<Profile> record = RecordOf(scene.records(), document);
    ASSERT_TRUE(record);
    const std::wstring backup = record->backupFile;
    EXPECT_EQ(BackupBytes(backup), (std::vector<uint8_t>{0x00, 0x11, 0x22, 0x33})) << "backed up when loaded";

    Type(control, "7A5");
    const std::vector<uint8_t> typed = {0x7A, 0x51, 0x22, 0x33};
    ASSERT_TRUE(WaitFor([&] { return BackupBytes(backup) == typed; }, 15000)) << "no backup tick";
    editor->terminate();

    auto restarted = scene.start();
    EXPECT_EQ(AnswerStartBox(restarted->id()), kAbnormalTerminationText);
    ASSERT_NE(WaitForProcessWindow(restarted->id(), kMainClass), nullptr);
    std::optional<Profile> recovered;
    ASSERT_TRUE(WaitFor([&] {
        const std::vector<Profile> records = scene.records();
        recovered = RecordOf(records, document);
        return recovered && records.size() == 2;
    }, 15000));
    EXPECT_TRUE(SameName(recovered->backupFile, backup)) << "the recovery editor keeps the backup";
    EXPECT_EQ(BackupBytes(backup), typed);
    EXPECT_EQ(ReadBytes(document), (std::vector<uint8_t>{0x00, 0x11, 0x22, 0x33}));

    // The recovered document is modified: closing its editor asks first. The restarted one
    // has nothing to save and ends at once.
    HWND recoveredMain = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        for (HWND main : BackupScene::windows(kMainClass))
            if (HostProcess(main) != restarted->id())
                recoveredMain = main;
        return recoveredMain != nullptr;
    }));
    PostMessageA(recoveredMain, WM_CLOSE, 0, 0);
    EXPECT_NE(WaitForProcessWindow(HostProcess(recoveredMain), "TFormQuerySave"), nullptr);
    PostMessageA(WaitForProcessWindow(restarted->id(), kMainClass), WM_CLOSE, 0, 0);
    ASSERT_TRUE(restarted->waitForExit());
    EXPECT_EQ(restarted->exitCode(), 0u);
}

// A message box of any editor process but `excluded`: its text, after OK was pressed.
std::string AnswerBoxOfOtherEditor(DWORD excluded)
{
    HWND box = nullptr;
    WaitFor([&] {
        for (HWND window : BackupScene::windows("#32770"))
            if (HostProcess(window) != excluded && HostProcess(window) != GetCurrentProcessId())
                box = window;
        return box != nullptr;
    }, 15000);
    if (!box)
        return {};
    const CaughtBox caught = ReadMessageBox(box);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    WaitFor([&] { return !IsWindow(box); });
    return caught.text;
}

TEST(EditorRecovery, ABackupWhoseFileChangedAfterTheCrashIsLeftWhereItIsAndTheUserTold)
{
    BackupScene scene("bk_editor_base", "vornalix.exe");
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\KORVANI\\bk_editor_base\\Preference", "backup_time", REG_SZ, "1", 2);
    const std::string document = scene.filePath("large.bin");
    std::vector<uint8_t> bytes = RandomBytes(5 << 20, 9);
    ASSERT_TRUE(WriteBytes(document, bytes));
    auto editor = scene.start("-o \"" + document + "\"");
    HWND main = WaitForProcessWindow(editor->id(), kMainClass);
    ASSERT_NE(main, nullptr);
    const std::optional<Profile> record = RecordOf(scene.records(), document);
    ASSERT_TRUE(record);
    const std::wstring backup = record->backupFile;
    Type(ControlOf(main), "7");
    bytes[0] = static_cast<uint8_t>(0x70 | (bytes[0] & 0x0F));
    ASSERT_TRUE(WaitFor([&] { return BackupBytes(backup) == bytes; }, 15000)) << "no backup tick";
    editor->terminate();
    ASSERT_TRUE(editor->waitForExit());
    ASSERT_TRUE(WriteBytes(document, RandomBytes(5 << 20, 10)));  // another program's doing

    auto restarted = scene.start();
    EXPECT_EQ(AnswerStartBox(restarted->id()), kAbnormalTerminationText);
    EXPECT_EQ(AnswerBoxOfOtherEditor(restarted->id()), "ファイルを読み込めませんでした。");
    EXPECT_EQ(AnswerBoxOfOtherEditor(restarted->id()),
              "バックアップから復帰できませんでした。バックアップファイルは次の場所に残してあります。\n" + AnsiText(backup));
    // The recovery editor shows its window once its start is over: both are closed.
    EXPECT_TRUE(WaitFor([] { return BackupScene::windows(kMainClass).size() == 2; }, 15000));
    for (HWND window : BackupScene::windows(kMainClass))
        EXPECT_TRUE(CloseEditor(window));
    EXPECT_TRUE(Exists(backup)) << "the backup is the user's to rescue";
    EXPECT_EQ(scene.profileValue(), "");
}

// The offset of the record after `skipped` others in a journal file of known bytes.
size_t RecordAt(const std::vector<uint8_t>& journal, int skipped)
{
    const uint8_t magic[] = {'Q', 'X', 'R', 'C'};
    for (size_t at = 0; at + 4 <= journal.size(); ++at)
        if (std::equal(magic, magic + 4, journal.begin() + at) && skipped-- == 0)
            return at;
    return journal.size();
}

TEST(EditorRecovery, ADamagedBackupIsToldNamedAndLeftAndNeverOpensAsIfWhole)
{
    // The header damaged (the base's size it names): nothing can be rebuilt. The first of two
    // records: the document as it was before it (the file's bytes) comes back, and the user
    // hears that later changes are lost.
    const struct {
        int damagedRecord;
        const char* text;
        std::vector<uint8_t> shown;
    } cases[] = {
        {-1, "バックアップから復帰できませんでした。", {}},
        {0, "バックアップの一部が壊れていたため", {0x00, 0x11, 0x22, 0x33}},
    };
    for (const auto& [damagedRecord, text, shown] : cases) {
        SCOPED_TRACE(damagedRecord);
        BackupScene scene("bk_damaged", "vornalix.exe");
        RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\KORVANI\\bk_damaged\\Preference", "backup_time", REG_SZ, "1", 2);
        const std::string document = scene.filePath("typed.bin");
        ASSERT_TRUE(WriteBytes(document, {0x00, 0x11, 0x22, 0x33}));
        auto editor = scene.start("-o \"" + document + "\"");
        HWND main = WaitForProcessWindow(editor->id(), kMainClass);
        ASSERT_NE(main, nullptr);
        const std::wstring backup = RecordOf(scene.records(), document).value().backupFile;
        // Two ticks, two records after the header that names the file.
        Type(ControlOf(main), "7");
        ASSERT_TRUE(WaitFor([&] { return BackupBytes(backup) == std::vector<uint8_t>{0x70, 0x11, 0x22, 0x33}; }, 15000));
        Type(ControlOf(main), "A");
        ASSERT_TRUE(WaitFor([&] { return BackupBytes(backup) == std::vector<uint8_t>{0x7A, 0x11, 0x22, 0x33}; }, 15000));
        editor->terminate();
        ASSERT_TRUE(editor->waitForExit());
        std::vector<uint8_t> journal = ReadBytes(backup);
        const size_t damaged = (damagedRecord < 0 ? 0 : RecordAt(journal, damagedRecord)) + 20;
        ASSERT_LT(damaged, journal.size());
        journal[damaged] ^= 0xFF;
        ASSERT_TRUE(WriteBytes(backup, journal));

        auto restarted = scene.start();
        EXPECT_EQ(AnswerStartBox(restarted->id()), kAbnormalTerminationText);
        std::string told = AnswerBoxOfOtherEditor(restarted->id());
        if (told == "ファイルを読み込めませんでした。")
            told = AnswerBoxOfOtherEditor(restarted->id());
        EXPECT_EQ(told.find(text), 0u) << told;
        const size_t named = told.find(AnsiText(backup));
        EXPECT_TRUE(named != std::string::npos && named > 0 && told[named - 1] == '\n') << "the backup is named: " << told;
        EXPECT_TRUE(ReadBytes(backup) == journal) << "the damaged backup is left as it was";
        // The recovery editor goes on with a backup of its own, holding what it shows.
        std::optional<Profile> recovered;
        ASSERT_TRUE(WaitFor([&] {
            recovered = RecordOf(scene.records(), shown.empty() ? "" : document);
            return recovered && !SameName(recovered->backupFile, backup);
        }, 15000));
        // The new file is recorded when the damaged one is left, before the box; what it holds
        // is written once the box is answered.
        if (!shown.empty()) {
            EXPECT_TRUE(WaitFor([&] { return BackupBytes(recovered->backupFile) == shown; }, 15000))
                << "the new backup holds what is shown";
        }
        EXPECT_TRUE(WaitFor([] { return BackupScene::windows(kMainClass).size() == 2; }, 15000));
        for (HWND window : BackupScene::windows(kMainClass))
            EXPECT_TRUE(CloseEditor(window));
        EXPECT_TRUE(Exists(backup)) << "the backup is the user's to rescue";
    }
}

} // namespace
