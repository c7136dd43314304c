// Every file operation of a save and of a backup tick failed in turn, once and from then on: the
// file holds its old bytes or its new ones, a failure is said, and nothing is left behind.
#include "app/win/backup/BackupJournalFile.h"
#include "app/win/backup/BackupManager.h"
#include "app/win/documents/Document.h"
#include "app/win/documents/DocumentSource.h"
#include "app/win/system/EditorLibrary.h"
#include "app/texts/ProgramTexts.h"
#include "common/FileFaults.h"
#include "common/win/FileSystem.h"
#include "common/win/SafeSave.h"
#include "tests/win/files/TestFolder.h"
#include "common/win/WideText.h"
#include "tests/win/support/ControlHost.h"
#include "tests/win/support/MessageBoxCatcher.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// The number of file operations `act` makes when none fails.
uint64_t OperationsOf(const std::function<void()>& act)
{
    FileFaults::Arm({});
    act();
    const uint64_t count = FileFaults::Count();
    FileFaults::Disarm();
    return count;
}

// Each plan that fails one of `count` operations, or every one from it on: with a full disk, a
// refusal, and a file system that claims success without doing anything.
std::vector<FaultPlan> PlansFor(uint64_t count)
{
    std::vector<FaultPlan> plans;
    for (uint64_t at = 1; at <= count; ++at)
        for (const bool persistent : {false, true}) {
            plans.push_back({at, persistent, FaultPlan::Mode::Fail, ERROR_DISK_FULL});
            plans.push_back({at, persistent, FaultPlan::Mode::Fail, ERROR_ACCESS_DENIED});
            plans.push_back({at, persistent, FaultPlan::Mode::Silent, 0});
        }
    return plans;
}

std::string Describe(const FaultPlan& plan)
{
    return "operation " + std::to_string(plan.failAt) + (plan.persistent ? " and on" : " once") +
           (plan.mode == FaultPlan::Mode::Silent ? ", silently" : ", error " + std::to_string(plan.error));
}

class FailingDisk : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host_.control()); }
    void TearDown() override { FileFaults::Disarm(); }

    void show(const std::string& bytes)
    {
        ASSERT_TRUE(Editor.QX_SetData(host_.control(), bytes.data(), static_cast<int>(bytes.size())));
    }
    [[nodiscard]] std::string shown() const
    {
        std::string bytes(static_cast<size_t>(Editor.QX_GetDataSize(host_.control())), '\0');
        EXPECT_TRUE(Editor.QX_GetData(host_.control(), bytes.data(), 0, static_cast<int>(bytes.size())));
        return bytes;
    }

    ControlHost host_;
    MessageBoxCatcher catcher_;
    TestFolder folder_;
};

TEST_F(FailingDisk, ASaveLeavesTheOldBytesOrTheNewOnesAndSaysWhatFailed)
{
    const std::string oldBytes = PatternBytes(100000, 1), newBytes = PatternBytes(150000, 2);
    show(newBytes);
    const std::wstring name = folder_ / "doc.bin";
    for (const bool existing : {true, false}) {
        const auto prepare = [&] {
            // A save makes its file the control's base: the bytes are shown again without one.
            show(newBytes);
            DeleteFileW(name.c_str());
            if (existing)
                PutFile(name, oldBytes);
            catcher_.clear();
        };
        prepare();
        const uint64_t count = OperationsOf([&] { WriteDocument(host_.host(), host_.control(), name); });
        ASSERT_GE(count, 5u);
        for (const FaultPlan& plan : PlansFor(count)) {
            SCOPED_TRACE(Describe(plan) + (existing ? ", over a file" : ", a new file"));
            prepare();
            FileFaults::Arm(plan);
            const bool saved = WriteDocument(host_.host(), host_.control(), name);
            FileFaults::Disarm();
            const std::string now = FileText(name);
            if (saved) {
                EXPECT_TRUE(now == newBytes) << "a save said to succeed wrote something else";
                EXPECT_TRUE(catcher_.boxes().empty());
            } else {
                EXPECT_TRUE(now == (existing ? oldBytes : "<missing>")) << "a failed save harmed the file";
                ASSERT_EQ(catcher_.boxes().size(), 1u);
                EXPECT_EQ(catcher_.boxes()[0].text.find(std::string(kTextCannotWriteFile) + "\n" + AnsiText(name) + "\n"), 0u);
                if (plan.error == ERROR_DISK_FULL && !plan.persistent) {
                    EXPECT_NE(catcher_.boxes()[0].text.find(kTextSaveNoRoom), std::string::npos);
                }
            }
            // What the failure could not delete goes when the editor ends, at the latest.
            SweepSaveLeftovers();
            EXPECT_EQ(folder_.names(), existing || saved ? Names{"doc.bin"} : Names{});
        }
    }
    EXPECT_EQ(shown(), newBytes);
}

