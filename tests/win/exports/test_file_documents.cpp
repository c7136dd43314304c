// Documents on files through the exports: a sparse file past 4 GiB opened, jumped through, typed
// into, searched and read back (also through a reader snapshot); the base read on after its name
// is replaced and deleted, rebasing after a save with undo going on; the share refusal and its
// fallback; recovery built on the base.
#include "tests/win/support/BeepCounter.h"
#include "tests/win/support/ControlHost.h"
#include "tests/win/support/SparseFile.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
constexpr uint64_t kGiB = uint64_t(1) << 30;

// The bytes of [offset, offset + count) as the control gives them, empty when it refuses.
std::string DataAt(HWND control, uint64_t offset, size_t count)
{
    std::string bytes(count, '\0');
    if (!Editor.QX_GetData64(control, bytes.data(), static_cast<LONGLONG>(2 * offset), static_cast<LONGLONG>(count)))
        return {};
    return bytes;
}

std::wstring TempName(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name + L"_" + std::to_wstring(GetCurrentProcessId()) + L".bin";
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool done = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                      written == bytes.size();
    CloseHandle(file);
    return done;
}

// Puts `replacement` where `path` is while the control holds `path` open: the old file moved
// aside (the control's handle shares deletion, so that is allowed) and deleted, as the program
// saves where a rename cannot replace a file that is open.
bool ReplaceOpenFile(const std::wstring& replacement, const std::wstring& path)
{
    const std::wstring aside = path + L".old";
    return MoveFileExW(path.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING) &&
           MoveFileExW(replacement.c_str(), path.c_str(), 0) && DeleteFileW(aside.c_str());
}

bool AppendTo(void* context, const void* bytes, int count)
{
    static_cast<std::string*>(context)->append(static_cast<const char*>(bytes), static_cast<size_t>(count));
    return true;
}

class FileDocuments : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(control, nullptr); }

    ControlHost host;
    HWND control = host.control();
};

