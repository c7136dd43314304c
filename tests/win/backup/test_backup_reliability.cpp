// The reliability figure of crash recovery: rounds of edit, backup tick, kill, restart and recovery.
#include "tests/win/backup/RecoveryChecks.h"

#include "common/PathString.h"
#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

int Rounds(const char* variable = "QX_BACKUP_ROUNDS")
{
    const char* rounds = std::getenv(variable);
    return rounds && std::atoi(rounds) > 0 ? std::atoi(rounds) : 200;
}

// A document of 1 to maxSize random bytes.
bool WriteRandomDocument(const std::string& path, unsigned maxSize, std::mt19937& random)
{
    return WriteBytes(path, RandomBytes(1 + random() % maxSize, random()));
}

struct Round {
    bool recovered = false;  // the recovery editor showed the bytes of the last completed tick
    std::string failure;
};

Round RunRound(const BackupScene& scene, int round, std::mt19937& random)
{
    Round result;
    const auto fail = [&](const std::string& why) {
        result.failure = why;
        return result;
    };
    const std::string document = scene.filePath("round.bin");
    if (!WriteRandomDocument(document, 5000, random))
        return fail("the document cannot be written");
    auto editor = scene.start("-o \"" + document + "\" round-editor");
    HWND window = scene.window(editor->id());
    if (!window)
        return fail("the editor did not come up");

    for (unsigned edits = 1 + random() % 6; edits > 0; --edits)
        SendMessageA(window, kHostEdit, random(), 0);
    if (!HostModified(window))
        SendMessageA(window, kHostEdit, random(), 0);
    if (!WaitFor([&] { return !HostModified(window); }, 20000))
        return fail("no backup tick");
    const std::vector<uint8_t> ticked = HostData(window, scene.filePath("ticked.bin"));
    if (ticked.empty())
        return fail("the editor's bytes cannot be read");
    // Every fourth round the kill comes at a random moment while a large change is backed
    // up: the recovery then gives the last tick's bytes or the new ones, never a mixture.
    std::vector<uint8_t> newer;
    if (round % 4 == 3) {
        if (!SendMessageA(window, kHostFill, (4 << 10) + random() % (4 << 10), random()))
            return fail("the large change cannot be made");
        newer = HostData(window, scene.filePath("newer.bin"));
        Sleep(random() % 300);
    }

    if (round % 2 == 0)
        editor->terminate();
    else if (!scene.killUnix(editor->id(), "round-editor"))
        return fail("kill -9 did not end the editor");
    if (!editor->waitForExit())
        return fail("the killed editor is still there");

    auto restarted = scene.start();
    if (AnswerStartBox(restarted->id()) != kAbnormalTerminationText)
        return fail("no abnormal-termination message");
    const std::vector<HWND> recovery = WaitForHosts(2, restarted->id());
    if (recovery.size() != 1)
        return fail("not exactly one recovery editor");
    if (HostCaption(recovery[0]) != document || !HostModified(recovery[0]))
        return fail("the recovered document is not the modified former one");
    const std::vector<uint8_t> recovered = HostData(recovery[0], scene.filePath("recovered.bin"));
    result.recovered = recovered == ticked || (!newer.empty() && recovered == newer);

    if (!scene.closeAll() || restarted->exitCode() != 0)
        return fail("an editor did not end normally");
    if (!scene.profileValue().empty() || !scene.tempFiles().empty())
        return fail("files left behind after the last editor ended");
    return result;
}

// Each round's recovered bytes are compared with those of the last tick. QX_BACKUP_ROUNDS sets
// the number of rounds of the backup host.
TEST(BackupReliability, KilledEditorsComeBackWithTheirLastBackup)
{
    BackupScene scene("bk_reliability");
    SetEnvironmentVariableA(kHostTimerVariable, "100");
    std::mt19937 random(20261207);
    const int rounds = Rounds();
    int identical = 0;
    for (int round = 0; round < rounds; ++round) {
        const Round result = RunRound(scene, round, random);
        EXPECT_EQ(result.failure, "") << "round " << round;
        EXPECT_TRUE(!result.failure.empty() || result.recovered) << "round " << round << ": other bytes came back";
        identical += result.recovered;
        if (!result.failure.empty())
            scene.closeAll();
    }
    SetEnvironmentVariableA(kHostTimerVariable, nullptr);
    std::printf("backup reliability: %d of %d recoveries identical\n", identical, rounds);
    RecordProperty("identical", identical);
    EXPECT_EQ(identical, rounds);
}

} // namespace

namespace {

constexpr char kMainClass[] = "TFormVornalix";

// Keys the control handles alone: hexadecimal digits, insert, delete, space, tab, back space
// and caret moves.
constexpr WPARAM kEditKeys[] = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'B', 'C', 'D', 'E',
                                'F', VK_INSERT, VK_DELETE, VK_SPACE, VK_TAB, VK_BACK, VK_LEFT, VK_RIGHT,
                                VK_UP, VK_DOWN, VK_HOME, VK_END};

