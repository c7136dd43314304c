// LoadDocument and WriteDocument with a real control: files of any size, sharing, warnings, round trips.
#include "app/win/documents/Document.h"
#include "app/win/system/EditorLibrary.h"
#include "app/texts/ProgramTexts.h"
#include "common/win/WholeFile.h"
#include "tests/win/files/TestFolder.h"
#include "common/win/WideText.h"
#include "tests/win/support/ControlHost.h"
#include "tests/win/support/MessageBoxCatcher.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host_.control());
        ASSERT_TRUE(Editor.QX_SetData(control(), "\x01\x02\x03", 3));
        ASSERT_TRUE(Editor.QX_SetModified(control(), true));
    }

    [[nodiscard]] HWND control() const { return host_.control(); }

    [[nodiscard]] std::string shown() const
    {
        const int size = Editor.QX_GetDataSize(control());
        std::string bytes(static_cast<size_t>(size), '\0');
        Editor.QX_GetData(control(), bytes.data(), 0, size);
        return bytes;
    }

    void show(const std::string& bytes) const
    {
        ASSERT_TRUE(Editor.QX_SetData(control(), bytes.data(), static_cast<int>(bytes.size())));
    }

    // The one box shown since the last call, or "" when none was; two boxes fail the test.
    std::string takeBox()
    {
        const std::vector<CaughtBox> boxes = catcher_.boxes();
        catcher_.clear();
        if (boxes.empty())
            return "";
        EXPECT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].flags, UINT{MB_OK | MB_ICONWARNING});
        return boxes[0].text;
    }

    // A source that tells the real file's size, or `claimed`, and records the reads it is
    // asked for; it gives `bytes` over and over, or fails from the byte `failAt` on.
    class RecordingSource final : public DocumentSource {
    public:
        RecordingSource(std::string bytes, uint64_t claimed = 0, uint64_t failAt = UINT64_MAX)
            : bytes_(std::move(bytes)), claimed_(claimed), failAt_(failAt)
        {
        }
        bool open(std::wstring_view name, uint64_t& size) override
        {
            if (!GetFileSize64(name, size))
                return false;
            if (claimed_)
                size = claimed_;
            return true;
        }
        bool read(uint8_t* out, size_t count) override
        {
            reads.push_back(count);
            for (size_t i = 0; i < count; ++i, ++done_) {
                if (done_ >= failAt_)
                    return false;
                out[i] = static_cast<uint8_t>(bytes_[done_ % bytes_.size()]);
            }
            return true;
        }

        std::vector<size_t> reads;

    private:
        std::string bytes_;
        uint64_t claimed_, failAt_;
        uint64_t done_ = 0;
    };

    ControlHost host_;
    MessageBoxCatcher catcher_;
    TestFolder folder_;
};

