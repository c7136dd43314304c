// The main window's commands on the control: typing and the status bar, the clipboard in the
// byte-text form, read-only, and which keys reach the control.
#include "tests/win/main/FormHarness.h"

#include "app/win/system/EditorLibrary.h"
#include "common/win/ARegistry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void Select(MainFormHarness& harness, int nibble, int bytes)
{
    ASSERT_TRUE(Editor.QX_SetSelection(harness.control(), nibble, bytes));
}

} // namespace

TEST(MainWindowStatus, TypingMarksTheDocumentAndEnablesSave)
{
    MainFormHarness harness;
    TFormVornalix& form = harness.form();
    EXPECT_EQ(form.StatusBar.PanelText(0), "1");
    EXPECT_EQ(form.StatusBar.PanelText(1), "");
    EXPECT_FALSE(form.Action(ActionId::FileSave).Enabled());

    harness.setData({0x00, 0x00, 0x00});
    EXPECT_EQ(form.StatusBar.PanelText(0), "3");
    EXPECT_EQ(form.StatusBar.PanelText(1), "");
    harness.key('7');
    harness.key('A');
    EXPECT_EQ(harness.data(), (std::vector<uint8_t>{0x7A, 0x00, 0x00}));
    EXPECT_EQ(form.StatusBar.PanelText(0), "3");
    EXPECT_EQ(form.StatusBar.PanelText(1), "変更");
    EXPECT_TRUE(form.Action(ActionId::FileSave).Enabled());
}

TEST(MainWindowStatus, BackupTickLeavesTheMarkStanding)
{
    MainFormHarness harness;
    TFormVornalix& form = harness.form();
    harness.key('5');
    ASSERT_TRUE(Editor.QX_IsModified(harness.control()));
    const int writesBefore = harness.backup().writes;

    ::Preferences preferences = form.Preferences();
    preferences.backupInterval = 1;
    form.SetPreferences(preferences);
    EXPECT_EQ(form.Timer.Interval(), 1000u);
    ASSERT_TRUE(harness.pumpUntil([&] { return harness.backup().writes > writesBefore; }, 5000));
    EXPECT_FALSE(Editor.QX_IsModified(harness.control()));
    EXPECT_EQ(form.StatusBar.PanelText(1), "変更");
    EXPECT_TRUE(form.Action(ActionId::FileSave).Enabled());

    // Without a change since, a tick writes nothing.
    const int writesAfter = harness.backup().writes;
    EXPECT_FALSE(harness.pumpUntil([&] { return harness.backup().writes > writesAfter; }, 1600));

    // An interval of 0 seconds gives a timer that never ticks.
    preferences.backupInterval = 0;
    form.SetPreferences(preferences);
    EXPECT_EQ(form.Timer.Interval(), 0u);
    EXPECT_FALSE(form.Timer.Ticking());
}

TEST(MainWindowKeys, HomeGoesToTheFirstByteAndCtrlLeftToTheLineStart)
{
    MainFormHarness harness;
    harness.setData(std::vector<uint8_t>(40, 0x22));
    Editor.QX_SetCaretPos(harness.control(), 2 * 20 + 1);
    harness.key(VK_LEFT, true);
    EXPECT_EQ(harness.caret(), 2 * 16);
    harness.key(VK_RIGHT, true);
    EXPECT_EQ(harness.caret(), 2 * 32 - 1);
    harness.key(VK_HOME);
    EXPECT_EQ(harness.caret(), 0);
}

