// The main window's commands on a document past 4 GiB, opened in the control from a sparse
// file: the status bar, the jump dialog, find next and previous, bookmarks, the inspector and
// checksums and the copy that the clipboard cannot take.
#include "tests/win/main/FormHarness.h"

#include "app/win/system/EditorLibrary.h"
#include "app/win/tools/ChecksumRun.h"
#include "app/win/tools/Checksums.h"
#include "app/win/ui/TApplication.h"
#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/MessageBoxCatcher.h"
#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/SparseFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int64_t kSize = 0x100100000;  // 4 GiB + 1 MiB
// "QXAB" stands at these two offsets; every other byte is 0.
constexpr int64_t kFirst = 0x100000010, kSecond = 0x100001000;
constexpr char kPatternHex[] = "51584142";

class LargeDocument : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(file_.made());
        ASSERT_TRUE(file_.write(static_cast<uint64_t>(kFirst), "QXAB"));
        ASSERT_TRUE(file_.write(static_cast<uint64_t>(kSecond), "QXAB"));
        DWORD detail = 0;
        ASSERT_TRUE(Editor.QX_OpenFile(harness_.control(), file_.path().c_str(), 0, &detail));
        harness_.pump();
    }

    // Opens a dialog with the key, and answers it with `text` in its entry and OK.
    void enter(const char* className, const std::string& text, UINT key, bool ctrl = true)
    {
        DialogAnswerer answerer;
        answerer.queue(className, [&](HWND dialog) {
            const std::vector<HWND> edits = ChildrenOfClass(dialog, "Edit");
            ASSERT_FALSE(edits.empty());
            SetWindowTextA(edits.front(), "");
            TypeText(edits.front(), text);
            Click(ChildWithText(dialog, "&Ok"));
        });
        harness_.key(key, ctrl);
        EXPECT_EQ(answerer.pending(), 0u) << className;
    }
    void jumpTo(const std::string& hexOffset) { enter("TFormBytePos", hexOffset, 'L'); }

    [[nodiscard]] int64_t caret() const { return Editor.QX_GetCaretPos64(harness_.control()); }

    SparseFile file_{L"qx_large", static_cast<uint64_t>(kSize)};
    MainFormHarness harness_;
    MessageBoxCatcher boxes_;
};

} // namespace

TEST_F(LargeDocument, StatusBarAndJumpReachPast4GiB)
{
    EXPECT_TRUE(harness_.pumpUntil([&] { return harness_.form().StatusBar.PanelText(0) == "4296015872"; }))
        << harness_.form().StatusBar.PanelText(0);
    jumpTo("100000010");
    EXPECT_EQ(caret(), 2 * kFirst);
    const int64_t top = Editor.QX_GetViewTop64(harness_.control());
    EXPECT_LE(top, 2 * kFirst);
    EXPECT_GT(top, 2 * kFirst - 2 * 16 * 64);  // the caret's line is shown
    jumpTo("1000FFFFF");  // the last byte
    EXPECT_EQ(caret(), 2 * (kSize - 1));
    EXPECT_TRUE(boxes_.boxes().empty());
}

TEST_F(LargeDocument, FindNextAndPreviousPast4GiB)
{
    jumpTo("FFFFFF00");
    enter("TFormFind", kPatternHex, 'F');
    EXPECT_EQ(caret(), 2 * kFirst);
    EXPECT_EQ(Editor.QX_GetSelectionBegin64(harness_.control()), 2 * kFirst);
    EXPECT_EQ(Editor.QX_GetSelectionSize64(harness_.control()), 4);
    harness_.key('N', true);
    EXPECT_EQ(caret(), 2 * kSecond);
    EXPECT_TRUE(boxes_.boxes().empty());

    harness_.key('N', true);  // nothing further: the caret stays
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(boxes_.boxes()[0].text, "検索対象が見つかりません。");
    EXPECT_EQ(caret(), 2 * kSecond);

    harness_.key('B', true);
    EXPECT_EQ(caret(), 2 * kFirst);
}

