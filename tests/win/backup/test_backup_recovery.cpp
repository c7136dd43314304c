// Editors that die are reported by the next start and come back from their last backup.
#include "tests/win/backup/RecoveryChecks.h"

#include "common/PathString.h"
#include "common/win/AMutex.h"
#include "tests/win/support/Wait.h"

#include <tlhelp32.h>

#include <gtest/gtest.h>

namespace {

enum class Kill { Terminate, Unix };

bool HasModule(DWORD processId, const char* module)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = Module32First(snapshot, &entry); more && !found; more = Module32Next(snapshot, &entry))
        found = lstrcmpiA(entry.szModule, module) == 0;
    CloseHandle(snapshot);
    return found;
}

void KillEditor(const BackupScene& scene, ChildProcess& editor, Kill kill)
{
    if (kill == Kill::Terminate)
        editor.terminate();
    else
        ASSERT_TRUE(scene.killUnix(editor.id(), "lost-editor"));
    ASSERT_TRUE(editor.waitForExit());
}

// One editor with a document dies after a backup tick (and an edit the tick never saw); a
// second one ends normally; the next start recovers the first one's document.
void CheckRecovery(const char* sceneName, bool named, Kill kill)
{
    BackupScene scene(sceneName);
    const std::string document = scene.filePath("document.bin");
    ASSERT_TRUE(WriteBytes(document, {10, 20, 30}));
    // An argument that names no file starts an untitled editor and marks its command line.
    auto lost = scene.start(named ? "-o \"" + document + "\" lost-editor" : "C:\\no-such\\lost-editor");
    auto survivor = scene.start();
    HWND lostWindow = scene.window(lost->id());
    HWND survivorWindow = scene.window(survivor->id());
    ASSERT_NE(lostWindow, nullptr);
    ASSERT_NE(survivorWindow, nullptr);

    const std::vector<uint8_t> backedUp = RandomBytes(3000, 8);
    ASSERT_TRUE(SetHostData(lostWindow, backedUp));
    ASSERT_EQ(SendMessageA(lostWindow, kHostTick, 0, 0), 1);
    SendMessageA(lostWindow, kHostEdit, 99, 0);
    KillEditor(scene, *lost, kill);
    ASSERT_TRUE(BackupScene::close(survivorWindow));

    const std::string abandonedList = scene.profileValue();
    ASSERT_NE(abandonedList, "") << "the list stays while a dead editor is counted";
    const std::vector<Profile> left = scene.records();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].documentName, named ? WideFromAnsi(document) : L"");
    EXPECT_EQ(BackupBytes(left[0].backupFile), backedUp);

    auto restarted = scene.start();
    EXPECT_EQ(AnswerStartBox(restarted->id()), kAbnormalTerminationText);
    const std::vector<HWND> recovered = WaitForHosts(2, restarted->id());
    ASSERT_EQ(recovered.size(), 1u);
    EXPECT_EQ(HostCaption(recovered[0]), named ? document : "");
    EXPECT_TRUE(HostModified(recovered[0]));
    EXPECT_EQ(HostData(recovered[0], scene.filePath("dump.bin")), backedUp);

    // The new list: the restarted editor, then the recovery editor, which keeps the backup.
    EXPECT_NE(scene.profileValue(), abandonedList);
    EXPECT_FALSE(Exists(abandonedList));
    const std::vector<Profile> records = scene.records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].documentName, L"");
    EXPECT_EQ(records[1], left[0]);
    EXPECT_EQ(ReadBytes(document), (std::vector<uint8_t>{10, 20, 30}));

    ASSERT_TRUE(scene.closeAll());
    EXPECT_EQ(scene.profileValue(), "");
    EXPECT_TRUE(scene.tempFiles().empty());
}

TEST(BackupRecovery, TerminatedEditorComesBackModifiedUnderItsName)
{
    CheckRecovery("bk_terminated", true, Kill::Terminate);
}

TEST(BackupRecovery, EditorKilledFromUnixComesBackUntitled)
{
    CheckRecovery("bk_killed", false, Kill::Unix);
}