TEST_F(DocumentTest, AFileOfAnySizeOpensOnItsBaseWithoutBeingRead)
{
    // Past the old 1 GiB limit and past 4 GiB; sparse, so only what is read costs anything.
    const std::wstring large = folder_ / "large.bin";
    const uint64_t size = (uint64_t{5} << 30) + 3;
    ASSERT_TRUE(MakeSizedFile(large, size));
    OpenedAs opened = OpenedAs::SharingWrites;
    ASSERT_TRUE(LoadDocument(host_.host(), control(), large, &opened));
    EXPECT_EQ(takeBox(), "");
    EXPECT_EQ(opened, OpenedAs::Base);
    EXPECT_EQ(Editor.QX_GetDataSize64(control()), static_cast<LONGLONG>(size));
    EXPECT_EQ(Editor.QX_GetBaseSize(control()), static_cast<LONGLONG>(size));
    EXPECT_FALSE(Editor.QX_IsModified(control()));
    // The base is held against writers while the document stands on it.
    const HANDLE writer = CreateFileW(large.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(writer, INVALID_HANDLE_VALUE);
    if (writer != INVALID_HANDLE_VALUE)
        CloseHandle(writer);

    // A backup source is read in pieces straight into the control.
    show("\x01\x02\x03");
    const uint64_t claimed = (uint64_t{64} << 20) + 3;  // past one piece of the control's
    RecordingSource read("read", claimed);
    EXPECT_TRUE(LoadDocument(host_.host(), control(), large, read));
    EXPECT_EQ(takeBox(), "");
    EXPECT_GT(read.reads.size(), 1u);
    char tail[4] = {};
    ASSERT_TRUE(Editor.QX_GetData(control(), tail, static_cast<int>(2 * (claimed - 4)), 4));
    EXPECT_EQ(std::string(tail, 4), "drea");
}

TEST_F(DocumentTest, AFileAnotherProgramWritesIsOfferedReadOnlyAndOpensSoOnlyWhenTheUserSaysYes)
{
    const std::wstring name = folder_ / "written.bin";
    PutFile(name, "live");
    const HANDLE writer = CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    const struct {
        int answer;
        bool opens;
    } cases[] = {{IDNO, false}, {IDYES, true}};
    for (const auto& [answer, opens] : cases) {
        SCOPED_TRACE(answer);
        show("\x01\x02\x03");
        ASSERT_TRUE(Editor.QX_SetReadOnly(control(), false));
        catcher_.answer(answer);
        OpenedAs opened = OpenedAs::Base;
        EXPECT_EQ(LoadDocument(host_.host(), control(), name, &opened), opens);
        const std::vector<CaughtBox> boxes = catcher_.boxes();
        catcher_.clear();
        ASSERT_EQ(boxes.size(), 1u) << "one question, no warning after it";
        EXPECT_EQ(boxes[0].text, kTextOpenSharingRefused);
        EXPECT_EQ(boxes[0].flags & 0xF, UINT{MB_YESNO});
        EXPECT_EQ(shown(), opens ? "live" : "\x01\x02\x03");
        EXPECT_EQ(Editor.QX_IsReadOnly(control()), opens);
        if (opens) {
            EXPECT_EQ(opened, OpenedAs::SharingWrites);
        }
    }
    CloseHandle(writer);
    ASSERT_TRUE(Editor.QX_SetReadOnly(control(), false));
}

TEST_F(DocumentTest, UnreadableNamesGiveTheReadWarningAndChangeNothing)
{
    const std::wstring existing = folder_ / "there.bin";
    PutFile(existing, "there");
    SetCurrentDirectoryW(folder_.path().c_str());
    for (const std::wstring& name : {folder_ / "missing.bin", std::wstring(L"there.bin"),
                                     std::wstring(L"\\\\server\\share\\there.bin"), folder_.path()}) {
        SCOPED_TRACE(AnsiText(name));
        EXPECT_FALSE(LoadDocument(host_.host(), control(), name));
        EXPECT_EQ(takeBox(), kTextCannotReadFile);
    }

    // A read that fails part way (the file shrank, a disk error) keeps the shown document.
    RecordingSource failing("abc", 0, 3);
    EXPECT_FALSE(LoadDocument(host_.host(), control(), existing, failing));
    EXPECT_EQ(takeBox(), kTextCannotReadFile);

    EXPECT_EQ(shown(), "\x01\x02\x03");
    EXPECT_TRUE(Editor.QX_IsModified(control()));
}

TEST_F(DocumentTest, AnEmptyFileAndTheEmptyNameOpen)
{
    PutFile(folder_ / "empty.bin", "");
    EXPECT_TRUE(LoadDocument(host_.host(), control(), folder_ / "empty.bin"));
    EXPECT_EQ(takeBox(), "");
    EXPECT_EQ(Editor.QX_GetDataSize(control()), 1);

    show("abc");
    EXPECT_TRUE(LoadDocument(host_.host(), control(), L""));
    EXPECT_EQ(takeBox(), "");
    EXPECT_EQ(shown(), std::string(1, '\0'));
}

TEST_F(DocumentTest, ADocumentLargerThanOnePieceIsWrittenAndReadBackWhole)
{
    const std::string bytes = PatternBytes(40 * 1024 * 1024 + 5);
    show(bytes);
    const std::wstring name = folder_ / "round trip.bin";
    ASSERT_TRUE(WriteDocument(host_.host(), control(), name));
    EXPECT_EQ(takeBox(), "");
    EXPECT_TRUE(FileText(name) == bytes);
    EXPECT_EQ(folder_.names(), std::vector<std::string>{"round trip.bin"});

    show("x");
    ASSERT_TRUE(LoadDocument(host_.host(), control(), name));
    EXPECT_TRUE(shown() == bytes);
}

TEST_F(DocumentTest, SavingOverTheOpenedFileMakesItTheBaseAndUndoGoesBackAcrossTheSave)
{
    const std::wstring name = folder_ / "doc.bin";
    const std::string opened = "0123456789", first = "01234abc56789", second = "01234abc5678Z";
    PutFile(name, opened);
    ASSERT_TRUE(LoadDocument(host_.host(), control(), name));
    ASSERT_TRUE(Editor.QX_InsertData(control(), 2 * 5, "abc", 3));
    ASSERT_TRUE(WriteDocument(host_.host(), control(), name));
    EXPECT_EQ(takeBox(), "");
    EXPECT_EQ(FileText(name), first);
    EXPECT_EQ(Editor.QX_GetBaseChanges(control(), nullptr, 0), 0) << "the saved file is the base";
    wchar_t base[MAX_PATH] = {};
    ASSERT_GT(Editor.QX_GetBaseName(control(), base, MAX_PATH), 0);
    EXPECT_EQ(std::wstring(base), name);

    // Saved again while the history still reads the first base, which went aside.
    ASSERT_TRUE(Editor.QX_SetSelection(control(), 2 * 12, 1));
    ASSERT_TRUE(Editor.QX_ReplaceSelection(control(), "Z", 1));
    JournalBase written;
    ASSERT_TRUE(WriteDocument(host_.host(), control(), name, &written));
    EXPECT_EQ(FileText(name), second);
    EXPECT_EQ(written.file, name);
    EXPECT_EQ(written.size, second.size());

    for (const std::string& expected : {first, opened}) {
        ASSERT_TRUE(Editor.QX_Undo(control()));
        EXPECT_EQ(shown(), expected);
    }
    for (const std::string& expected : {first, second}) {
        ASSERT_TRUE(Editor.QX_Redo(control()));
        EXPECT_EQ(shown(), expected);
    }
    // Once nothing reads the old bases, nothing of them is left.
    ASSERT_TRUE(Editor.QX_New(control()));
    EXPECT_EQ(folder_.names(), std::vector<std::string>{"doc.bin"});
    EXPECT_EQ(FileText(name), second);
}

TEST_F(DocumentTest, UnwritableNamesGiveTheWriteWarningAndKeepTheFile)
{
    const std::wstring readOnly = folder_ / "ro.bin";
    PutFile(readOnly, "keep");
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    SetCurrentDirectoryW(folder_.path().c_str());
    // The warning names the file and says why.
    const struct {
        std::wstring name;
        const char* reason;
    } refused[] = {{L"\\\\?\\C:\\x.bin", kTextSaveBadName},
                   {L"rel.bin", kTextSaveBadName},
                   {readOnly, kTextSaveReadOnly},
                   {folder_ / "gone\\x.bin", kTextSaveNoFolder}};
    for (const auto& [name, reason] : refused) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(WriteDocument(host_.host(), control(), name));
        EXPECT_EQ(takeBox(), std::string(kTextCannotWriteFile) + "\n" + AnsiText(name) + "\n" + reason);
    }
    EXPECT_EQ(FileText(readOnly), "keep");
    EXPECT_EQ(folder_.names(), std::vector<std::string>{"ro.bin"});
    EXPECT_TRUE(Editor.QX_IsModified(control()));
    SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

} // namespace
