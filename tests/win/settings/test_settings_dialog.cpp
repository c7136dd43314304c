// The settings dialog: loading and storing the preferences, reassigning shortcuts, the file-filter page.
#include "app/win/settings/TFormFilter.h"
#include "app/win/settings/TFormSettings.h"
#include "app/win/ui/TActionList.h"
#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/ControlHost.h"
#include "tests/win/support/MessageBoxCatcher.h"

#include <gtest/gtest.h>

namespace {

// The main window's actions as its action list holds them.
void AddActions(TActionList& actions)
{
    for (const ActionInfo& info : ActionTable)
        actions.Add(info.name, info.category, info.caption, info.hint, info.defaultShortcut);
}

// Selects the item as a click does, running the list's click handler.
void ChooseIndex(TListBox& list, int index)
{
    list.SetItemIndex(index);
    SendMessageA(GetParent(list.Handle()), WM_COMMAND, MAKEWPARAM(list.Id(), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.Handle()));
}

void Choose(TListBox& list, const std::string& text)
{
    const LRESULT index =
        SendMessageA(list.Handle(), LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    ASSERT_NE(index, LB_ERR) << text;
    ChooseIndex(list, static_cast<int>(index));
}

std::vector<std::string> Items(const TListBox& list)
{
    std::vector<std::string> items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list.Item(i));
    return items;
}

class SettingsDialogTest : public testing::Test {
protected:
    SettingsDialogTest() : dialog(host.host(), actions) { AddActions(actions); }

    void Load()
    {
        dialog.LoadSettings(preferences);
        dialog.Show();
    }

    [[nodiscard]] Shortcut ShortcutOf(ActionId action) const { return actions[IndexOf(action)].ShortCut(); }

    // Sets `shortcut` (a listed text) on the action of `caption` in `category`.
    void Assign(const std::string& category, const std::string& caption, const std::string& shortcut)
    {
        Choose(dialog.ListKeyboardCategory, category);
        Choose(dialog.ListKeyboardAction, caption);
        Choose(dialog.ListKeyboardShortcut, shortcut);
        EXPECT_TRUE(dialog.ButtonKeyboardSet.Enabled());
        Click(dialog.ButtonKeyboardSet.Handle());
    }

    ControlHost host;
    TActionList actions;
    TFormSettings dialog;
    Preferences preferences;
};

} // namespace

