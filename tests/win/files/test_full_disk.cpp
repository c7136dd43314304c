// Saving onto a full disk (a small tmpfs that Wine sees through drive Z:): the old file survives.
#include "app/win/backup/BackupManager.h"
#include "app/win/documents/Document.h"
#include "app/win/documents/DocumentSource.h"
#include "app/win/system/EditorLibrary.h"
#include "app/texts/ProgramTexts.h"
#include "common/win/SafeSave.h"
#include "tests/win/files/TestFolder.h"
#include "common/win/WideText.h"
#include "tests/win/support/ControlHost.h"
#include "tests/win/support/MessageBoxCatcher.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The mounted folder as Wine names it; empty when there is no small file system to use.
std::wstring FullDiskFolder()
{
    const char* mounted = std::getenv("QX_FULL_DISK");
    if (!mounted || mounted[0] != '/')
        return {};
    std::wstring folder = L"Z:" + WideFromAnsi(mounted);
    for (wchar_t& c : folder)
        if (c == L'/')
            c = L'\\';
    ULARGE_INTEGER total{};
    if (!GetDiskFreeSpaceExW((folder + L"\\").c_str(), nullptr, &total, nullptr) ||
        total.QuadPart > 4 * 1024 * 1024)
        return {};
    return folder;
}

class FullDiskTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (folder_.empty())
            GTEST_SKIP() << "no small file system mounted (QX_FULL_DISK); the test set-up mounts a "
                            "1 MiB tmpfs when it runs as root";
    }
    const std::wstring folder_ = FullDiskFolder();
};

TEST_F(FullDiskTest, AFailedSaveKeepsTheOriginalByteForByteAndLeavesNoTemporaryFile)
{
    TestFolder folder(folder_);
    const std::wstring name = folder / "doc.bin";
    const std::string original = PatternBytes(600000, 3);
    PutFile(name, original);
    ASSERT_EQ(FileText(name), original);

    ControlHost host;
    MessageBoxCatcher catcher;
    ASSERT_TRUE(host.control());
    const std::string edited = PatternBytes(700000, 4);
    ASSERT_TRUE(Editor.QX_SetData(host.control(), edited.data(), static_cast<int>(edited.size())));
    Editor.QX_SetModified(host.control(), true);

    EXPECT_FALSE(WriteDocument(host.host(), host.control(), name));
    ASSERT_EQ(catcher.boxes().size(), 1u);
    // The room is asked for before anything is written: the sizes follow the reason.
    const std::string said = catcher.boxes()[0].text;
    EXPECT_EQ(said.rfind(std::string(kTextCannotWriteFile) + "\n" + AnsiText(name) + "\n" + kTextSaveNoRoom + "\n", 0), 0u)
        << said;
    EXPECT_TRUE(FileText(name) == original);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"doc.bin"});
    EXPECT_TRUE(Editor.QX_IsModified(host.control()));

    EXPECT_FALSE(WriteWholeFile(name, edited.data(), edited.size()));
    EXPECT_TRUE(FileText(name) == original);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"doc.bin"});

    // Room for the old and the new file at once: the save goes through.
    const std::string smaller = PatternBytes(300000, 5);
    EXPECT_TRUE(WriteWholeFile(name, smaller.data(), smaller.size()));
    EXPECT_TRUE(FileText(name) == smaller);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"doc.bin"});
}

TEST_F(FullDiskTest, ABackupTickOnAFullDiskKeepsThePreviousBackupAndTheNextTickTriesAgain)
{
    TestFolder folder(folder_);
    const EnvironmentOverride tmp(L"TMP", folder.path()), temp(L"TEMP", folder.path());
    ControlHost host;
    ASSERT_TRUE(host.control());
    BackupManager manager;
    (void)manager.Start(host.host());
    const std::wstring backup = manager.BackupPath();
    ASSERT_FALSE(backup.empty());
    const auto show = [&](const std::string& bytes) {
        ASSERT_TRUE(Editor.QX_SetData(host.control(), bytes.data(), static_cast<int>(bytes.size())));
    };

    const std::string first = PatternBytes(300000, 6);
    show(first);
    ASSERT_TRUE(manager.ResetBackup(host.control(), {}));
    show(PatternBytes(900000, 7));  // neither as a record nor as a new journal does it fit
    EXPECT_FALSE(manager.WriteBackup(host.control()));
    EXPECT_TRUE(BackupText(backup) == first) << "the previous backup stays whole";
    EXPECT_GT(Editor.QX_GetChanges(host.control(), nullptr, 0), 0) << "the change stays pending";

    const std::string smaller = PatternBytes(200000, 8);
    show(smaller);
    EXPECT_TRUE(manager.WriteBackup(host.control()));
    EXPECT_TRUE(BackupText(backup) == smaller);
}

} // namespace
