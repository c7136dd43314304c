// Which files a backup manager may treat as its own, and what a starting editor finds.
#include "app/backup/BackupRules.h"
#include "common/PathString.h"

#include <gtest/gtest.h>

namespace {

TEST(BackupRules, OwnTemporaryFilesAreSystemNamedQxFilesDirectlyInTheFolder)
{
    const std::wstring temp = L"C:\\Users\\a\\Temp";
    EXPECT_TRUE(IsOwnTemporaryFile(temp + L"\\QX1A2B.tmp", temp));
    EXPECT_TRUE(IsOwnTemporaryFile(L"c:\\users\\A\\TEMP\\qx1a2b.TMP", temp));
    EXPECT_TRUE(IsOwnTemporaryFile(temp + L"\\QX0.tmp", temp));
    EXPECT_TRUE(IsOwnTemporaryFile(temp + L"\\QX12345678.tmp", temp));

    EXPECT_FALSE(IsOwnTemporaryFile(temp + L"\\QX123456789.tmp", temp));
    EXPECT_FALSE(IsOwnTemporaryFile(temp + L"\\QX.tmp", temp));
    EXPECT_FALSE(IsOwnTemporaryFile(temp + L"\\QX12G.tmp", temp));
    EXPECT_FALSE(IsOwnTemporaryFile(temp + L"\\QX12.tmp.bin", temp));
    EXPECT_FALSE(IsOwnTemporaryFile(temp + L"\\QX12.new", temp));
    EXPECT_FALSE(IsOwnTemporaryFile(temp + L"\\report.doc", temp));
    EXPECT_FALSE(IsOwnTemporaryFile(temp + L"\\sub\\QX12.tmp", temp));
    EXPECT_FALSE(IsOwnTemporaryFile(L"C:\\Users\\a\\QX12.tmp", temp));
    EXPECT_FALSE(IsOwnTemporaryFile(L"C:\\Users\\a\\Temp2\\QX12.tmp", temp));
    EXPECT_FALSE(IsOwnTemporaryFile(L"QX12.tmp", temp));
    EXPECT_FALSE(IsOwnTemporaryFile(L"QX12.tmp", L""));
    EXPECT_FALSE(IsOwnTemporaryFile(L"\\QX12.tmp", L""));
    EXPECT_FALSE(IsOwnTemporaryFile(L"Temp\\QX12.tmp", L"Temp"));
}

TEST(BackupRules, FoldersAreComparedUnitByUnitAndOnlyAsciiLettersWithoutCase)
{
    // "表" (U+8868) is one unit, whatever its Shift-JIS bytes were; "É" and "é" differ.
    const std::wstring folder = L"C:\\表\\\u00C9";
    EXPECT_TRUE(IsOwnTemporaryFile(folder + L"\\QX1.tmp", folder));
    EXPECT_FALSE(IsOwnTemporaryFile(folder + L"\\QX1.tmp", L"C:\\表\\\u00E9"));
    EXPECT_TRUE(IsOwnTemporaryFile(L"\\\\server\\share\\T\\QX1.tmp", L"\\\\SERVER\\share\\t"));
    EXPECT_TRUE(HasTemporaryFileName(L"D:\\elsewhere\\QXff.tmp"));
    EXPECT_FALSE(HasTemporaryFileName(L"D:\\elsewhere\\QXff.tmp\\"));
}

TEST(BackupRules, StagingNamesSitBesideTheFileUnderAnotherExtension)
{
    EXPECT_EQ(StagingFileName(L"C:\\T\\QX1A.tmp"), L"C:\\T\\QX1A.new");
    EXPECT_EQ(StagingFileName(L"C:\\T\\QX1A.TMP"), L"C:\\T\\QX1A.new");
    EXPECT_EQ(StagingFileName(L"C:\\T\\list"), L"C:\\T\\list.new");
    EXPECT_FALSE(HasTemporaryFileName(StagingFileName(L"C:\\T\\QX1A.tmp")));
    EXPECT_EQ(PreviousGenerationName(L"C:\\T\\QX1A.tmp"), L"C:\\T\\QX1A.old");
    EXPECT_FALSE(HasTemporaryFileName(PreviousGenerationName(L"C:\\T\\QX1A.tmp")));
}

TEST(BackupRules, ProcessListStateFollowsTheRegistryAndTheSharedBlock)
{
    EXPECT_EQ(ClassifyProcessList(L"", L""), ProcessListState::None);
    EXPECT_EQ(ClassifyProcessList(L"", L"C:\\T\\QX1.tmp"), ProcessListState::None);
    EXPECT_EQ(ClassifyProcessList(L"C:\\T\\QX1.tmp", L"c:\\t\\qx1.TMP"), ProcessListState::Alive);
    EXPECT_EQ(ClassifyProcessList(L"C:\\T\\QX1.tmp", L""), ProcessListState::Abandoned);
    EXPECT_EQ(ClassifyProcessList(L"C:\\T\\QX1.tmp", L"C:\\T\\QX2.tmp"), ProcessListState::Abandoned);
}

TEST(BackupRules, OnlyRecordsWithAnAbsoluteBackupNameAreRecovered)
{
    const std::vector<Profile> records = {
        {L"C:\\T\\QX1.tmp", L"C:\\doc.bin"}, {L"", L"C:\\lost.bin"}, {L"\\\\server\\QX2.tmp", L""},
        {L"T\\QX3.tmp", L""},                {L"d:\\T\\QX4.tmp", L""},    {L"\\\\server\\share\\QX5.tmp", L""},
    };
    const std::vector<Profile> recovered = RecoverableProfiles(records);
    ASSERT_EQ(recovered.size(), 4u);
    EXPECT_EQ(recovered[0], records[0]);
    EXPECT_EQ(recovered[3], records[5]);
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