TEST_F(SettingsDialogTest, ValuesAreRoundedOnLoadAndTakenHoweverTheDialogCloses)
{
    preferences.backupInterval = 45;
    preferences.tabSize = 3;
    preferences.showHint = false;
    preferences.mouseSelect = true;
    preferences.fileFilter = "テキスト文書(*.txt)|*.txt|すべてのファイル(*.*)|*.*";
    Load();
    EXPECT_TRUE(dialog.CheckOthersMouseSelect.Checked());
    EXPECT_EQ(dialog.ComboBackupTime.Item(dialog.ComboBackupTime.ItemIndex()), "40");
    EXPECT_EQ(dialog.ComboTabSize.Item(dialog.ComboTabSize.ItemIndex()), "4");
    EXPECT_EQ(Items(dialog.ListFilter), (std::vector<std::string>{"テキスト文書(*.txt)", "すべてのファイル(*.*)"}));
    EXPECT_FALSE(dialog.CheckOthersShowHint.Checked());
    EXPECT_FALSE(dialog.ShowHint());
    EXPECT_EQ(dialog.ListKeyboardCategory.Count(), 9);
    EXPECT_EQ(dialog.ListKeyboardShortcut.Count(), 216);
    EXPECT_EQ(dialog.ListKeyboardShortcut.Item(215), "Shift+Ctrl+F24");
    EXPECT_FALSE(dialog.ButtonKeyboardSet.Enabled());

    const auto style = static_cast<DWORD>(GetWindowLongPtrA(dialog.Handle(), GWL_STYLE));
    EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), static_cast<DWORD>(WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_EQ(dialog.Caption(), "設定 [Korvani Quillet]");
    const int result = ShowModalWith(dialog, [&] {
        EXPECT_EQ(dialog.PageSettings.ActivePageIndex(), 0);
        Click(dialog.CheckOthersShowHint.Handle());
        EXPECT_TRUE(dialog.ShowHint());  // at once, not only when the dialog closes
        Click(dialog.CheckOthersMouseSelect.Handle());
        PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(result, mrCancel);
    dialog.StoreSettings(preferences);
    EXPECT_EQ(preferences.backupInterval, 40);
    EXPECT_EQ(preferences.tabSize, 4);
    EXPECT_TRUE(preferences.showHint);
    EXPECT_FALSE(preferences.mouseSelect);
    EXPECT_EQ(preferences.fileFilter, "テキスト文書(*.txt)|*.txt|すべてのファイル(*.*)|*.*");
}

// The question and its Yes and No paths are tested on the running editor; here the labels
// and the case of an action that already holds the shortcut.
TEST_F(SettingsDialogTest, ReassigningAShortcutToItsOwnHolderKeepsIt)
{
    Load();
    MessageBoxCatcher boxes;
    Choose(dialog.ListKeyboardCategory, "検索");
    Choose(dialog.ListKeyboardAction, "検索 (&F)...");
    EXPECT_EQ(dialog.InfoKeyboardShortcut.Text(), "Ctrl+F");
    EXPECT_EQ(dialog.InfoKeyboardExplanation.Text(), "字句を検索する");

    boxes.answer(IDYES);
    Assign("検索", "検索 (&F)...", "Ctrl+F");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text,
              "Ctrl+F は [検索 -- 検索 (&F)...] で使われています。\n設定しなおしてよろしいですか？");
    EXPECT_EQ(ShortcutOf(ActionId::FindFind), CtrlKey('F'));
    EXPECT_EQ(dialog.InfoKeyboardShortcut.Text(), "Ctrl+F");
    EXPECT_EQ(dialog.ListKeyboardShortcut.ItemIndex(), -1);
    EXPECT_FALSE(dialog.ButtonKeyboardSet.Enabled());
}

// The two items that read "Ctrl+" and a backslash each set the key they stand for. The set
// button, disabled after its click, hands the focus to the shortcut list.
TEST_F(SettingsDialogTest, EachBackslashItemSetsItsOwnKeyAndTheFocusGoesToTheList)
{
    Load();
    Choose(dialog.ListKeyboardCategory, "その他");
    Choose(dialog.ListKeyboardAction, "タブ挿入");
    for (const auto& [index, key] : {std::pair{83, Vk::Oem102}, std::pair{80, Vk::Oem5}}) {
        ASSERT_EQ(dialog.ListKeyboardShortcut.Item(index), "Ctrl+\\");
        ChooseIndex(dialog.ListKeyboardShortcut, index);
        SetFocus(dialog.ButtonKeyboardSet.Handle());
        Click(dialog.ButtonKeyboardSet.Handle());
        EXPECT_EQ(ShortcutOf(ActionId::OthersTab), CtrlKey(key));
        EXPECT_EQ(GetFocus(), dialog.ListKeyboardShortcut.Handle());
    }
}

TEST_F(SettingsDialogTest, FilterListIsEditedThroughTheFilterDialog)
{
    preferences.fileFilter = "A(*.a)|*.a|B(*.b)|*.b";
    Load();
    EXPECT_FALSE(dialog.ButtonFilterModifiy.Enabled());
    EXPECT_TRUE(dialog.ButtonFilterNew.Enabled());

    DialogAnswerer answers;
    answers.queue("TFormFilter", [&](HWND window) {
        auto* filter = dynamic_cast<TFormFilter*>(TControl::FromHandle(window));
        ASSERT_NE(filter, nullptr);
        EXPECT_EQ(filter->EditExplanation.Text(), "");
        EXPECT_TRUE(filter->LabelExplanation.Highlighted());
        EXPECT_FALSE(filter->ButtonOk.Enabled());
        SetWindowTextA(filter->EditExplanation.Handle(), "テキスト文書");
        EXPECT_FALSE(filter->ButtonOk.Enabled());
        TypeText(filter->EditFilter.Handle(), "*.txt|");
        EXPECT_FALSE(filter->ButtonOk.Enabled());  // the separator would split the item
        SendMessageA(filter->EditFilter.Handle(), WM_CHAR, VK_BACK, 0);
        EXPECT_TRUE(filter->ButtonOk.Enabled());
        Click(filter->ButtonOk.Handle());
    });
    Click(dialog.ButtonFilterNew.Handle());
    EXPECT_EQ(Items(dialog.ListFilter), (std::vector<std::string>{"A(*.a)", "B(*.b)", "テキスト文書(*.txt)"}));
    EXPECT_EQ(dialog.ListFilter.ItemIndex(), 2);
    EXPECT_TRUE(dialog.ButtonFilterUp.Enabled());
    EXPECT_FALSE(dialog.ButtonFilterDown.Enabled());

    answers.queue("TFormFilter", [&](HWND window) {
        auto* filter = dynamic_cast<TFormFilter*>(TControl::FromHandle(window));
        ASSERT_NE(filter, nullptr);
        EXPECT_EQ(filter->EditExplanation.Text(), "テキスト文書");
        EXPECT_EQ(filter->EditFilter.Text(), "*.txt");
        SetWindowTextA(filter->EditFilter.Handle(), "*.txt;*.text");
        Click(filter->ButtonOk.Handle());
    });
    Click(dialog.ButtonFilterModifiy.Handle());
    answers.queue("TFormFilter", [&](HWND window) {
        auto* filter = dynamic_cast<TFormFilter*>(TControl::FromHandle(window));
        ASSERT_NE(filter, nullptr);
        SetWindowTextA(filter->EditFilter.Handle(), "*.x");
        Click(filter->ButtonCancel.Handle());
    });
    Click(dialog.ButtonFilterModifiy.Handle());
    EXPECT_EQ(answers.pending(), 0u);
    EXPECT_EQ(dialog.ListFilter.Item(2), "テキスト文書(*.txt;*.text)");

    Click(dialog.ButtonFilterUp.Handle());
    EXPECT_EQ(Items(dialog.ListFilter), (std::vector<std::string>{"A(*.a)", "テキスト文書(*.txt;*.text)", "B(*.b)"}));
    EXPECT_EQ(dialog.ListFilter.ItemIndex(), 1);
    Choose(dialog.ListFilter, "B(*.b)");
    Click(dialog.ButtonFilterDelete.Handle());  // the last item: the new last one is selected
    EXPECT_EQ(dialog.ListFilter.ItemIndex(), 1);
    dialog.StoreSettings(preferences);
    EXPECT_EQ(preferences.fileFilter, "A(*.a)|*.a|テキスト文書(*.txt;*.text)|*.txt;*.text");

    Click(dialog.ButtonFilterDelete.Handle());
    Click(dialog.ButtonFilterDelete.Handle());
    EXPECT_EQ(dialog.ListFilter.Count(), 0);
    EXPECT_FALSE(dialog.ButtonFilterDelete.Enabled());
    dialog.StoreSettings(preferences);
    EXPECT_EQ(preferences.fileFilter, "");

    Click(dialog.ButtonFilterInit.Handle());
    dialog.StoreSettings(preferences);
    EXPECT_EQ(preferences.fileFilter, "すべてのファイル(*.*)|*.*");
}