TEST_F(FailingDisk, ASaveOverTheFileTheDocumentStandsOnLeavesItsOldBytesOrTheNewOnes)
{
    // The control holds the target open as its base, so the rename that replaces it may be
    // refused and the old file go aside first: every step of that is failed in turn too.
    const std::string oldBytes = PatternBytes(100000, 1);
    std::string newBytes = oldBytes;
    newBytes.insert(777, "typed");
    const std::wstring name = folder_ / "doc.bin";
    const auto prepare = [&] {
        ASSERT_TRUE(Editor.QX_New(host_.control()));
        SweepSaveLeftovers();
        PutFile(name, oldBytes);
        ASSERT_TRUE(LoadDocument(host_.host(), host_.control(), name));
        ASSERT_TRUE(Editor.QX_InsertData(host_.control(), 2 * 777, "typed", 5));
        catcher_.clear();
    };
    prepare();
    const uint64_t count = OperationsOf([&] { WriteDocument(host_.host(), host_.control(), name); });
    ASSERT_GE(count, 5u);
    for (const FaultPlan& plan : PlansFor(count)) {
        SCOPED_TRACE(Describe(plan));
        prepare();
        FileFaults::Arm(plan);
        const bool saved = WriteDocument(host_.host(), host_.control(), name);
        FileFaults::Disarm();
        EXPECT_TRUE(shown() == newBytes) << "the document changed";
        const std::string now = FileText(name);
        if (saved) {
            EXPECT_TRUE(now == newBytes) << "a save said to succeed wrote something else";
            EXPECT_TRUE(catcher_.boxes().empty());
        } else {
            ASSERT_EQ(catcher_.boxes().size(), 1u);
            const std::string& text = catcher_.boxes()[0].text;
            EXPECT_EQ(text.find(std::string(kTextCannotWriteFile) + "\n" + AnsiText(name) + "\n"), 0u);
            // Only when the old file could not even be moved back is the name missing; the box
            // then names where its bytes are.
            const size_t kept = text.find(kTextSaveKeptAside);
            if (kept == std::string::npos) {
                EXPECT_TRUE(now == oldBytes) << "a failed save harmed the file";
            } else {
                const size_t at = kept + std::strlen(kTextSaveKeptAside);
                const std::wstring aside = WideFromAnsi(text.substr(at, text.find('\n', at) - at));
                EXPECT_TRUE(FileText(aside) == oldBytes) << "the old bytes are not where the box says";
                EXPECT_TRUE(plan.persistent);
                ASSERT_TRUE(MoveFileExW(aside.c_str(), name.c_str(), 0));
            }
        }
        ASSERT_TRUE(Editor.QX_New(host_.control()));
        SweepSaveLeftovers();
        EXPECT_EQ(folder_.names(), Names{"doc.bin"}) << "a file was left behind";
    }
}

TEST_F(FailingDisk, ABackupTickLeavesTheLastBackupOrTheNewOneAndTheNextTickCatchesUp)
{
    TestFolder temporary;
    const EnvironmentOverride tmp(L"TMP", temporary.path()), temp(L"TEMP", temporary.path());
    {
        BackupManager manager;
        (void)manager.Start(host_.host());
        const std::wstring backup = manager.BackupPath();
        ASSERT_FALSE(backup.empty());
        const std::string before = PatternBytes(200000, 3);
        std::string after = before;
        after.insert(5000, "new bytes");
        const auto edit = [&] {
            ASSERT_TRUE(Editor.QX_InsertData(host_.control(), 2 * 5000, "new bytes", 9));
        };

        // A tick after an edit appends a record and leaves its flush to another thread; the
        // journal is written anew after each load and save.
        struct Tick {
            const char* what;
            std::function<void()> prepare;
            std::function<bool()> act;
        };
        const Tick ticks[] = {
            {"a record appended",
             [&] {
                 show(before);
                 ASSERT_TRUE(manager.ResetBackup(host_.control(), {}));
                 edit();
             },
             [&] { return manager.WriteBackup(host_.control()); }},
            {"a new journal",
             [&] {
                 show(before);
                 ASSERT_TRUE(manager.ResetBackup(host_.control(), {}));
                 show(after);
             },
             [&] { return manager.ResetBackup(host_.control(), {}); }},
        };
        for (const Tick& tick : ticks) {
            tick.prepare();
            FileFaults::Arm({});
            ASSERT_TRUE(tick.act());
            const uint64_t count = FileFaults::Count();
            if (tick.what == ticks[0].what) {
                EXPECT_EQ(FileFaults::Count(FileOperation::Flush), 0u) << "the window waited for the disk";
            }
            FileFaults::Disarm();
            for (const FaultPlan& plan : PlansFor(count)) {
                SCOPED_TRACE(std::string(tick.what) + ", " + Describe(plan));
                tick.prepare();
                FileFaults::Arm(plan);
                const bool written = tick.act();
                FileFaults::Disarm();
                const std::string recovered = BackupText(backup);
                EXPECT_TRUE(written ? recovered == after : recovered == before || recovered == after)
                    << "a recovery now would give " << recovered.size() << " bytes";
                if (!written) {
                    EXPECT_TRUE(manager.WriteBackup(host_.control()));
                }
                EXPECT_TRUE(BackupText(backup) == after) << "the next tick did not catch up";
            }
        }
    }
    EXPECT_EQ(temporary.names(), Names{}) << "the end of the editor leaves no file";
}