TEST(BackupRecovery, EveryLostEditorGetsARecoveryOfItsOwn)
{
    BackupScene scene("bk_several");
    auto first = scene.start();
    auto second = scene.start();
    HWND windows[] = {scene.window(first->id()), scene.window(second->id())};
    ASSERT_NE(windows[0], nullptr);
    ASSERT_NE(windows[1], nullptr);
    const std::string names[] = {scene.filePath("a.bin"), scene.filePath("b.bin")};
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(SetHostName(windows[i], names[i]));
        ASSERT_TRUE(SetHostData(windows[i], RandomBytes(100 + i, i)));
        ASSERT_EQ(SendMessageA(windows[i], kHostTick, 0, 0), 1);
    }
    first->terminate();
    second->terminate();

    auto restarted = scene.start();
    EXPECT_EQ(AnswerStartBox(restarted->id()), kAbnormalTerminationText);
    const std::vector<HWND> recovered = WaitForHosts(3, restarted->id());
    ASSERT_EQ(recovered.size(), 2u);
    for (HWND window : recovered) {
        const int which = HostCaption(window) == names[0] ? 0 : 1;
        EXPECT_EQ(HostCaption(window), names[which]);
        EXPECT_EQ(HostData(window, scene.filePath("dump.bin")), RandomBytes(100 + which, which));
    }
    ASSERT_TRUE(scene.closeAll());
    EXPECT_EQ(scene.profileValue(), "");
    EXPECT_TRUE(scene.tempFiles().empty());
}

TEST(BackupRecovery, LostDocumentsSurviveAnEndOfTheEditorThatFoundThem)
{
    BackupScene scene("bk_twice");
    const std::vector<uint8_t> bytes = RandomBytes(700, 12);
    auto lost = scene.start();
    HWND window = scene.window(lost->id());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(SetHostData(window, bytes));
    ASSERT_EQ(SendMessageA(window, kHostTick, 0, 0), 1);
    lost->terminate();

    // The editor that finds the lost document dies while its message waits for the user.
    auto finder = scene.start();
    ASSERT_NE(WaitForProcessWindow(finder->id(), "#32770"), nullptr);
    const std::vector<HWND> recovered = WaitForHosts(1, finder->id());
    ASSERT_EQ(recovered.size(), 1u);
    finder->terminate();
    EXPECT_EQ(HostData(recovered[0], scene.filePath("dump.bin")), bytes);
    EXPECT_TRUE(HostModified(recovered[0]));
    ASSERT_TRUE(scene.closeAll());
    // The finder's own record stays behind as a dead editor's does, with the backup it had
    // made but not yet written.
    const std::vector<Profile> left = scene.records();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_TRUE(Exists(left[0].backupFile));
    EXPECT_TRUE(ReadBytes(left[0].backupFile).empty());
}

// The editor that finds a lost document cannot start its recovery editor (its program file
// is moved away meanwhile): the record waits in its list for the next start.
TEST(BackupRecovery, ARecoveryThatCannotStartIsOfferedAgainByTheNextStart)
{
    BackupScene scene("bk_nostart");
    const std::string name = scene.filePath("kept.bin");
    const std::vector<uint8_t> bytes = RandomBytes(500, 21);
    auto lost = scene.start();
    HWND window = scene.window(lost->id());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(SetHostName(window, name));
    ASSERT_TRUE(SetHostData(window, bytes));
    ASSERT_EQ(SendMessageA(window, kHostTick, 0, 0), 1);
    const std::vector<Profile> lostRecords = scene.records();
    lost->terminate();
    ASSERT_TRUE(lost->waitForExit());

    const std::string away = scene.program() + ".away";
    std::unique_ptr<ChildProcess> finder;
    {
        AMutex mutex(scene.mutexName());
        AMutex::Holder hold(mutex);
        finder = scene.start();
        // Once the library is bound the program file is no longer read; the finder then
        // waits for the mutex.
        ASSERT_TRUE(WaitFor([&] { return HasModule(finder->id(), "talvine.dll"); }));
        ASSERT_TRUE(MoveFileA(scene.program().c_str(), away.c_str()));
    }
    EXPECT_EQ(AnswerStartBox(finder->id()), kAbnormalTerminationText);
    HWND finderWindow = scene.window(finder->id());
    ASSERT_NE(finderWindow, nullptr);
    ASSERT_TRUE(MoveFileA(away.c_str(), scene.program().c_str()));
    ASSERT_TRUE(BackupScene::close(finderWindow));

    ASSERT_NE(scene.profileValue(), "");
    EXPECT_EQ(scene.records(), lostRecords);
    auto restarted = scene.start();
    EXPECT_EQ(AnswerStartBox(restarted->id()), kAbnormalTerminationText);
    const std::vector<HWND> recovered = WaitForHosts(2, restarted->id());
    ASSERT_EQ(recovered.size(), 1u);
    EXPECT_EQ(HostCaption(recovered[0]), name);
    EXPECT_EQ(HostData(recovered[0], scene.filePath("dump.bin")), bytes);
    ASSERT_TRUE(scene.closeAll());
    EXPECT_EQ(scene.profileValue(), "");
    EXPECT_TRUE(scene.tempFiles().empty());
}

} // namespace
