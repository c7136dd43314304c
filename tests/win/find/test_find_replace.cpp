// Find, text search, find next and previous, the jump dialog and a replace run in the running editor, driven by its keys.
#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/MessageBoxCatcher.h"
#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/TempDocument.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

class FindInTheEditor : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RunningEditor::CanPressKeys())
            GTEST_SKIP() << "needs xdotool and a display";
        const std::vector<uint8_t> bytes = documentBytes();
        file_ = std::make_unique<TempDocument>("qx_find", bytes);
        editor_ = std::make_unique<RunningEditor>("qx_find", file_->quoted());
        ASSERT_TRUE(editor_->started());
        const std::string size = std::to_string(bytes.size());
        ASSERT_TRUE(WaitFor([&] { return editor_->sizeText() == size; })) << editor_->sizeText();
    }

    // Matches of AB CD at bytes 1, 4, 7 and 10; the last one ends the data.
    [[nodiscard]] virtual std::vector<uint8_t> documentBytes() const
    {
        return {0x00, 0xAB, 0xCD, 0x11, 0xAB, 0xCD, 0x22, 0xAB, 0xCD, 0x33, 0xAB, 0xCD};
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

    std::unique_ptr<TempDocument> file_;
    std::unique_ptr<RunningEditor> editor_;
};

// "Quillet" in three spellings: quILLet at 2, Quillet at 0xC, QUILLET at 0x16 ending the data.
class TextFindInTheEditor : public FindInTheEditor {
protected:
    [[nodiscard]] std::vector<uint8_t> documentBytes() const override
    {
        const std::string text("\0\0quILLet\0\0\0Quillet\0\0\0QUILLET", 29);
        return {text.begin(), text.end()};
    }

    // Opens the text search dialog with `keys`, which must show the last entry's text and
    // case rule; enters the text, the encoding and the case rule and presses Ok.
    HWND searchText(const std::string& keys, const std::string& lastText, bool lastEitherCase,
                    const std::wstring& text, const char* encoding, bool eitherCase)
    {
        const HWND dialog = openDialog(keys, "TFormFindString");
        if (!dialog)
            return nullptr;
        const HWND edit = ChildrenOfClass(dialog, "Edit").at(0);
        const HWND check = ChildWithText(dialog, "大文字と小文字を区別しない");
        char shown[256] = {};  // another process's edit: its text comes only through the message
        SendMessageTimeoutA(edit, WM_GETTEXT, sizeof shown, reinterpret_cast<LPARAM>(shown), SMTO_ABORTIFHUNG, 5000,
                            nullptr);
        EXPECT_EQ(std::string(shown), lastText);
        EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED, lastEitherCase);
        SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000,
                            nullptr);
        PostClick(ChildWithText(dialog, encoding));
        if (lastEitherCase != eitherCase)
            PostClick(check);
        PostClick(ChildWithText(dialog, "&Ok"));
        return dialog;
    }
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

    // A pattern with unknown digits: find, next and previous go on with it.
    findText("??CD??AB");
    EXPECT_EQ(caretInfo(), "4 [0 - B]");
    ASSERT_TRUE(editor_->pressKeys("ctrl+n"));
    EXPECT_EQ(caretInfo(), "7 [0 - B]");
    ASSERT_TRUE(editor_->pressKeys("ctrl+n"));
    EXPECT_EQ(messageText(), "検索対象が見つかりません。");
    ASSERT_TRUE(editor_->pressKeys("ctrl+b"));
    EXPECT_EQ(caretInfo(), "4 [0 - B]");
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

TEST_F(TextFindInTheEditor, MenuAndShortcutSearchTextAndNextAndPreviousGoOnWithIt)
{
    // Through the menu: either case from the caret, then on and back with the same rule.
    ASSERT_NE(searchText("alt+q t", "", false, L"Quillet", "Shift-JIS", true), nullptr);
    ASSERT_TRUE(editor_->waitForNoWindow("TFormFindString"));
    EXPECT_EQ(caretInfo(), "2 [0 - 1C]");
    for (const char* expected : {"C [0 - 1C]", "16 [0 - 1C]"}) {
        ASSERT_TRUE(editor_->pressKeys("ctrl+n"));
        EXPECT_EQ(caretInfo(), expected);
    }
    ASSERT_TRUE(editor_->pressKeys("ctrl+n"));
    EXPECT_EQ(messageText(), "検索対象が見つかりません。");
    ASSERT_TRUE(editor_->pressKeys("ctrl+b"));
    EXPECT_EQ(caretInfo(), "C [0 - 1C]");

    // Through the shortcut: the text is not there as UTF-16LE; the caret stays.
    ASSERT_NE(searchText("shift+ctrl+f", "Quillet", true, L"Quillet", "UTF-16LE", true), nullptr);
    EXPECT_EQ(messageText(), "検索対象が見つかりません。");
    EXPECT_EQ(caretInfo(), "C [0 - 1C]");

    // A character that code page 932 does not have (é): the warning, and the dialog stays open.
    const HWND dialog = searchText("shift+ctrl+f", "Quillet", true, L"Quill\u00E9t", "UTF-8", true);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(messageText(), "入力されたテキストは選択された文字コードに変換できません。\nテキストを確認してください。");
    EXPECT_TRUE(IsWindowVisible(dialog));
    PostClick(ChildWithText(dialog, "&Cancel"));
    ASSERT_TRUE(editor_->waitForNoWindow("TFormFindString"));

    // Exact case: the same spelling at the caret, and next finds no other.
    ASSERT_NE(searchText("shift+ctrl+f", "Quillet", true, L"Quillet", "Shift-JIS", false), nullptr);
    ASSERT_TRUE(editor_->waitForNoWindow("TFormFindString"));
    EXPECT_EQ(caretInfo(), "C [0 - 1C]");
    ASSERT_TRUE(editor_->pressKeys("ctrl+n"));
    EXPECT_EQ(messageText(), "検索対象が見つかりません。");
    EXPECT_EQ(caretInfo(), "C [0 - 1C]");
}
