// Shortcut texts both ways, and the action table and menus they label.
#include "app/settings/ActionTable.h"
#include "app/ui/Shortcut.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(ShortcutText, ModifiersInFixedOrderThenKeyName)
{
    EXPECT_EQ(ShortcutToText(CtrlKey('F')), "Ctrl+F");
    EXPECT_EQ(ShortcutToText(ShiftCtrlKey('Z')), "Shift+Ctrl+Z");
    EXPECT_EQ(ShortcutToText({Vk::Delete, ShortcutAlt | ShortcutShift}), "Shift+Alt+Del");
    EXPECT_EQ(ShortcutToText(PlainKey(Vk::Prior)), "PgUp");
    EXPECT_EQ(ShortcutToText(CtrlKey(Vk::Next)), "Ctrl+PgDn");
    EXPECT_EQ(ShortcutToText(ShiftKey(Vk::F1 + 23)), "Shift+F24");
    EXPECT_EQ(ShortcutToText(CtrlKey(Vk::Oem3)), "Ctrl+@");
    EXPECT_EQ(ShortcutToText(CtrlKey(Vk::Oem102)), "Ctrl+\\");
    EXPECT_EQ(ShortcutToText({}), "");
    EXPECT_EQ(ShortcutToText(CtrlKey(0x07)), "") << "a key without a name has no text";
}

TEST(ShortcutText, EveryNamedKeyReadsBack)
{
    for (unsigned key = 1; key <= 0xFF; ++key) {
        for (uint8_t modifiers = 0; modifiers < 8; ++modifiers) {
            const Shortcut shortcut{static_cast<uint8_t>(key), modifiers};
            const std::string text = ShortcutToText(shortcut);
            if (text.empty())
                continue;
            const Shortcut back = TextToShortcut(text);
            if (key == Vk::Oem102)
                EXPECT_EQ(back, (Shortcut{Vk::Oem5, modifiers})) << text;
            else
                EXPECT_EQ(back, shortcut) << text;
        }
    }
}

TEST(ShortcutText, ReadingIgnoresCaseAndModifierOrder)
{
    EXPECT_EQ(TextToShortcut("ctrl+f"), CtrlKey('F'));
    EXPECT_EQ(TextToShortcut("Ctrl+Shift+z"), ShiftCtrlKey('Z'));
    EXPECT_EQ(TextToShortcut("HOME"), PlainKey(Vk::Home));
    EXPECT_EQ(TextToShortcut("Ctrl+;"), CtrlKey(Vk::OemPlus));
}

TEST(ShortcutText, TextsNamingNoKeyGiveNoShortcut)
{
    for (const char* text : {"", "Ctrl+", "Shift+Ctrl+", "(なし)", "Ctrl+FF", "Ctrl F", " Ctrl+F",
                             "Ctrl+F ", "F25", "F0", "Ctrl+Num 1", "+"})
        EXPECT_TRUE(TextToShortcut(text).empty()) << text;
}

TEST(ActionTable, NamesAreUniqueAndFindTheirActions)
{
    std::set<std::string> names;
    for (size_t i = 0; i < ActionCount; ++i) {
        const ActionInfo& info = ActionTable[i];
        EXPECT_TRUE(names.insert(info.name).second) << info.name;
        EXPECT_EQ(std::string(info.name).rfind("Action", 0), 0u) << info.name;
        EXPECT_EQ(ActionByName(info.name), static_cast<ActionId>(i));
    }
    EXPECT_EQ(ActionByName("ActionNothing"), std::nullopt);
    EXPECT_EQ(BookmarkDigitOf(ActionId::BookMark0), 0);
    EXPECT_EQ(BookmarkDigitOf(ActionId::SetBookMark9), 9);
    EXPECT_EQ(BookmarkDigitOf(ActionId::OthersTab), -1);
}

