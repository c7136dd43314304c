// Registering editors in the shared process list and leaving it clean at a normal end.
#include "tests/win/backup/BackupScene.h"

#include "common/PathString.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool IsTemporaryName(const std::string& path, const BackupScene& scene)
{
    const std::string name = path.substr(path.find_last_of('\\') + 1);
    return SameName(path.substr(0, path.size() - name.size() - 1), scene.tempDir()) && name.size() > 6
           && SameName(name.substr(0, 2), "QX") && SameName(name.substr(name.size() - 4), ".tmp");
}

TEST(BackupStart, FirstEditorMakesTheListAndLeavesNothingBehind)
{
    BackupScene scene("bk_first");
    auto editor = scene.start();
    HWND window = scene.window(editor->id());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WaitForProcessWindow(editor->id(), "#32770", 0), nullptr) << "a first start shows no message";

    const std::string list = scene.profileValue();
    EXPECT_TRUE(IsTemporaryName(list, scene)) << list;
    const SharedCount shared = scene.sharedBlock();
    EXPECT_EQ(shared.instances, 1);
    EXPECT_EQ(shared.listPath, list);
    const std::vector<Profile> records = scene.records();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_TRUE(IsTemporaryName(AnsiText(records[0].backupFile), scene)) << AnsiText(records[0].backupFile);
    EXPECT_EQ(records[0].documentName, L"");
    // A new document is the single byte 0, and it is backed up at once.
    EXPECT_EQ(BackupBytes(records[0].backupFile), std::vector<uint8_t>{0});

    ASSERT_TRUE(BackupScene::close(window));
    EXPECT_EQ(scene.profileValue(), "");
    EXPECT_TRUE(scene.tempFiles().empty());
}

TEST(BackupStart, EditorsStartedTogetherAreAllListedAndAllCleanUp)
{
    BackupScene scene("bk_together");
    const std::string document = scene.filePath("doc.bin");
    ASSERT_TRUE(WriteBytes(document, {1, 2, 3}));
    auto first = scene.start();
    auto second = scene.start("-o \"" + document + "\"");
    auto third = scene.start();
    HWND windows[] = {scene.window(first->id()), scene.window(second->id()), scene.window(third->id())};
    for (HWND window : windows)
        ASSERT_NE(window, nullptr);

    const std::vector<Profile> records = scene.records();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(scene.sharedBlock().instances, 3);
    EXPECT_EQ(std::count_if(records.begin(), records.end(),
                            [&](const Profile& record) { return record.documentName == WideFromAnsi(document); }),
              1);
    for (const Profile& record : records)
        EXPECT_EQ(std::count_if(records.begin(), records.end(),
                                [&](const Profile& other) { return SameName(other.backupFile, record.backupFile); }),
                  1);

    // The first to end removes only its own record.
    std::vector<Profile> others = records;
    const auto opened = std::find_if(others.begin(), others.end(),
                                     [&](const Profile& record) { return record.documentName == WideFromAnsi(document); });
    ASSERT_NE(opened, others.end());
    const std::wstring closedBackup = opened->backupFile;
    others.erase(opened);
    ASSERT_TRUE(BackupScene::close(windows[1]));
    EXPECT_EQ(scene.records(), others);
    EXPECT_FALSE(Exists(closedBackup));
    ASSERT_TRUE(scene.closeAll());
    EXPECT_EQ(scene.profileValue(), "");
    EXPECT_TRUE(scene.tempFiles().empty());
}

TEST(BackupStart, RenamingTheDocumentRewritesOnlyThisRecord)
{
    BackupScene scene("bk_rename");
    auto first = scene.start();
    auto second = scene.start();
    HWND one = scene.window(first->id());
    HWND two = scene.window(second->id());
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    const std::string name = scene.filePath("名前付き.bin");
    ASSERT_TRUE(SetHostName(two, name));
    const std::vector<Profile> records = scene.records();
    ASSERT_EQ(records.size(), 2u);
    const auto named = std::find_if(records.begin(), records.end(),
                                    [&](const Profile& record) { return record.documentName == WideFromAnsi(name); });
    ASSERT_NE(named, records.end());
    EXPECT_EQ(std::count_if(records.begin(), records.end(),
                            [](const Profile& record) { return record.documentName.empty(); }),
              1);
    ASSERT_TRUE(scene.closeAll());
}

// A copy of the program under another name keeps its own registry key, and so its own count,
// list and backups: neither disturbs the other, and both leave nothing behind.
TEST(BackupStart, CopiesUnderOtherNamesKeepTheirOwnLists)
{
    BackupScene original("bk_copy_one");
    BackupScene copy("bk_copy_two");
    auto first = original.start();
    HWND one = original.window(first->id());
    auto second = copy.start();
    HWND two = copy.window(second->id());
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(original.sharedBlock().instances, 1);
    EXPECT_EQ(copy.sharedBlock().instances, 1);
    EXPECT_EQ(original.sharedBlock().listPath, original.profileValue());
    EXPECT_EQ(copy.sharedBlock().listPath, copy.profileValue());
    EXPECT_NE(original.profileValue(), copy.profileValue());
    EXPECT_EQ(original.records().size(), 1u);
    EXPECT_EQ(copy.records().size(), 1u);

    ASSERT_TRUE(BackupScene::close(one));
    EXPECT_EQ(original.profileValue(), "");
    EXPECT_EQ(copy.records().size(), 1u);
    ASSERT_TRUE(BackupScene::close(two));
    EXPECT_EQ(copy.profileValue(), "");
    EXPECT_TRUE(copy.tempFiles().empty());
}

} // namespace