TEST(MainWindowKeys, WithMouseSelectionChosenShiftAndTheMovesReachTheControlAndSelect)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, ARegistry::ProgramKey().c_str());
    ARegistry().WriteString("Preference", "mouse select", "1");
    {
        MainFormHarness harness;
        const HWND control = harness.control();
        EXPECT_EQ(Editor.QX_GetSelectMode(control), QX_SELECT_MOUSE_SHIFT) << "taken from the registry at start";
        harness.setData(std::vector<uint8_t>(100));
        const struct { UINT key; bool ctrl, shift; int caret, begin, size; } steps[] = {
            {VK_RIGHT, false, true, 1, 0, 1},  {VK_DOWN, false, true, 33, 0, 17},  {VK_END, false, true, 199, 0, 100},
            {VK_LEFT, false, false, 198, 0, 100},  // the action of a plain key keeps the selection
            {VK_HOME, false, true, 0, 0, 1},   {VK_RIGHT, true, true, 31, 0, 16},
        };
        for (const auto& step : steps) {
            harness.key(step.key, step.ctrl, step.shift);
            EXPECT_EQ(harness.caret(), step.caret) << step.key;
            EXPECT_EQ(Editor.QX_GetSelectionBegin(control), step.begin) << step.key;
            EXPECT_EQ(Editor.QX_GetSelectionSize(control), step.size) << step.key;
        }
        ::Preferences preferences = harness.form().Preferences();
        preferences.mouseSelect = false;
        harness.form().SetPreferences(preferences);
        EXPECT_EQ(Editor.QX_GetSelectMode(control), QX_SELECT_BLOCK);
        harness.key(VK_END, false, true);
        EXPECT_EQ(Editor.QX_GetSelectionSize(control), 16) << "Shift+End moves without selecting";
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, ARegistry::ProgramKey().c_str());
}

TEST(MainWindowClipboard, CopyPutsUpperCaseByteTextAndInsertTakesEitherCase)
{
    MainFormHarness harness;
    harness.setData({0x55, 0x00, 0xAB, 0x10, 0x66});
    Select(harness, 2, 3);
    SetClipboardText("unchanged");
    harness.key('C', true);
    EXPECT_EQ(GetClipboardText(), "00AB10");
    EXPECT_EQ(harness.data().size(), 5u);

    harness.setData({0x01, 0x02});
    Editor.QX_SetCaretPos(harness.control(), 2);
    SetClipboardText("00ab10");
    EXPECT_TRUE(harness.editItemEnabled("MenuEditInsert"));
    harness.key('V', true);
    EXPECT_EQ(harness.data(), (std::vector<uint8_t>{0x01, 0x00, 0xAB, 0x10, 0x02}));
}

TEST(MainWindowClipboard, TextThatIsNoWholeByteStringInsertsNothing)
{
    MainFormHarness harness;
    harness.setData({0x01, 0x02});
    for (const char* text : {"ABC", "GG", "AB CD", "", "0x12", "12\r\n"}) {
        SCOPED_TRACE(text);
        SetClipboardText(text);
        EXPECT_FALSE(harness.editItemEnabled("MenuEditInsert"));
        harness.key('V', true);
        EXPECT_EQ(harness.data(), (std::vector<uint8_t>{0x01, 0x02}));
    }
}

TEST(MainWindowClipboard, CutMovesTheSelectionToTheClipboard)
{
    MainFormHarness harness;
    harness.setData({0x01, 0x02, 0x03, 0x04});
    Select(harness, 2, 2);
    harness.key('X', true);
    EXPECT_EQ(GetClipboardText(), "0203");
    EXPECT_EQ(harness.data(), (std::vector<uint8_t>{0x01, 0x04}));
}

TEST(MainWindowEditMenu, ItemsFollowSelectionUndoAndReadOnly)
{
    MainFormHarness harness;
    harness.setData({0x01, 0x02, 0x03});
    EXPECT_FALSE(harness.editItemEnabled("MenuEditUndo"));
    EXPECT_FALSE(harness.editItemEnabled("MenuEditCopy"));
    EXPECT_FALSE(harness.editItemEnabled("MenuEditCut"));
    EXPECT_TRUE(harness.editItemEnabled("MenuEditSelBegin"));
    harness.key('9');
    EXPECT_TRUE(harness.editItemEnabled("MenuEditUndo"));
    Select(harness, 0, 1);
    EXPECT_TRUE(harness.editItemEnabled("MenuEditCopy"));
    EXPECT_TRUE(harness.editItemEnabled("MenuEditCut"));

    Editor.QX_SetReadOnly(harness.control(), true);
    SetClipboardText("AA");
    EXPECT_FALSE(harness.editItemEnabled("MenuEditUndo"));
    EXPECT_FALSE(harness.editItemEnabled("MenuEditCut"));
    EXPECT_FALSE(harness.editItemEnabled("MenuEditDelete"));
    EXPECT_FALSE(harness.editItemEnabled("MenuEditInsert"));
    EXPECT_TRUE(harness.editItemEnabled("MenuEditCopy"));
    EXPECT_TRUE(GetMenuState(harness.form().MenuItem("MenuEdit").SubMenu(),
                             harness.form().MenuItem("MenuEditReadOnly").Id(), MF_BYCOMMAND) &
                MF_CHECKED);
}

