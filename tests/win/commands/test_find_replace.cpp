// Find, find next and previous, the jump dialog and a replace run in the running editor, driven by its keys.
#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/MessageBoxCatcher.h"
#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

// A document file for the editor to open, removed at the end.
class DocumentFile {
public:
    explicit DocumentFile(const std::vector<uint8_t>& bytes)
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "qx_find_" + std::to_string(GetCurrentProcessId()) + ".bin";
        std::ofstream(path_, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                     static_cast<std::streamsize>(bytes.size()));
    }
    ~DocumentFile() { DeleteFileA(path_.c_str()); }
    [[nodiscard]] std::string argument() const { return "\"" + path_ + "\""; }

private:
    std::string path_;
};

class FindInTheEditor : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RunningEditor::CanPressKeys())
            GTEST_SKIP() << "needs xdotool and a display";
        // Matches of AB CD at bytes 1, 4, 7 and 10; the last one ends the data.
        file_ = std::make_unique<DocumentFile>(
            std::vector<uint8_t>{0x00, 0xAB, 0xCD, 0x11, 0xAB, 0xCD, 0x22, 0xAB, 0xCD, 0x33, 0xAB, 0xCD});
        editor_ = std::make_unique<RunningEditor>("qx_find", file_->argument());
        ASSERT_TRUE(editor_->started());
        ASSERT_TRUE(WaitFor([&] { return editor_->sizeText() == "12"; })) << editor_->sizeText();
    }

    void TearDown() override
    {
        editor_.reset();
        file_.reset();
    }

    // Opens the jump dialog, reads the current position and leaves it with Cancel.
    std::string caretInfo()
    {
        const HWND dialog = openDialog("ctrl+l", "TFormBytePos");
        if (!dialog)
            return "no jump dialog";
        std::string info = "no position";
        for (const HWND label : ChildrenOfClass(dialog, "Static"))
            if (const std::string text = TextOf(label); text.find(" [0 - ") != std::string::npos)
                info = text;
        PostClick(ChildWithText(dialog, "&Cancel"));
        editor_->waitForNoWindow("TFormBytePos");
        return info;
    }

    HWND openDialog(const std::string& keys, const char* className)
    {
        return editor_->pressKeys(keys) ? editor_->waitForWindow(className) : nullptr;
    }

    // The text of the message box that comes up (an information with OK alone), closed with OK.
    std::string messageText()
    {
        const HWND box = editor_->waitForWindow("#32770");
        if (!box)
            return "no message";
        const CaughtBox read = ReadMessageBox(box);
        EXPECT_EQ(read.flags & MB_TYPEMASK, static_cast<UINT>(MB_OK)) << read.text;
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        editor_->waitForNoWindow("#32770");
        return read.text;
    }

    void findText(const std::string& text)
    {
        const HWND dialog = openDialog("ctrl+f", "TFormFind");
        ASSERT_NE(dialog, nullptr);
        const std::vector<HWND> edits = ChildrenOfClass(dialog, "Edit");
        ASSERT_EQ(edits.size(), 1u);
        SetEditText(edits[0], text);
        PostClick(ChildWithText(dialog, "&Ok"));
        ASSERT_TRUE(editor_->waitForNoWindow("TFormFind"));
    }

    std::unique_ptr<DocumentFile> file_;
    std::unique_ptr<RunningEditor> editor_;
};

} // namespace

TEST_F(FindInTheEditor, FindNextAndPreviousMoveTheCaretAndTellWhenNothingIsFound)
{
    EXPECT_EQ(caretInfo(), "0 [0 - B]");
    findText("ABCD");
    EXPECT_EQ(caretInfo(), "1 [0 - B]");  // and Cancel left the caret there

    for (const char* expected : {"4 [0 - B]", "7 [0 - B]", "A [0 - B]"}) {
        ASSERT_TRUE(editor_->pressKeys("ctrl+n"));
        EXPECT_EQ(caretInfo(), expected);
    }
    ASSERT_TRUE(editor_->pressKeys("ctrl+n"));
    EXPECT_EQ(messageText(), "検索対象が見つかりません。");
    EXPECT_EQ(caretInfo(), "A [0 - B]");
    ASSERT_TRUE(editor_->pressKeys("ctrl+b"));
    EXPECT_EQ(caretInfo(), "7 [0 - B]");

    // The jump dialog moves the caret on OK only.
    HWND jump = openDialog("ctrl+l", "TFormBytePos");
    ASSERT_NE(jump, nullptr);
    SetEditText(ChildrenOfClass(jump, "Edit").at(0), "2");
    PostClick(ChildWithText(jump, "&Ok"));
    ASSERT_TRUE(editor_->waitForNoWindow("TFormBytePos"));
    EXPECT_EQ(caretInfo(), "2 [0 - B]");
    jump = openDialog("ctrl+l", "TFormBytePos");
    ASSERT_NE(jump, nullptr);
    SetEditText(ChildrenOfClass(jump, "Edit").at(0), "9");
    PostClick(ChildWithText(jump, "&Cancel"));
    ASSERT_TRUE(editor_->waitForNoWindow("TFormBytePos"));
    EXPECT_EQ(caretInfo(), "2 [0 - B]");

    // A search text nowhere in the data: the message, and the caret stays.
    findText("ABCDAB");
    EXPECT_EQ(messageText(), "検索対象が見つかりません。");
    EXPECT_EQ(caretInfo(), "2 [0 - B]");
}

TEST_F(FindInTheEditor, ReplaceRunAnsweredThroughTheStrip)
{
    ASSERT_TRUE(editor_->pressKeys("Home"));
    const HWND dialog = openDialog("ctrl+r", "TFormReplaceFirst");
    ASSERT_NE(dialog, nullptr);
    const std::vector<HWND> edits = ChildrenOfClass(dialog, "Edit");
    ASSERT_EQ(edits.size(), 2u);
    SetEditText(edits[0], "ABCD");
    SetEditText(edits[1], "EE");
    PostClick(ChildWithText(dialog, "&Ok"));

    // The strip's buttons, clicked in turn at its prompts: replace the first match, skip the
    // second, then replace all the others without being asked.
    const HWND strip = editor_->waitForWindow("TFormReplaceNext");
    ASSERT_NE(strip, nullptr);
    for (const char* answer : {"置換/次(&Y)", "次(&N)", "すべて(&A)"}) {
        const HWND button = ChildWithText(strip, answer);
        ASSERT_NE(button, nullptr) << answer;
        PostClick(button);
    }
    EXPECT_EQ(messageText(), "3 個のバイト列を置換しました。");
    EXPECT_EQ(editor_->sizeText(), "9");
    EXPECT_EQ(editor_->dataText(), "00EE11ABCD22EE33EE");
}