TEST_F(FailingDisk, ABaseChangedUnderUnsavedEditsIsBackedUpWholeAtTheNextTickWithoutAnEdit)
{
    TestFolder temporary;
    const EnvironmentOverride tmp(L"TMP", temporary.path()), temp(L"TEMP", temporary.path());
    BackupManager manager;
    (void)manager.Start(host_.host());
    const std::wstring backup = manager.BackupPath();
    const std::wstring name = folder_ / "large.bin";
    const std::string original = PatternBytes(5 << 20, 4);

    // Changed in place with its size and time kept, as a tool that restores times leaves it (the
    // document then opened sharing writes, as it is offered when the file was open for writing);
    // deleted; or moved away and another file put in its place.
    bool sharingWrites = false;
    const std::function<void()> changes[] = {
        [&] {
            WIN32_FILE_ATTRIBUTE_DATA data;
            ASSERT_TRUE(GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &data));
            const std::string other = PatternBytes(original.size(), 5);
            const HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, 0, nullptr);
            DWORD written = 0;
            ASSERT_TRUE(WriteFile(file, other.data(), static_cast<DWORD>(other.size()), &written, nullptr));
            ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &data.ftLastWriteTime));
            CloseHandle(file);
        },
        [&] { ASSERT_TRUE(DeleteFileW(name.c_str())); },
        [&] {
            const std::wstring other = folder_ / "other.bin";
            PutFile(other, original);
            ASSERT_TRUE(MoveFileExW(name.c_str(), (folder_ / "moved.bin").c_str(), 0));
            ASSERT_TRUE(MoveFileExW(other.c_str(), name.c_str(), 0));
        },
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(&change - changes);
        ASSERT_TRUE(Editor.QX_New(host_.control()));
        DeleteFileW((folder_ / "moved.bin").c_str());
        PutFile(name, original);
        JournalBase base;
        if (!sharingWrites) {
            // Held open for writing while it opens, so the control shares its writes.
            const HANDLE writer = CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                              nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_TRUE(Editor.QX_OpenFile(host_.control(), name.c_str(), QX_OPEN_ALLOW_WRITERS, nullptr));
            CloseHandle(writer);
            ASSERT_TRUE(Editor.QX_SetReadOnly(host_.control(), false));
            sharingWrites = true;
        } else {
            ASSERT_TRUE(LoadDocument(host_.host(), host_.control(), name));
        }
        ASSERT_TRUE(ControlBase(host_.control(), base));
        ASSERT_TRUE(manager.ResetBackup(host_.control(), base));
        ASSERT_TRUE(Editor.QX_InsertData(host_.control(), 2 * 100, "typed", 5));
        ASSERT_TRUE(manager.WriteBackup(host_.control()));
        const std::string edited = shown();
        ASSERT_TRUE(BackupText(backup) == edited);
        EXPECT_FALSE(manager.BaseChanged());

        change();
        // A file deleted while the control reads it stays under its name until the control lets
        // go of it under Wine (Windows refuses to open it meanwhile): its backup still stands.
        const bool deletedButHeld = &change == &changes[1] && FileExists(name);
        EXPECT_TRUE(manager.BaseChanged() || deletedButHeld);
        EXPECT_EQ(Editor.QX_GetChanges(host_.control(), nullptr, 0), 0) << "no edit since the last tick";
        ASSERT_TRUE(manager.WriteBackup(host_.control()));
        EXPECT_FALSE(manager.BaseChanged());
        // The document as the control shows it: a file that shares its writes shows their bytes.
        if (&change != &changes[0]) {
            EXPECT_TRUE(shown() == edited) << "the control lost the document";
        }
        EXPECT_TRUE(BackupText(backup) == shown()) << "the backup no longer gives the document";
    }
}

} // namespace