TEST_F(FileDocuments, ASparseFilePastFourGiBOpensAndIsEditedSearchedAndReadAnywhere)
{
    const uint64_t size = 5 * kGiB + 100;
    SparseFile file(L"sparse", size);
    ASSERT_TRUE(file.made());
    const uint64_t mark = 4 * kGiB + 1000;
    ASSERT_TRUE(file.write(mark, "QUILLET!"));
    ASSERT_TRUE(file.write(size - 8, "QUILLET!"));

    DWORD detail = 99;
    ASSERT_TRUE(Editor.QX_OpenFile(control, file.path().c_str(), 0, &detail));
    EXPECT_EQ(detail, static_cast<DWORD>(QX_OPENED));
    EXPECT_EQ(Editor.QX_GetDataSize64(control), static_cast<LONGLONG>(size));
    EXPECT_EQ(Editor.QX_GetDataSize(control), -1) << "a size past an int is the guard, not a cut number";
    EXPECT_FALSE(Editor.QX_IsModified(control));
    EXPECT_FALSE(Editor.QX_CanUndo(control));
    EXPECT_EQ(Editor.QX_GetBaseSize(control), static_cast<LONGLONG>(size));
    std::wstring name(static_cast<size_t>(Editor.QX_GetBaseName(control, nullptr, 0)), L'\0');
    ASSERT_EQ(Editor.QX_GetBaseName(control, name.data(), static_cast<int>(name.size()) + 1), static_cast<int>(name.size()));
    EXPECT_EQ(name, file.path());

    // Ctrl+End: the caret on the last nibble, far past what an int holds.
    SendMessageA(control, WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(Editor.QX_GetCaretPos64(control), static_cast<LONGLONG>(2 * size - 1));
    EXPECT_EQ(Editor.QX_GetCaretPos(control), -1);
    EXPECT_GT(Editor.QX_GetViewTop64(control), static_cast<LONGLONG>(8 * kGiB));
    EXPECT_EQ(DataAt(control, size - 8, 8), "QUILLET!");

    // Type a digit at the mark: 'Q' (0x51) becomes 0xA1.
    ASSERT_TRUE(Editor.QX_SetCaretPos64(control, static_cast<LONGLONG>(2 * mark)));
    SendMessageA(control, WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(DataAt(control, mark, 2), "\xA1U");
    EXPECT_EQ(Editor.QX_GetCaretPos64(control), static_cast<LONGLONG>(2 * mark + 1));
    QX_CHANGE changes[4] = {};
    ASSERT_EQ(Editor.QX_GetBaseChanges(control, changes, 4), 1);
    EXPECT_EQ(changes[0].offset, mark);
    EXPECT_EQ(changes[0].removed, 1u);
    EXPECT_EQ(changes[0].inserted, 1u);

    // A snapshot keeps the data as it was when it was taken.
    QX_READER reader = Editor.QX_OpenReader(control);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(Editor.QX_ReaderSize(reader), static_cast<LONGLONG>(size));
    ASSERT_TRUE(Editor.QX_Undo(control));
    EXPECT_EQ(DataAt(control, mark, 1), "Q");
    char read[8] = {};
    ASSERT_TRUE(Editor.QX_ReadAt(reader, static_cast<LONGLONG>(mark), read, 2));
    EXPECT_EQ(std::string(read, 2), "\xA1U");
    ASSERT_TRUE(Editor.QX_ReadAt(reader, static_cast<LONGLONG>(size - 8), read, 8));
    EXPECT_EQ(std::string(read, 8), "QUILLET!");
    EXPECT_FALSE(Editor.QX_ReadAt(reader, static_cast<LONGLONG>(size - 4), read, 8)) << "past the end";
    EXPECT_TRUE(Editor.QX_CloseReader(reader));

    // Search forwards from before the mark and backwards from the end, past 4 GiB.
    const char word[] = "LLET";
    ASSERT_EQ(Editor.QX_Find64(control, static_cast<LONGLONG>(2 * (mark - 4096)), word, nullptr, 4, QX_FIND_FIRST),
              QX_FOUND);
    EXPECT_EQ(Editor.QX_GetSelectionBegin64(control), static_cast<LONGLONG>(2 * (mark + 3)));
    EXPECT_EQ(Editor.QX_GetSelectionSize64(control), 4);
    EXPECT_EQ(Editor.QX_GetSelectionBegin(control), -1);
    const char lower[] = "quil";
    ASSERT_EQ(Editor.QX_Find64(control, static_cast<LONGLONG>(2 * size - 1), lower, nullptr, 4,
                               QX_FIND_PREV | QX_FIND_CASELESS),
              QX_FOUND);
    EXPECT_EQ(Editor.QX_GetCaretPos64(control), static_cast<LONGLONG>(2 * (size - 8)));
    EXPECT_EQ(Editor.QX_Find64(control, static_cast<LONGLONG>(2 * size - 1), lower, nullptr, 4, QX_FIND_PREV),
              QX_NOT_FOUND)
        << "without the flag the case counts";

    // Handing out a range that runs over the end of the mark.
    std::string out;
    ASSERT_TRUE(Editor.QX_WriteDataTo64(control, static_cast<LONGLONG>(2 * (mark - 2)), 6, AppendTo, &out));
    EXPECT_EQ(out, std::string("\0\0QUIL", 6));
    PumpMessages();
}

TEST_F(FileDocuments, TheBaseReadsOnAfterItsNameIsReplacedAndDeleted)
{
    const std::wstring path = TempName(L"base");
    const std::wstring other = TempName(L"other");
    ASSERT_TRUE(WriteFileBytes(path, "first version of the file"));
    ASSERT_TRUE(Editor.QX_OpenFile(control, path.c_str(), 0, nullptr));
    ASSERT_TRUE(WriteFileBytes(other, "another file entirely"));
    ASSERT_TRUE(ReplaceOpenFile(other, path)) << GetLastError();
    EXPECT_EQ(DataAt(control, 0, 25), "first version of the file");
    ASSERT_TRUE(DeleteFileW(path.c_str()));
    EXPECT_EQ(DataAt(control, 6, 7), "version");
    EXPECT_EQ(Editor.QX_GetBaseSize(control), 25);
}

TEST_F(FileDocuments, SavingRebasesAndUndoGoesOnOverTheOldBase)
{
    const std::wstring path = TempName(L"saved");
    const std::wstring temporary = TempName(L"saving");
    ASSERT_TRUE(WriteFileBytes(path, "0123456789"));
    ASSERT_TRUE(Editor.QX_OpenFile(control, path.c_str(), 0, nullptr));
    ASSERT_TRUE(Editor.QX_SetSelection64(control, 4, 3));
    ASSERT_TRUE(Editor.QX_DeleteSelection(control));
    EXPECT_EQ(DataAt(control, 0, 7), "0156789");

    // The program's save: the bytes to a temporary file, that file over the target, a rebase.
    std::string saved;
    ASSERT_TRUE(Editor.QX_WriteDataTo64(control, 0, Editor.QX_GetDataSize64(control), AppendTo, &saved));
    ASSERT_TRUE(WriteFileBytes(temporary, saved));
    ASSERT_TRUE(ReplaceOpenFile(temporary, path)) << GetLastError();
    ASSERT_TRUE(Editor.QX_Rebase(control, path.c_str()));
    EXPECT_EQ(Editor.QX_GetBaseChanges(control, nullptr, 0), 0) << "the document is its new base";
    EXPECT_EQ(Editor.QX_GetBaseSize(control), 7);

    // Undo needs the old base's bytes, which no name leads to any more.
    ASSERT_TRUE(Editor.QX_Undo(control));
    EXPECT_EQ(DataAt(control, 0, 10), "0123456789");
    QX_CHANGE change{};
    ASSERT_EQ(Editor.QX_GetBaseChanges(control, &change, 1), 1);
    EXPECT_EQ(change.offset, 2u);
    EXPECT_EQ(change.removed, 0u);
    EXPECT_EQ(change.inserted, 3u);
    ASSERT_TRUE(Editor.QX_Redo(control));
    EXPECT_EQ(DataAt(control, 0, 7), "0156789");

    // A saved file of another size is refused and nothing changes.
    ASSERT_TRUE(WriteFileBytes(temporary, "short"));
    EXPECT_FALSE(Editor.QX_Rebase(control, temporary.c_str()));
    EXPECT_EQ(Editor.QX_GetBaseSize(control), 7);
    DeleteFileW(temporary.c_str());
    Editor.QX_New(control);  // lets go of the base before its file is removed
    Editor.QX_ClearHistory(control);
    DeleteFileW(path.c_str());
}

TEST_F(FileDocuments, AWriterElsewhereRefusesTheOpenUnlessWritersAreShared)
{
    const std::wstring path = TempName(L"written");
    ASSERT_TRUE(WriteFileBytes(path, std::string(4 << 20, 'x')));
    HANDLE writer = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    const unsigned char old[] = {0x12, 0x34};
    ASSERT_TRUE(Editor.QX_SetData(control, old, 2));

    DWORD detail = 99;
    EXPECT_FALSE(Editor.QX_OpenFile(control, path.c_str(), 0, &detail));
    EXPECT_EQ(detail, static_cast<DWORD>(QX_OPEN_SHARING_REFUSED));
    EXPECT_EQ(Editor.QX_GetDataSize64(control), 2) << "nothing changed";
    EXPECT_EQ(Editor.QX_GetBaseName(control, nullptr, 0), 0);

    ASSERT_TRUE(Editor.QX_OpenFile(control, path.c_str(), QX_OPEN_ALLOW_WRITERS, &detail));
    EXPECT_EQ(detail, static_cast<DWORD>(QX_OPENED_WRITERS_ALLOWED));
    EXPECT_TRUE(Editor.QX_IsReadOnly(control));
    EXPECT_EQ(DataAt(control, 0, 2), "xx");

    // The writer cuts the file short: what is gone reads as a failure, never as old bytes.
    LARGE_INTEGER oneMiB;
    oneMiB.QuadPart = 1 << 20;
    ASSERT_TRUE(SetFilePointerEx(writer, oneMiB, nullptr, FILE_BEGIN) && SetEndOfFile(writer));
    CloseHandle(writer);
    EXPECT_EQ(DataAt(control, 3 << 20, 4), "");
    const char absent[] = "QXQX";
    EXPECT_EQ(Editor.QX_Find64(control, 0, absent, nullptr, 4, QX_FIND_FIRST), QX_FIND_FAILED);
    std::string out;
    EXPECT_FALSE(Editor.QX_WriteDataTo64(control, 0, Editor.QX_GetDataSize64(control), AppendTo, &out));

    // A plain open of a file nobody writes: a writer is refused while the control holds it.
    Editor.QX_SetReadOnly(control, false);
    ASSERT_TRUE(Editor.QX_OpenFile(control, path.c_str(), 0, &detail));
    EXPECT_EQ(detail, static_cast<DWORD>(QX_OPENED));
    EXPECT_FALSE(Editor.QX_IsReadOnly(control));
    HANDLE late = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(late, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    if (late != INVALID_HANDLE_VALUE)
        CloseHandle(late);

    EXPECT_FALSE(Editor.QX_OpenFile(control, TempName(L"missing").c_str(), 0, &detail));
    EXPECT_EQ(detail, static_cast<DWORD>(QX_OPEN_FAILED));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    Editor.QX_New(control);
    DeleteFileW(path.c_str());
}

// Recovery: the base plus the journal's pieces, the written ones read into memory.
bool ReadFromString(void* context, void* buffer, int count)
{
    std::string& rest = *static_cast<std::string*>(context);
    if (rest.size() < static_cast<size_t>(count))
        return false;
    std::copy_n(rest.data(), count, static_cast<char*>(buffer));
    rest.erase(0, static_cast<size_t>(count));
    return true;
}

TEST_F(FileDocuments, RecoveryBuildsTheDocumentOnItsBase)
{
    const std::wstring path = TempName(L"recovered");
    ASSERT_TRUE(WriteFileBytes(path, "ABCDEFGHIJ"));
    EXPECT_FALSE(Editor.QX_BuildOnBase(control, nullptr, 0, nullptr, nullptr));
    ASSERT_TRUE(Editor.QX_OpenFile(control, path.c_str(), 0, nullptr));
    const QX_PIECE pieces[] = {{0, 3, QX_PIECE_BASE}, {0, 2, QX_PIECE_READ}, {6, 4, QX_PIECE_BASE}};
    std::string written = "xy";
    ASSERT_TRUE(Editor.QX_BuildOnBase(control, pieces, 3, ReadFromString, &written));
    EXPECT_EQ(DataAt(control, 0, 9), "ABCxyGHIJ");
    EXPECT_FALSE(Editor.QX_CanUndo(control));
    QX_CHANGE change{};
    ASSERT_EQ(Editor.QX_GetBaseChanges(control, &change, 1), 1);
    EXPECT_EQ(change.offset, 3u);
    EXPECT_EQ(change.removed, 3u);
    EXPECT_EQ(change.inserted, 2u);

    const QX_PIECE pastTheBase[] = {{8, 3, QX_PIECE_BASE}};
    EXPECT_FALSE(Editor.QX_BuildOnBase(control, pastTheBase, 1, ReadFromString, &written));
    std::string tooShort = "z";
    EXPECT_FALSE(Editor.QX_BuildOnBase(control, pieces, 3, ReadFromString, &tooShort));
    EXPECT_EQ(DataAt(control, 0, 9), "ABCxyGHIJ") << "a failed build changes nothing";
    Editor.QX_New(control);
    DeleteFileW(path.c_str());
}

} // namespace
