// AFilePtr and the whole-file queries: modes and sharing, whole items, lengths, names, stamps.
#include "app/win/documents/SystemFileClock.h"
#include "common/PathString.h"
#include "common/win/AFilePtr.h"
#include "common/win/FileSystem.h"
#include "common/win/WholeFile.h"
#include "tests/win/files/TestFolder.h"

#include <gtest/gtest.h>

namespace {

HANDLE OpenPlain(const std::wstring& path, DWORD access, DWORD sharing)
{
    return CreateFileW(path.c_str(), access, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
}

// True when another opener gets the file with this access while `file` holds it.
bool OthersMayOpen(const std::wstring& path, DWORD access)
{
    HANDLE other = OpenPlain(path, access, FILE_SHARE_READ | FILE_SHARE_WRITE);
    if (other == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(other);
    return true;
}

TEST(AFilePtr, ModesCreateEmptyOrRequireTheFileAndShareAsTheySay)
{
    TestFolder folder;
    const std::wstring name = folder / "a.bin";
    AFilePtr file;
    EXPECT_FALSE(file.Open(name, AFilePtr::kRead));
    EXPECT_FALSE(file.Open(name, AFilePtr::kUpdate));
    EXPECT_FALSE(file.Open(name.substr(2), AFilePtr::kWrite));  // no drive letter
    EXPECT_EQ(FileText(name), "<missing>");

    ASSERT_TRUE(file.Open(name, AFilePtr::kWrite));
    EXPECT_TRUE(file.IsWritable());
    EXPECT_EQ(file.Write("abcdef", 1, 6), 6u);
    EXPECT_TRUE(OthersMayOpen(name, GENERIC_READ));
    EXPECT_FALSE(OthersMayOpen(name, GENERIC_WRITE));
    file.Close();
    EXPECT_EQ(GetFileAttributesW(name.c_str()) & FILE_ATTRIBUTE_ARCHIVE, DWORD{FILE_ATTRIBUTE_ARCHIVE});

    ASSERT_TRUE(file.Open(name, AFilePtr::kUpdate));
    EXPECT_TRUE(OthersMayOpen(name, GENERIC_READ | GENERIC_WRITE));
    char read[3] = {};
    EXPECT_EQ(file.Read(read, 3, 1), 1u);
    EXPECT_EQ(std::string(read, 3), "abc");
    EXPECT_EQ(file.Write("X", 1, 1), 1u);
    file.Close();
    EXPECT_EQ(FileText(name), "abcXef");

    ASSERT_TRUE(file.Open(name, AFilePtr::kRead));
    EXPECT_FALSE(file.IsWritable());
    EXPECT_TRUE(OthersMayOpen(name, GENERIC_READ));
    EXPECT_FALSE(OthersMayOpen(name, GENERIC_WRITE));
    EXPECT_FALSE(file.SetLength(1));
    EXPECT_EQ(file.Write("Y", 1, 1), 0u);

    ASSERT_TRUE(file.Open(name, AFilePtr::kRead, true));
    EXPECT_TRUE(file.IsExclusive());
    EXPECT_FALSE(OthersMayOpen(name, GENERIC_READ));

    ASSERT_TRUE(file.Open(name, AFilePtr::kUpdateNew));
    uint64_t size = 99;
    EXPECT_TRUE(file.Size(size));
    EXPECT_EQ(size, 0u);
    EXPECT_TRUE(OthersMayOpen(name, GENERIC_READ | GENERIC_WRITE));
}

TEST(AFilePtr, OnlyWholeItemsCountAndThePositionStaysAfterTheLastOne)
{
    TestFolder folder;
    const std::wstring name = folder / "items.bin";
    PutFile(name, "0123456789");
    AFilePtr file;
    ASSERT_TRUE(file.Open(name, AFilePtr::kRead));
    char items[12] = {};
    EXPECT_EQ(file.Read(items, 4, 3), 2u);
    EXPECT_EQ(std::string(items, 8), "01234567");
    char next = 0;
    EXPECT_EQ(file.Read(&next, 1, 1), 1u);
    EXPECT_EQ(next, '8');
    EXPECT_EQ(file.Read(items, 0, 5), 0u);
    EXPECT_EQ(file.Read(items, 5, 0), 0u);
    EXPECT_TRUE(file.Seek(-3, AFilePtr::kEnd));
    EXPECT_EQ(file.Read(items, 3, 1), 1u);
    EXPECT_EQ(std::string(items, 3), "789");
}

TEST(AFilePtr, LengthsAndSizesAre64Bit)
{
    TestFolder folder;
    const std::wstring name = folder / "long.bin";
    constexpr uint64_t fiveGiB = 5ull << 30;
    AFilePtr file;
    ASSERT_TRUE(file.Open(name, AFilePtr::kUpdateNew));
    ASSERT_TRUE(file.SetLength(fiveGiB));
    EXPECT_EQ(file.Write("Z", 1, 1), 1u);  // the position is at the new end
    uint64_t size = 0;
    EXPECT_TRUE(file.Size(size));
    EXPECT_EQ(size, fiveGiB + 1);
    EXPECT_TRUE(file.SetLength(4));
    EXPECT_TRUE(file.Flush());
    file.Close();
    EXPECT_TRUE(GetFileSize64(name, size));
    EXPECT_EQ(size, 4u);

    ASSERT_TRUE(MakeSizedFile(name, 4ull << 30));
    FileBytes bytes;
    bytes.size = 7;
    EXPECT_TRUE(GetFileSize64(name, size));
    EXPECT_EQ(size, 4ull << 30);
    EXPECT_FALSE(ReadWholeFile(name, bytes));  // beyond 32 bits, refused before allocating
    EXPECT_EQ(bytes.size, 7u);
}

TEST(WholeFile, ReadsEveryByteAndAnEmptyFileAsNone)
{
    TestFolder folder;
    const std::string bytes = PatternBytes(100000);
    PutFile(folder / "full.bin", bytes);
    PutFile(folder / "empty.bin", "");
    FileBytes read;
    ASSERT_TRUE(ReadWholeFile(folder / "full.bin", read));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(read.data.get()), read.size), bytes);
    ASSERT_TRUE(ReadWholeFile(folder / "empty.bin", read));
    EXPECT_EQ(read.size, 0u);
    read.size = 3;
    EXPECT_FALSE(ReadWholeFile(folder / "missing.bin", read));
    EXPECT_EQ(read.size, 3u);
}

TEST(WholeFile, StampsAreTheLastWriteTimeInUtc)
{
    TestFolder folder;
    const std::wstring name = folder / "stamped.bin";
    PutFile(name, "s");
    const SYSTEMTIME when{2024, 2, 4, 29, 23, 58, 7, 125};  // 2024-02-29 23:58:07.125
    FILETIME time{};
    ASSERT_TRUE(SystemTimeToFileTime(&when, &time));
    HANDLE file = CreateFileW(name.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(SetFileTime(file, nullptr, nullptr, &time));
    CloseHandle(file);
    FileStamp stamp;
    ASSERT_TRUE(GetFileStamp(name, stamp));
    EXPECT_EQ(stamp, (FileStamp{2024, 2, 29, 23, 58, 7, 125}));
    EXPECT_FALSE(GetFileStamp(folder / "missing.bin", stamp));
    EXPECT_EQ(stamp.year, 2024);
}

TEST(FileSystem, TheNearestExistingFolderWalksUpToTheProgramsFolder)
{
    TestFolder folder;
    const std::wstring deep = folder / "gone\\deeper";
    EXPECT_EQ(NearestExistingFolder(folder.path()), folder.path());
    EXPECT_EQ(NearestExistingFolder(deep), folder.path());
    const std::wstring program = FolderOf(ProgramPath());
    EXPECT_EQ(NearestExistingFolder(L""), program);
    EXPECT_EQ(NearestExistingFolder(L"relative\\folder"), program);
    EXPECT_EQ(NearestExistingFolder(L"\\\\server\\share\\folder"), program);
}

} // namespace
