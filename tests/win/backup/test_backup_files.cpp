// The backup file itself: ticks, foreign "-b" files, damaged lists and kills in mid-write.
#include "tests/win/backup/RecoveryChecks.h"

#include "app/backup/BackupRules.h"
#include "app/backup/Profile.h"
#include "app/win/backup/BackupManager.h"
#include "common/PathString.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(BackupFiles, TickWritesOnlyAfterAChangeAndClearsTheControlFlag)
{
    BackupScene scene("bk_tick");
    auto editor = scene.start();
    HWND window = scene.window(editor->id());
    ASSERT_NE(window, nullptr);
    const std::wstring backup = scene.records().at(0).backupFile;
    ASSERT_TRUE(DeleteFileW(backup.c_str()));

    EXPECT_FALSE(HostModified(window));
    EXPECT_EQ(SendMessageA(window, kHostTick, 0, 0), 0);
    EXPECT_FALSE(Exists(backup)) << "a tick without a change writes nothing";

    const std::vector<uint8_t> bytes = RandomBytes(70000, 3);
    ASSERT_TRUE(SetHostData(window, bytes));
    EXPECT_TRUE(HostModified(window));
    EXPECT_EQ(SendMessageA(window, kHostTick, 0, 0), 1);
    EXPECT_FALSE(HostModified(window));
    EXPECT_EQ(BackupBytes(backup), bytes);
    EXPECT_EQ(scene.tempFiles().size(), 2u) << "the list and the backup, no staging copy";
    ASSERT_TRUE(scene.closeAll());
}