HWND ControlOf(HWND main)
{
    const std::vector<HWND> controls = ChildrenOfClass(main, "TALVINEWINDOW");
    return controls.empty() ? nullptr : controls[0];
}

// The main window of an editor process other than `excluded`, once it is shown.
HWND OtherEditor(DWORD excluded)
{
    HWND found = nullptr;
    WaitFor([&] {
        for (HWND main : BackupScene::windows(kMainClass))
            if (HostProcess(main) != excluded)
                found = main;
        return found != nullptr;
    }, 20000);
    return found;
}

FILETIME LastWrite(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

Round RunEditorRound(const BackupScene& scene, int round, std::mt19937& random)
{
    Round result;
    const auto fail = [&](const std::string& why) {
        result.failure = why;
        return result;
    };
    const std::string document = scene.filePath("edited.bin");
    if (!WriteRandomDocument(document, 3000, random))
        return fail("the document cannot be written");
    auto editor = scene.start("-o \"" + document + "\" edited-editor");
    const HWND main = WaitForProcessWindow(editor->id(), kMainClass);
    const HWND control = main ? ControlOf(main) : nullptr;
    if (!control)
        return fail("the editor did not come up");
    std::string backup;
    for (const Profile& record : scene.records())
        if (record.documentName == WideFromAnsi(document))
            backup = AnsiText(record.backupFile);
    if (backup.empty())
        return fail("the editor is not in the list");

    // Keys are sent, so each is handled before the next; the last one, a digit, always
    // changes the document, so the tick after the backup is deleted writes it anew.
    for (unsigned keys = random() % 40; keys > 0; --keys)
        SendMessageA(control, WM_KEYDOWN, kEditKeys[random() % std::size(kEditKeys)], 0);
    SendMessageA(control, WM_KEYDOWN, '0' + random() % 10, 0);
    DeleteFileA(backup.c_str());
    std::vector<uint8_t> ticked;
    if (!WaitFor([&] { return !(ticked = BackupBytes(backup)).empty(); }, 20000))
        return fail("no backup tick");
    const FILETIME tickTime = LastWrite(backup);

    if (round % 2 == 0)
        editor->terminate();
    else if (!scene.killUnix(editor->id(), "edited-editor"))
        return fail("kill -9 did not end the editor");
    if (!editor->waitForExit())
        return fail("the killed editor is still there");

    auto restarted = scene.start();
    if (AnswerStartBox(restarted->id()) != kAbnormalTerminationText)
        return fail("no abnormal-termination message");
    const HWND started = WaitForProcessWindow(restarted->id(), kMainClass);
    const HWND recovery = OtherEditor(restarted->id());
    if (!started || !recovery)
        return fail("the editors did not come up");
    // The recovery editor writes what its control holds into the backup once it has loaded it.
    const auto rewritten = [&] {
        const FILETIME now = LastWrite(backup);
        return CompareFileTime(&now, &tickTime) != 0;
    };
    if (!WaitFor(rewritten, 20000))
        return fail("the recovery editor did not write its backup");
    bool named = false;
    for (const Profile& record : scene.records())
        named = named || (SameName(AnsiText(record.backupFile), backup) && record.documentName == WideFromAnsi(document));
    if (!named)
        return fail("the recovered document lost its name");
    result.recovered = BackupBytes(backup) == ticked;

    if (!CloseEditor(recovery) || !CloseEditor(started))
        return fail("an editor did not end normally");
    if (!scene.profileValue().empty() || !scene.tempFiles().empty())
        return fail("files left behind after the last editor ended");
    return result;
}

// The same rounds with the editor itself, edited through its control's keys, backed up by its
// own timer ("backup_time" 1 s). QX_BACKUP_EDITOR_ROUNDS sets the number of rounds.
TEST(BackupReliability, KilledEditorWindowsComeBackWithTheirLastBackup)
{
    BackupScene scene("bk_editor_rounds", "vornalix.exe");
    std::mt19937 random(7);
    const int rounds = Rounds("QX_BACKUP_EDITOR_ROUNDS");
    int identical = 0;
    for (int round = 0; round < rounds; ++round) {
        RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\KORVANI\\bk_editor_rounds\\Preference", "backup_time",
                        REG_SZ, "1", 2);
        const Round result = RunEditorRound(scene, round, random);
        EXPECT_EQ(result.failure, "") << "round " << round;
        EXPECT_TRUE(!result.failure.empty() || result.recovered) << "round " << round << ": other bytes came back";
        identical += result.recovered;
        if (!result.failure.empty())
            break;
    }
    std::printf("editor backup reliability: %d of %d recoveries identical\n", identical, rounds);
    RecordProperty("identical", identical);
    EXPECT_EQ(identical, rounds);
}

} // namespace