TEST_F(LargeDocument, BookmarkPast4GiBIsSetAndVisited)
{
    jumpTo("100001000");
    harness_.key('3', true, true);
    EXPECT_EQ(Editor.QX_BookMark64(harness_.control(), 3), 2 * kSecond);
    harness_.key(VK_HOME, true);
    EXPECT_EQ(caret(), 0);
    harness_.key('3', true);
    EXPECT_EQ(caret(), 2 * kSecond);
}

TEST_F(LargeDocument, InspectorReadsTheBytesAtACaretPast4GiB)
{
    harness_.form().Action(ActionId::ToolInspector).Execute();
    jumpTo("100000010");
    const HWND list = harness_.form().FrameInspector.ListInspector.Handle();
    const auto row = [&](int index) {
        char text[256] = {};
        if (SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0) < static_cast<LRESULT>(sizeof text))
            SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    // The unsigned byte, then the little-endian 32-bit value of "QXAB"; the pane follows the
    // caret when the message loop is idle.
    EXPECT_TRUE(harness_.pumpUntil([&] {
        Application.OnIdle();
        return row(1).find("81") != std::string::npos;
    })) << row(1);
    EXPECT_NE(row(7).find("1111578705"), std::string::npos) << row(7);
}

TEST_F(LargeDocument, CopyBeyondTheClipboardIsRefusedWithTheSize)
{
    SetClipboardText("AB");
    ASSERT_TRUE(Editor.QX_SetSelection64(harness_.control(), 0, kSize));
    for (const UINT key : {'C', 'X'}) {  // copy, then cut: neither takes the bytes
        boxes_.clear();
        harness_.key(key, true);
        ASSERT_EQ(boxes_.boxes().size(), 1u);
        EXPECT_NE(boxes_.boxes()[0].text.find("4,296,015,872 バイト"), std::string::npos) << boxes_.boxes()[0].text;
    }
    EXPECT_EQ(GetClipboardText(), "AB");
    EXPECT_EQ(Editor.QX_GetDataSize64(harness_.control()), kSize);
}

// The run reads a snapshot of the document: the selection's bytes past 4 GiB, none around them.
TEST_F(LargeDocument, ChecksumOfASelectionPast4GiBSumsItsBytes)
{
    ChecksumRun run;
    const ChecksumDigests digests =
        run.Sum(harness_.form().Handle(), harness_.control(), ChecksumRange{kFirst, 4, true});
    Checksums direct;
    direct.Add(reinterpret_cast<const uint8_t*>("QXAB"), 4);
    EXPECT_EQ(ChecksumHexTexts(digests), ChecksumHexTexts(direct.Finish()));
}

// Another program holds the document open for writing and cuts it short: a search that meets
// the bytes that are gone says the file could not be read, not that nothing was found.
class ShrunkDocument : public LargeDocument {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(file_.made());
        writer_ = CreateFileW(file_.path().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(writer_, INVALID_HANDLE_VALUE);
        DWORD detail = 0;
        ASSERT_TRUE(Editor.QX_OpenFile(harness_.control(), file_.path().c_str(), QX_OPEN_ALLOW_WRITERS, &detail));
        ASSERT_EQ(detail, static_cast<DWORD>(QX_OPENED_WRITERS_ALLOWED));
        harness_.pump();
        LARGE_INTEGER end;
        end.QuadPart = 0x1000;
        ASSERT_TRUE(SetFilePointerEx(writer_, end, nullptr, FILE_BEGIN) && SetEndOfFile(writer_));
    }
    void TearDown() override
    {
        if (writer_ != INVALID_HANDLE_VALUE)
            CloseHandle(writer_);
    }

    HANDLE writer_ = INVALID_HANDLE_VALUE;
};

TEST_F(ShrunkDocument, FindSaysTheFileCouldNotBeRead)
{
    enter("TFormFind", kPatternHex, 'F');
    ASSERT_EQ(boxes_.boxes().size(), 1u);
    EXPECT_EQ(boxes_.boxes()[0].text, "ファイルを読み込めなかったため、検索を最後まで行えませんでした。");
}
