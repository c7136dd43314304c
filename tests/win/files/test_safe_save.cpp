// Safe saving: the target is replaced whole or left as it was, and no temporary file stays.
#include "common/win/SafeSave.h"
#include "tests/win/files/TestFolder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using Names = std::vector<std::string>;

TEST(SafeSave, ANewFileIsCreatedAndAnOldOneReplacedWhole)
{
    TestFolder folder;
    const std::wstring name = folder / "doc.bin";
    const std::string first = PatternBytes(70000, 1);
    const std::string second = PatternBytes(1000, 2);
    ASSERT_TRUE(WriteWholeFile(name, first.data(), first.size()));
    EXPECT_EQ(FileText(name), first);
    ASSERT_TRUE(WriteWholeFile(name, second.data(), second.size()));
    EXPECT_EQ(FileText(name), second);
    ASSERT_TRUE(WriteWholeFile(name, nullptr, 0));
    EXPECT_EQ(FileText(name), "");
    EXPECT_EQ(folder.names(), Names{"doc.bin"});
}

TEST(SafeSave, TheReplacedFileKeepsItsAttributes)
{
    TestFolder folder;
    const std::wstring name = folder / "hidden.bin";
    PutFile(name, "old");
    ASSERT_TRUE(SetFileAttributesW(name.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_TRUE(WriteWholeFile(name, "new", 3));
    EXPECT_EQ(FileText(name), "new");
    EXPECT_TRUE(GetFileAttributesW(name.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST(SafeSave, RefusedTargetsStayAsTheyWereAndLeaveNoTemporaryFile)
{
    TestFolder folder;
    const std::wstring readOnly = folder / "ro.bin";
    PutFile(readOnly, "keep");
    ASSERT_TRUE(SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::wstring locked = folder / "locked.bin";
    PutFile(locked, "locked");
    ASSERT_TRUE(CreateDirectoryW((folder / "sub").c_str(), nullptr));
    SetCurrentDirectoryW(folder.path().c_str());

    EXPECT_FALSE(WriteWholeFile(readOnly, "new", 3));
    EXPECT_EQ(FileText(readOnly), "keep");
    EXPECT_FALSE(WriteWholeFile(folder / "sub", "new", 3));
    // A network name is absolute; one whose server is not there fails like a missing folder.
    for (const wchar_t* name : {L"rel.bin", L"\\\\nowhere-qx\\share\\x.bin", L"", L"\\rooted.bin", L"\\\\server"})
        EXPECT_FALSE(WriteWholeFile(name, "new", 3)) << std::wstring_view(name).size();
    EXPECT_FALSE(WriteWholeFile(folder / "missing\\x.bin", "new", 3));

    HANDLE holder = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteWholeFile(locked, "new", 3));
    CloseHandle(holder);
    EXPECT_EQ(FileText(locked), "locked");

    EXPECT_EQ(folder.names(), (Names{"locked.bin", "ro.bin", "sub"}));
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(SafeSave, AWriterThatFailsOrThrowsLeavesTheTargetAndNoTemporaryFile)
{
    TestFolder folder;
    const std::wstring name = folder / "doc.bin";
    PutFile(name, "original");
    const auto halfThenFail = [](AFilePtr& file) {
        file.Write("half", 1, 4);
        return false;
    };
    EXPECT_FALSE(SaveFileSafely(name, 8, halfThenFail));
    EXPECT_THROW(SaveFileSafely(name, 8, [](AFilePtr&) -> bool { throw std::bad_alloc(); }), std::bad_alloc);
    EXPECT_EQ(FileText(name), "original");
    EXPECT_EQ(folder.names(), Names{"doc.bin"});

    const auto inPieces = [](AFilePtr& file) {
        return file.Write("new ", 1, 4) == 4 && file.Write("text", 2, 2) == 2;
    };
    EXPECT_TRUE(SaveFileSafely(name, 8, inPieces));
    EXPECT_EQ(FileText(name), "new text");
}

} // namespace