TEST(ActionTable, DefaultShortcutsAsLaidOut)
{
    const ActionShortcuts shortcuts = DefaultShortcuts();
    const auto textOf = [&shortcuts](ActionId action) { return ShortcutToText(shortcuts[IndexOf(action)]); };
    EXPECT_EQ(textOf(ActionId::FindFind), "Ctrl+F");
    EXPECT_EQ(textOf(ActionId::EditRedo), "Shift+Ctrl+Z");
    EXPECT_EQ(textOf(ActionId::JumpDocTop), "Home");
    EXPECT_EQ(textOf(ActionId::JumpLineTop), "Ctrl+Left");
    EXPECT_EQ(textOf(ActionId::SetBookMark3), "Shift+Ctrl+3");
    EXPECT_EQ(textOf(ActionId::OthersTab), "Tab");
    EXPECT_EQ(textOf(ActionId::FileOpen), "Ctrl+O");
    EXPECT_EQ(textOf(ActionId::FileSave), "Ctrl+S");
    EXPECT_EQ(textOf(ActionId::FileSaveAs), "");
    EXPECT_EQ(textOf(ActionId::FindString), "Shift+Ctrl+F");

    std::set<std::string> used;
    for (const Shortcut shortcut : shortcuts)
        if (!shortcut.empty()) {
            EXPECT_TRUE(used.insert(ShortcutToText(shortcut)).second) << ShortcutToText(shortcut);
        }
    EXPECT_EQ(textOf(ActionId::ToolCompare), "Shift+Ctrl+O");
    EXPECT_EQ(textOf(ActionId::FindNumber), "Shift+Ctrl+N");
    EXPECT_EQ(used.size(), 52u);
}

TEST(ActionTable, MenusHoldTheirItemsInOrder)
{
    std::string layout;
    for (const MenuInfo& menu : MainMenuTable) {
        layout += menu.caption;
        layout += ":";
        for (const MenuItemInfo& item : menu.items)
            layout += item.kind == MenuItemKind::Separator ? std::string("-") : std::string(item.name) + " ";
        layout += "\n";
    }
    EXPECT_EQ(layout,
              "ファイル(&F):MenuFileNew MenuFileOpen -MenuFileEditorNew MenuFileEditorOpen -MenuFileSave "
              "MenuFileSaveAs -MenuFileExit \n"
              "編集(&E):MenuEditUndo MenuEditRedo -MenuEditSelBegin MenuEditSelEnd MenuEditHideSel "
              "-MenuEditCut MenuEditCopy MenuEditDelete -MenuEditInsert -MenuEditReadOnly -MenuEditCopyAs "
              "MenuEditPasteHex MenuEditFill \n"
              "検索(&Q):MenuFindFind MenuFindNext MenuFindPrev -MenuFindReplace -MenuJumpBytePos -MenuFindString "
              "MenuFindNumber \n"
              "環境(&P):MenuPrefFont MenuPrefBgColor MenuPrefSettings \n"
              "ツール(&T):MenuToolInspector -MenuToolChecksum MenuToolCompare -MenuToolExportIntelHex "
              "MenuToolExportSRecord MenuToolImportRecords \n"
              "ヘルプ(&H):MenuHelpContents MenuHelpKeyword -MenuHelpAbout \n");

    // Each action item runs the action its name says.
    for (const MenuInfo& menu : MainMenuTable)
        for (const MenuItemInfo& item : menu.items)
            if (item.kind == MenuItemKind::Action) {
                EXPECT_EQ(std::string(item.name).substr(4), std::string(InfoOf(item.action).name).substr(6));
            }
    const MenuItemInfo& readOnly = MainMenuTable[1].items[13];
    EXPECT_EQ(readOnly.kind, MenuItemKind::Check);
    EXPECT_STREQ(readOnly.caption, "編集禁止");
    EXPECT_FALSE(InfoOf(ActionId::HelpKeyword).visible);
    EXPECT_FALSE(InfoOf(ActionId::FileSave).enabled);
}

TEST(ActionTable, MovementBookmarkListAndTabActionsAreInNoMenu)
{
    int inMenu = 0;
    for (size_t i = 0; i < ActionCount; ++i) {
        const auto action = static_cast<ActionId>(i);
        const std::string category = InfoOf(action).category;
        const bool expected = action == ActionId::JumpBytePos ||
                              (category != "移動" && category != "編集リスト" && category != "その他");
        EXPECT_EQ(IsInMenu(action), expected) << InfoOf(action).name;
        inMenu += IsInMenu(action);
    }
    EXPECT_EQ(inMenu, 38);
}

TEST(ActionTable, CategoriesInOrderOfFirstUse)
{
    const std::vector<std::string_view> categories = ActionCategories();
    const std::vector<std::string_view> expected = {"ファイル", "ヘルプ", "検索", "環境", "移動", "編集リスト", "編集", "その他", "ツール"};
    EXPECT_EQ(categories, expected);
    const std::vector<ActionId> prefs = ActionsOfCategory("環境");
    EXPECT_EQ(prefs, (std::vector<ActionId>{ActionId::PrefFont, ActionId::PrefBgColor, ActionId::PrefSettings}));
    EXPECT_EQ(ActionsOfCategory("移動").size(), 31u);
}