TEST(MainWindowEditMenu, ReadOnlyRefusesEditsButNotMovesSelectionCopyOrBookmarks)
{
    MainFormHarness harness;
    TFormVornalix& form = harness.form();
    harness.setData({0x10, 0x20, 0x30, 0x40});
    form.MenuItem("MenuEditReadOnly").Click();
    ASSERT_TRUE(Editor.QX_IsReadOnly(harness.control()));
    EXPECT_TRUE(GetMenuState(form.MenuItem("MenuEdit").SubMenu(), form.MenuItem("MenuEditReadOnly").Id(),
                             MF_BYCOMMAND) &
                MF_CHECKED);

    harness.key('F');
    harness.key(VK_TAB);
    SetClipboardText("EEEE");
    harness.key('V', true);
    harness.key(VK_RIGHT);
    harness.key(VK_RIGHT);
    harness.key('J', true);
    harness.key(VK_RIGHT);
    harness.key(VK_RIGHT);
    harness.key('K', true);
    harness.key('X', true);
    harness.key('D', true);
    EXPECT_EQ(harness.data(), (std::vector<uint8_t>{0x10, 0x20, 0x30, 0x40}));
    EXPECT_EQ(Editor.QX_GetSelectionSize(harness.control()), 2);
    harness.key('C', true);
    EXPECT_EQ(GetClipboardText(), "2030");
    harness.key('4', true, true);
    harness.key(VK_HOME);
    harness.key('4', true);
    EXPECT_EQ(harness.caret(), 4);
    EXPECT_EQ(form.StatusBar.PanelText(1), "");

    form.MenuItem("MenuEditReadOnly").Click();
    EXPECT_FALSE(Editor.QX_IsReadOnly(harness.control()));
    harness.key('F');
    EXPECT_EQ(harness.data()[2], 0xF0);
}

TEST(MainWindowKeys, ShortcutOfAnEnabledActionNeverReachesTheControl)
{
    MainFormHarness harness;
    TFormVornalix& form = harness.form();
    harness.setData({0x01, 0x02, 0x03});

    // "B" types a digit until an action takes the key over.
    form.Action(ActionId::JumpDocTop).SetShortCut(TextToShortcut("B"));
    Editor.QX_SetCaretPos(harness.control(), 4);
    harness.key('B');
    EXPECT_EQ(harness.caret(), 0);
    EXPECT_EQ(harness.data(), (std::vector<uint8_t>{0x01, 0x02, 0x03}));

    // Ctrl+X is the cut action's; once it is no shortcut the control deletes without copying.
    form.Action(ActionId::EditCut).SetShortCut(TextToShortcut("F7"));
    SetClipboardText("11");
    Select(harness, 2, 1);
    harness.key('X', true);
    EXPECT_EQ(harness.data(), (std::vector<uint8_t>{0x01, 0x03}));
    EXPECT_EQ(GetClipboardText(), "11");
    Select(harness, 0, 1);
    harness.key(VK_F7);
    EXPECT_EQ(GetClipboardText(), "01");
    EXPECT_EQ(harness.data(), (std::vector<uint8_t>{0x03}));

    // A disabled action's key goes on to the control as well.
    form.Action(ActionId::EditCut).SetShortCut(TextToShortcut("Ctrl+X"));
    form.Action(ActionId::EditCut).SetEnabled(false);
    harness.setData({0x0A, 0x0B});
    SetClipboardText("11");
    Select(harness, 0, 1);
    harness.key('X', true);
    EXPECT_EQ(harness.data(), (std::vector<uint8_t>{0x0B}));
    EXPECT_EQ(GetClipboardText(), "11");
}
