// Which files a backup manager may treat as its own, and what a starting editor finds.
#include "app/backup/BackupRules.h"
#include "common/PathString.h"

#include <gtest/gtest.h>

namespace {

TEST(BackupRules, OwnTemporaryFilesAreSystemNamedQxFilesDirectlyInTheFolder)
{
    const std::string temp = "C:\\Users\\a\\Temp";
    EXPECT_TRUE(IsOwnTemporaryFile(temp + "\\QX1A2B.tmp", temp));
    EXPECT_TRUE(IsOwnTemporaryFile("c:\\users\\A\\TEMP\\qx1a2b.TMP", temp));
    EXPECT_TRUE(IsOwnTemporaryFile(temp + "\\QX0.tmp", temp));
    EXPECT_TRUE(IsOwnTemporaryFile(temp + "\\QX12345678.tmp", temp));

    EXPECT_FALSE(IsOwnTemporaryFile(temp + "\\QX123456789.tmp", temp));
    EXPECT_FALSE(IsOwnTemporaryFile(temp + "\\QX.tmp", temp));
    EXPECT_FALSE(IsOwnTemporaryFile(temp + "\\QX12G.tmp", temp));
    EXPECT_FALSE(IsOwnTemporaryFile(temp + "\\QX12.tmp.bin", temp));
    EXPECT_FALSE(IsOwnTemporaryFile(temp + "\\QX12.new", temp));
    EXPECT_FALSE(IsOwnTemporaryFile(temp + "\\report.doc", temp));
    EXPECT_FALSE(IsOwnTemporaryFile(temp + "\\sub\\QX12.tmp", temp));
    EXPECT_FALSE(IsOwnTemporaryFile("C:\\Users\\a\\QX12.tmp", temp));
    EXPECT_FALSE(IsOwnTemporaryFile("C:\\Users\\a\\Temp2\\QX12.tmp", temp));
    EXPECT_FALSE(IsOwnTemporaryFile("QX12.tmp", temp));
    EXPECT_FALSE(IsOwnTemporaryFile("QX12.tmp", ""));
    EXPECT_FALSE(IsOwnTemporaryFile("\\QX12.tmp", ""));
    EXPECT_FALSE(IsOwnTemporaryFile("Temp\\QX12.tmp", "Temp"));
}

TEST(BackupRules, FoldersAreComparedShiftJisAware)
{
    // "表" is 0x95 0x5C: its trail byte is no backslash, so the name has no folder "C:\x95".
    const std::string folder = "C:\\\x95\x5C";
    EXPECT_TRUE(IsOwnTemporaryFile(folder + "\\QX1.tmp", folder));
    EXPECT_FALSE(IsOwnTemporaryFile(folder + "QX1.tmp", "C:\\\x95"));
    EXPECT_TRUE(HasTemporaryFileName("D:\\elsewhere\\QXff.tmp"));
    EXPECT_FALSE(HasTemporaryFileName("D:\\elsewhere\\QXff.tmp\\"));
}

TEST(BackupRules, StagingNamesSitBesideTheFileUnderAnotherExtension)
{
    EXPECT_EQ(StagingFileName("C:\\T\\QX1A.tmp"), "C:\\T\\QX1A.new");
    EXPECT_EQ(StagingFileName("C:\\T\\QX1A.TMP"), "C:\\T\\QX1A.new");
    EXPECT_EQ(StagingFileName("C:\\T\\list"), "C:\\T\\list.new");
    EXPECT_FALSE(HasTemporaryFileName(StagingFileName("C:\\T\\QX1A.tmp")));
    EXPECT_EQ(PreviousGenerationName("C:\\T\\QX1A.tmp"), "C:\\T\\QX1A.old");
    EXPECT_FALSE(HasTemporaryFileName(PreviousGenerationName("C:\\T\\QX1A.tmp")));
}

TEST(BackupRules, ProcessListStateFollowsTheRegistryAndTheSharedBlock)
{
    EXPECT_EQ(ClassifyProcessList("", ""), ProcessListState::None);
    EXPECT_EQ(ClassifyProcessList("", "C:\\T\\QX1.tmp"), ProcessListState::None);
    EXPECT_EQ(ClassifyProcessList("C:\\T\\QX1.tmp", "c:\\t\\qx1.TMP"), ProcessListState::Alive);
    EXPECT_EQ(ClassifyProcessList("C:\\T\\QX1.tmp", ""), ProcessListState::Abandoned);
    EXPECT_EQ(ClassifyProcessList("C:\\T\\QX1.tmp", "C:\\T\\QX2.tmp"), ProcessListState::Abandoned);
}

TEST(BackupRules, OnlyRecordsWithADriveLetterAreRecovered)
{
    const std::vector<Profile> records = {
        {"C:\\T\\QX1.tmp", "C:\\doc.bin"}, {"", "C:\\lost.bin"}, {"\\\\server\\QX2.tmp", ""},
        {"T\\QX3.tmp", ""},                {"d:\\T\\QX4.tmp", ""},
    };
    const std::vector<Profile> recovered = RecoverableProfiles(records);
    ASSERT_EQ(recovered.size(), 2u);
    EXPECT_EQ(recovered[0], records[0]);
    EXPECT_EQ(recovered[1], records[4]);
}

} // namespace

TEST(SharedObjectName, TheProgramKeepsItsNamesACopyUnderAnotherNameAddsItsOwn)
{
    EXPECT_EQ(ProgramNameOf("C:\\Program Files\\Quillet\\vornalix.exe"), "vornalix");
    EXPECT_EQ(ProgramNameOf("C:\\表\\表.exe"), "表");
    EXPECT_EQ(SharedObjectName("KORVANIVORNALIXE", "vornalix"), "KORVANIVORNALIXE");
    EXPECT_EQ(SharedObjectName("KORVANIVORNALIXP", "VorNalix"), "KORVANIVORNALIXP");
    // Names that differ in letter case name one program file, so one registry key.
    EXPECT_EQ(SharedObjectName("KORVANIVORNALIXE", "vx2"), "KORVANIVORNALIXE_VX2");
    EXPECT_EQ(SharedObjectName("KORVANIVORNALIXE", "Vx2"), "KORVANIVORNALIXE_VX2");
    // A trail byte that looks like a letter stays as it is.
    EXPECT_EQ(SharedObjectName("P", "\x83\x61x"), "P_\x83\x61X");
}