TEST(BackupFiles, BackupThatCannotBeWrittenKeepsTheChangePending)
{
    BackupScene scene("bk_blocked");
    auto editor = scene.start();
    HWND window = scene.window(editor->id());
    ASSERT_NE(window, nullptr);
    const std::wstring backup = scene.records().at(0).backupFile;
    // Held by another program without sharing, with a folder under the staging name: neither
    // a record nor a new journal can be written.
    HANDLE held = CreateFileW(backup.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(CreateDirectoryW(StagingFileName(backup).c_str(), nullptr));
    ASSERT_TRUE(SetHostData(window, {1, 2, 3}));
    EXPECT_EQ(SendMessageA(window, kHostTick, 0, 0), 0);
    EXPECT_TRUE(HostModified(window)) << "the next tick must try again";
    CloseHandle(held);
    ASSERT_TRUE(RemoveDirectoryW(StagingFileName(backup).c_str()));
    EXPECT_EQ(BackupBytes(backup), std::vector<uint8_t>{0});
    EXPECT_EQ(SendMessageA(window, kHostTick, 0, 0), 1);
    EXPECT_EQ(BackupBytes(backup), (std::vector<uint8_t>{1, 2, 3}));
    ASSERT_TRUE(scene.closeAll());
}

TEST(BackupFiles, RecoveryFromAFileNotItsOwnReadsItAndNeverTouchesIt)
{
    BackupScene scene("bk_foreign");
    const std::string precious = scene.filePath("precious.bin");
    const std::vector<uint8_t> bytes = RandomBytes(500, 5);
    ASSERT_TRUE(WriteBytes(precious, bytes));
    const std::string name = scene.filePath("named.bin");
    auto editor = scene.start("-b \"" + precious + "\" \"" + name + "\"");
    HWND window = scene.window(editor->id());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(HostCaption(window), name);
    EXPECT_TRUE(HostModified(window));
    EXPECT_EQ(HostData(window, scene.filePath("dump.bin")), bytes);

    // Nor is another running editor's backup taken over.
    const std::wstring taken = scene.records().at(0).backupFile;
    auto second = scene.start("-b \"" + AnsiText(taken) + "\" -null");
    HWND secondWindow = scene.window(second->id());
    ASSERT_NE(secondWindow, nullptr);

    const std::vector<Profile> records = scene.records();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_TRUE(IsOwnTemporaryFile(records[0].backupFile, WideFromAnsi(scene.tempDir())));
    EXPECT_FALSE(SameName(records[1].backupFile, taken));
    EXPECT_TRUE(IsOwnTemporaryFile(records[1].backupFile, WideFromAnsi(scene.tempDir())));

    ASSERT_TRUE(SetHostData(window, {9}));
    EXPECT_EQ(SendMessageA(window, kHostTick, 0, 0), 1);
    EXPECT_EQ(BackupBytes(records[0].backupFile), std::vector<uint8_t>{9});
    ASSERT_TRUE(BackupScene::close(secondWindow));
    EXPECT_EQ(BackupBytes(taken), std::vector<uint8_t>{9}) << "the first editor's backup is its own";
    ASSERT_TRUE(scene.closeAll());
    EXPECT_EQ(ReadBytes(precious), bytes);
    EXPECT_TRUE(scene.tempFiles().empty());
}

TEST(BackupFiles, AnUndoAfterATickIsBackedUpAtTheNextTick)
{
    BackupScene scene("bk_undo");
    auto editor = scene.start();
    HWND window = scene.window(editor->id());
    ASSERT_NE(window, nullptr);
    const std::wstring backup = scene.records().at(0).backupFile;
    ASSERT_TRUE(SetHostData(window, RandomBytes(3000, 4)));
    SendMessageA(window, kHostEdit, 5, 0);
    ASSERT_EQ(SendMessageA(window, kHostTick, 0, 0), 1);
    ASSERT_EQ(SendMessageA(window, kHostUndo, 0, 0), 1);
    EXPECT_FALSE(HostModified(window)) << "undo leaves the control's flag alone";
    EXPECT_EQ(SendMessageA(window, kHostTick, 0, 0), 1) << "the undone edit is a change all the same";
    EXPECT_EQ(BackupBytes(backup), HostData(window, scene.filePath("dump.bin")));
    ASSERT_TRUE(scene.closeAll());
}

TEST(BackupFiles, ALargeDocumentsBackupStandsOnItsFileAndGrowsWithTheEdits)
{
    BackupScene scene("bk_base");
    const std::string document = scene.filePath("large.bin");
    ASSERT_TRUE(WriteBytes(document, RandomBytes(5 << 20, 6)));
    auto editor = scene.start("-o \"" + document + "\" large-editor");
    HWND window = scene.window(editor->id());
    ASSERT_NE(window, nullptr);
    const std::wstring backup = scene.records().at(0).backupFile;
    const auto fileSize = [](const std::wstring& path) { return ReadBytes(path).size(); };
    EXPECT_LT(fileSize(backup), 1024u) << "the file read is the backup's base";
    EXPECT_EQ(BackupBytes(backup), ReadBytes(document));

    for (unsigned seed = 1; seed <= 3; ++seed) {
        SendMessageA(window, kHostEdit, seed, 0);
        ASSERT_EQ(SendMessageA(window, kHostTick, 0, 0), 1);
    }
    EXPECT_LT(fileSize(backup), 4096u) << "each tick adds the changed bytes only";
    const std::vector<uint8_t> ticked = HostData(window, scene.filePath("ticked.bin"));
    EXPECT_EQ(BackupBytes(backup), ticked);

    ASSERT_TRUE(scene.killUnix(editor->id(), "large-editor"));
    ASSERT_TRUE(editor->waitForExit());
    auto restarted = scene.start();
    EXPECT_EQ(AnswerStartBox(restarted->id()), kAbnormalTerminationText);
    const std::vector<HWND> recovery = WaitForHosts(2, restarted->id());
    ASSERT_EQ(recovery.size(), 1u);
    EXPECT_EQ(HostData(recovery[0], scene.filePath("recovered.bin")), ticked);
    ASSERT_TRUE(scene.closeAll());
    EXPECT_TRUE(scene.tempFiles().empty());
}

TEST(BackupFiles, ABackupInTheOlderFormIsRecoveredAndWrittenAnew)
{
    BackupScene scene("bk_older");
    // What editors that kept the document's bytes as they are leave behind after a crash.
    const std::string backup = scene.tempDir() + "\\QXBEEF.tmp";
    const std::string list = scene.tempDir() + "\\QXBEF0.tmp";
    const std::vector<uint8_t> bytes = RandomBytes(2000, 7);
    ASSERT_TRUE(WriteBytes(backup, bytes));
    const _CVec<uint8_t> records = ComposeProfiles({{WideFromAnsi(backup), WideFromAnsi(scene.filePath("older.bin"))}}, ProcessListNames());
    ASSERT_TRUE(WriteBytes(list, std::vector<uint8_t>(records.data(), records.data() + records.size())));
    scene.setProfileValue(list);

    auto editor = scene.start();
    EXPECT_EQ(AnswerStartBox(editor->id()), kAbnormalTerminationText);
    const std::vector<HWND> recovery = WaitForHosts(2, editor->id());
    ASSERT_EQ(recovery.size(), 1u);
    EXPECT_EQ(HostData(recovery[0], scene.filePath("dump.bin")), bytes);
    EXPECT_NE(ReadBytes(backup), bytes) << "the backup is a journal now";
    EXPECT_EQ(BackupBytes(backup), bytes);
    ASSERT_TRUE(scene.closeAll());
    EXPECT_TRUE(scene.tempFiles().empty());
}

// A list file as a crash, a full disk or another program may leave it.
std::vector<uint8_t> DamagedList(int kind)
{
    switch (kind) {
    case 0: return {};
    case 1: return RandomBytes(519, 1);
    case 2: {
        std::vector<uint8_t> bytes = RandomBytes(1040, 2);
        bytes[1] = bytes[521] = 'x';  // no record may start with a drive letter
        return bytes;
    }
    default: {
        // Two records whose fields fill all their bytes: no terminator anywhere.
        std::vector<uint8_t> bytes(1040, 'A');
        for (size_t record : {0u, 520u})
            std::copy_n("C:\\", 3, bytes.begin() + record);
        return bytes;
    }
    }
}

TEST(BackupFiles, DamagedListsNeverStopAStart)
{
    // Fields without terminators name no backup: nothing to recover.
    const size_t recoveries[] = {0, 0, 0, 0};
    for (int kind = 0; kind < 4; ++kind) {
        SCOPED_TRACE(kind);
        BackupScene scene("bk_damaged");
        const std::string list = scene.tempPath("QXBAD.tmp");
        ASSERT_TRUE(WriteBytes(list, DamagedList(kind)));
        scene.setProfileValue(list);

        auto editor = scene.start();
        const std::string message = AnswerStartBox(editor->id());
        EXPECT_EQ(message, recoveries[kind] ? kAbnormalTerminationText : "");
        ASSERT_NE(scene.window(editor->id()), nullptr);
        const std::vector<HWND> others = WaitForHosts(1 + recoveries[kind], editor->id());
        EXPECT_EQ(others.size(), recoveries[kind]);
        EXPECT_FALSE(Exists(list));
        EXPECT_EQ(scene.records().size(), 1 + recoveries[kind]);
        ASSERT_TRUE(scene.closeAll());
        EXPECT_TRUE(scene.tempFiles().empty());
    }
}

TEST(BackupFiles, KillsWhileLargeBackupsAreWrittenNeverLeaveATornBackup)
{
    constexpr size_t mebibytes = 64;
    constexpr size_t size = mebibytes << 20;
    int replacedBefore = 0;
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        BackupScene scene("bk_torn");
        auto editor = scene.start();
        HWND window = scene.window(editor->id());
        ASSERT_NE(window, nullptr);
        const std::wstring backup = scene.records().at(0).backupFile;
        const std::wstring staging = StagingFileName(backup);
        PostMessageA(window, kHostStress, mebibytes, 0);
        // Half the rounds end the editor while the journal is written anew (its staging copy
        // exists), the others while records are appended or just after a new journal took
        // the backup's place.
        // A backup of the second document or later: a kill then finds an older whole one.
        const auto laterBackupFull = [&] {
            const std::vector<uint8_t> bytes = BackupBytes(backup);
            return bytes.size() == size && bytes[0] >= 2;
        };
        ASSERT_TRUE(WaitFor([&] { return laterBackupFull() && (round % 2 == 0) == Exists(staging); }, 60000));
        if (round % 3 == 0)
            ASSERT_TRUE(scene.killUnix(editor->id(), ""));
        else
            editor->terminate();
        ASSERT_TRUE(editor->waitForExit());

        const std::vector<uint8_t> bytes = BackupBytes(backup);
        ASSERT_EQ(bytes.size(), size);
        EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [&](uint8_t byte) { return byte == bytes[0]; }))
            << "the backup mixes two documents";
        replacedBefore += bytes[0] > 1;

        // The half-written copy belongs to the backup: the recovery editor that takes the
        // backup over removes both when it ends. (The kill may have come just after a copy
        // took the backup's place; one is then left as a crash in mid-write leaves it.)
        if (round == 0) {
            if (!Exists(staging)) {
                ASSERT_TRUE(WriteBytes(staging, {1, 2, 3}));
            }
            auto restarted = scene.start();
            EXPECT_EQ(AnswerStartBox(restarted->id()), kAbnormalTerminationText);
            ASSERT_EQ(WaitForHosts(2, restarted->id()).size(), 1u);
            ASSERT_TRUE(scene.closeAll());
            EXPECT_TRUE(scene.tempFiles().empty()) << ::testing::PrintToString(scene.tempFiles());
        }
    }
    EXPECT_GT(replacedBefore, 0) << "no kill came after a backup had been replaced";
}

} // namespace
