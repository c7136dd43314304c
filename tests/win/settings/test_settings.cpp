// The settings dialog of the running editor: reassigning shortcuts, and the settings reaching
// the registry when the editor next closes normally.
#include "app/win/system/Clipboard.h"
#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/MessageBoxCatcher.h"
#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class SettingsInTheEditor : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RunningEditor::CanPressKeys())
            GTEST_SKIP() << "needs xdotool and a display";
        editor_ = std::make_unique<RunningEditor>("qx_settings");
        ASSERT_TRUE(editor_->started());
        // The preferences menu, then "その他 (&O)...".
        ASSERT_TRUE(editor_->pressKeys("alt+p o"));
        settings_ = editor_->waitForWindow("TFormSettings");
        ASSERT_NE(settings_, nullptr);
        const std::vector<HWND> lists = ChildrenOfClass(settings_, "ListBox");
        ASSERT_GE(lists.size(), 3u);
        categories_ = lists[0];
        actions_ = lists[1];
        shortcuts_ = lists[2];
        ASSERT_EQ(SendMessageA(shortcuts_, LB_GETCOUNT, 0, 0), 216);
    }

    // Chooses the action and the shortcut and presses "設定".
    void assign(const std::string& category, const std::string& caption, const std::string& shortcut)
    {
        ASSERT_TRUE(ChooseListItem(categories_, category)) << category;
        ASSERT_TRUE(ChooseListItem(actions_, caption)) << caption;
        ASSERT_TRUE(ChooseListItem(shortcuts_, shortcut)) << shortcut;
        const HWND set = ChildWithText(settings_, "設定");
        ASSERT_NE(set, nullptr);
        ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(set) != FALSE; }));
        PostClick(set);
    }

    // The reassignment question's text, answered with the button.
    std::string answerQuestion(int button)
    {
        const HWND box = editor_->waitForWindow("#32770");
        if (!box)
            return "no question";
        const CaughtBox read = ReadMessageBox(box);
        EXPECT_EQ(read.flags & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        editor_->waitForNoWindow("#32770");
        return read.text;
    }

    // InfoKeyboardShortcut shows the text (no other window of the dialog does).
    bool showsShortcut(const std::string& text)
    {
        return WaitFor([&] { return ChildWithText(settings_, text) != nullptr; });
    }

    std::unique_ptr<RunningEditor> editor_;
    HWND settings_ = nullptr;
    HWND categories_ = nullptr, actions_ = nullptr, shortcuts_ = nullptr;
};

const char kQuestion[] = "Ctrl+F は [検索 -- 検索 (&F)...] で使われています。\n設定しなおしてよろしいですか？";

} // namespace

TEST_F(SettingsInTheEditor, ReassignedShortcutsAndValuesReachTheRegistryAtTheNextClose)
{
    // No: nothing changes.
    assign("ファイル", "開く (このエディタ) (&O)...", "Ctrl+F");
    EXPECT_EQ(answerQuestion(IDNO), kQuestion);
    EXPECT_TRUE(showsShortcut("Ctrl+O"));
    EXPECT_EQ(ChildWithText(settings_, "Ctrl+F"), nullptr);

    // Yes: the shortcut moves.
    assign("ファイル", "開く (このエディタ) (&O)...", "Ctrl+F");
    EXPECT_EQ(answerQuestion(IDYES), kQuestion);
    EXPECT_TRUE(showsShortcut("Ctrl+F"));

    // "(なし)" takes the shortcut away without a question.
    assign("検索", "次を検索 (&N)", "(なし)");
    EXPECT_TRUE(showsShortcut("(なし)"));
    EXPECT_EQ(editor_->waitForWindow("#32770", 0), nullptr);

    // Backup interval 60 s and tab size 8; the dialog is left through its frame, not "終了".
    const std::vector<HWND> combos = ChildrenOfClass(settings_, "ComboBox");
    ASSERT_EQ(combos.size(), 2u);
    SendMessageA(combos[0], CB_SETCURSEL, 5, 0);
    SendMessageA(combos[1], CB_SETCURSEL, 3, 0);
    PostMessageA(settings_, WM_CLOSE, 0, 0);
    ASSERT_TRUE(editor_->waitForNoWindow("TFormSettings"));

    // Nothing is stored before the editor closes.
    const std::string& key = editor_->registryKey();
    EXPECT_EQ(RegistryText(key, "KeyAssign", "ActionFileOpen"), "<none>");
    ASSERT_TRUE(editor_->close());
    EXPECT_EQ(RegistryText(key, "KeyAssign", "ActionFileOpen"), "Ctrl+F");
    EXPECT_EQ(RegistryText(key, "KeyAssign", "ActionFindFind"), "");
    EXPECT_EQ(RegistryText(key, "KeyAssign", "ActionFindNext"), "");
    EXPECT_EQ(RegistryText(key, "KeyAssign", "ActionFindPrev"), "Ctrl+B");
    EXPECT_EQ(RegistryText(key, "Preference", "backup_time"), "60");
    EXPECT_EQ(RegistryText(key, "Preference", "tab size"), "8");
}

TEST_F(SettingsInTheEditor, MouseSelectionTakesEffectWhenTheDialogClosesAndIsStoredAtTheClose)
{
    const HWND check = ChildWithText(settings_, "マウスのドラッグと Shift キーで範囲を選択する");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_UNCHECKED) << "off by default";
    PostClick(check);
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    PostClick(ChildWithText(settings_, "終了"));
    ASSERT_TRUE(editor_->waitForNoWindow("TFormSettings"));

    // Four bytes, then Shift+End from the first selects them all for the copy.
    ASSERT_TRUE(editor_->pressKeys("Insert Insert Insert"));
    ASSERT_TRUE(WaitFor([&] { return editor_->sizeText() == "4"; }));
    // Keys may go astray while the X focus settles on a loaded machine: pressed again until the
    // copy arrives.
    std::string copied = "none";
    for (int attempt = 0; attempt < 4 && copied == "none"; ++attempt) {
        PutClipboardText(nullptr, "none");
        ASSERT_TRUE(editor_->pressKeys("Home shift+End ctrl+c"));
        WaitFor([&] { return (copied = ClipboardText(nullptr).value_or("none")) != "none"; }, 5000);
    }
    EXPECT_EQ(copied, "00000000");
    ASSERT_TRUE(editor_->close());
    EXPECT_EQ(RegistryText(editor_->registryKey(), "Preference", "mouse select"), "1");
}
