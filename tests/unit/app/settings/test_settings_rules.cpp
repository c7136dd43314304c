// The settings dialog's rules: shortcut items and reassignment, the combos, the file-filter list.
#include "app/ui/FileFilterList.h"
#include "app/settings/SettingsRules.h"
#include "app/texts/ProgramTexts.h"

#include <gtest/gtest.h>

#include <set>

TEST(SettingsShortcuts, TheListedItemsInOrder)
{
    const std::vector<ShortcutChoice>& choices = ShortcutChoices();
    ASSERT_EQ(choices.size(), ShortcutChoiceCount);
    const auto textAt = [&choices](size_t index) { return choices[index].text; };
    EXPECT_EQ(textAt(0), "(なし)");
    EXPECT_TRUE(choices[0].shortcut.empty());
    EXPECT_EQ(textAt(1), "End");
    EXPECT_EQ(textAt(3), "Tab");
    EXPECT_EQ(textAt(4), "F1");
    EXPECT_EQ(textAt(27), "F24");
    EXPECT_EQ(textAt(31), "Down");
    EXPECT_EQ(textAt(32), "Ctrl+PgUp");
    EXPECT_EQ(textAt(36), "Ctrl+0");
    EXPECT_EQ(textAt(46), "Ctrl+A");
    EXPECT_EQ(textAt(72), "Ctrl+:");
    EXPECT_EQ(textAt(78), "Ctrl+@");
    EXPECT_EQ(textAt(80), "Ctrl+\\");
    EXPECT_EQ(textAt(83), "Ctrl+\\");
    EXPECT_EQ(textAt(84), "Ctrl+F1");
    EXPECT_EQ(textAt(111), "Ctrl+Down");
    EXPECT_EQ(textAt(112), "Shift+PgUp");
    EXPECT_EQ(textAt(139), "Shift+F24");
    EXPECT_EQ(textAt(140), "Shift+Ctrl+PgUp");
    EXPECT_EQ(textAt(215), "Shift+Ctrl+F24");

    // The two backslash items stand for the two keys; every other item is its own text.
    EXPECT_EQ(choices[80].shortcut, CtrlKey(Vk::Oem5));
    EXPECT_EQ(choices[83].shortcut, CtrlKey(Vk::Oem102));
    std::set<std::string> texts;
    for (size_t i = 1; i < choices.size(); ++i) {
        EXPECT_FALSE(choices[i].shortcut.empty());
        texts.insert(choices[i].text);
        if (choices[i].shortcut.key != Vk::Oem102) {
            EXPECT_EQ(TextToShortcut(choices[i].text), choices[i].shortcut) << choices[i].text;
        }
    }
    EXPECT_EQ(texts.size(), 213u);
}

TEST(SettingsShortcuts, ReassigningAsksAboutTheHolderAndKeepsShortcutsUnique)
{
    ActionShortcuts shortcuts = DefaultShortcuts();
    const Shortcut ctrlF = TextToShortcut("Ctrl+F");
    const std::optional<ActionId> holder = ShortcutHolder(shortcuts, ctrlF);
    ASSERT_EQ(holder, ActionId::FindFind);
    EXPECT_EQ(ReassignQuestion("Ctrl+F", *holder),
              "Ctrl+F は [検索 -- 検索 (&F)...] で使われています。\n設定しなおしてよろしいですか？");

    AssignShortcut(shortcuts, ActionId::FileOpen, ctrlF);
    EXPECT_TRUE(shortcuts[IndexOf(ActionId::FindFind)].empty());
    EXPECT_EQ(shortcuts[IndexOf(ActionId::FileOpen)], ctrlF);
    EXPECT_EQ(ShortcutInfoText(shortcuts[IndexOf(ActionId::FindFind)]), "(なし)");
    EXPECT_EQ(ShortcutInfoText(shortcuts[IndexOf(ActionId::FileOpen)]), "Ctrl+F");

    // The holder itself: it keeps the shortcut.
    AssignShortcut(shortcuts, ActionId::FileOpen, ctrlF);
    EXPECT_EQ(shortcuts[IndexOf(ActionId::FileOpen)], ctrlF);

    // "(なし)" removes without a holder to ask about.
    const Shortcut none = TextToShortcut(ShortcutChoices()[0].text);
    EXPECT_EQ(ShortcutHolder(shortcuts, none), std::nullopt);
    AssignShortcut(shortcuts, ActionId::EditCopy, none);
    EXPECT_TRUE(shortcuts[IndexOf(ActionId::EditCopy)].empty());
    EXPECT_EQ(shortcuts[IndexOf(ActionId::FileOpen)], ctrlF);
}

TEST(SettingsShortcuts, CaptionLookUpWithinTheCategory)
{
    const std::vector<ActionId> find = ActionsOfCategory("検索");
    EXPECT_EQ(ActionOfCaption(find, "置換 (&R)..."), ActionId::FindReplace);
    EXPECT_EQ(ActionOfCaption(find, "やり直す (&R)"), std::nullopt);
}

TEST(SettingsCombos, BackupTimeRoundsDownToTensWithinTheList)
{
    EXPECT_EQ(BackupTimeText(BackupTimeIndexOf(45)), "40");
    EXPECT_EQ(BackupTimeOfIndex(BackupTimeIndexOf(45)), 40);
    EXPECT_EQ(BackupTimeText(BackupTimeIndexOf(5)), "10");
    EXPECT_EQ(BackupTimeText(BackupTimeIndexOf(35)), "30");
    EXPECT_EQ(BackupTimeText(BackupTimeIndexOf(200)), "120");
    EXPECT_EQ(BackupTimeText(BackupTimeIndexOf(120)), "120");
    EXPECT_EQ(BackupTimeText(BackupTimeIndexOf(0)), "10");
    EXPECT_EQ(BackupTimeText(BackupTimeIndexOf(INT_MIN)), "10");
    EXPECT_EQ(BackupTimeText(BackupTimeIndexOf(INT_MAX)), "120");
    EXPECT_EQ(BackupTimeOfIndex(-1), 10);
    EXPECT_EQ(BackupTimeOfIndex(99), 120);
}

TEST(SettingsCombos, TabSizeKeepsListedSizesOnly)
{
    EXPECT_EQ(TabSizeText(TabSizeIndexOf(3)), "4");
    EXPECT_EQ(TabSizeOfIndex(TabSizeIndexOf(3)), 4);
    EXPECT_EQ(TabSizeOfIndex(TabSizeIndexOf(64)), 64);
    EXPECT_EQ(TabSizeOfIndex(TabSizeIndexOf(1)), 1);
    EXPECT_EQ(TabSizeIndexOf(0), 2);
    EXPECT_EQ(TabSizeIndexOf(128), 2);
    EXPECT_EQ(TabSizeOfIndex(-1), 4);
    EXPECT_EQ(TabSizeOfIndex(7), 4);
}

TEST(FileFilter, ItemsAndTextRoundTrip)
{
    FileFilterList list("すべてのファイル(*.*)|*.*");
    EXPECT_EQ(list.items(), std::vector<std::string>{"すべてのファイル(*.*)"});
    list.create("テキスト文書", "*.txt");
    EXPECT_EQ(list.items().back(), "テキスト文書(*.txt)");
    EXPECT_EQ(list.selected(), 1);
    EXPECT_EQ(list.fileFilter(), "すべてのファイル(*.*)|*.*|テキスト文書(*.txt)|*.txt");
    EXPECT_EQ(FileFilterList("テキスト文書(*.txt)|*.txt").fileFilter(), "テキスト文書(*.txt)|*.txt");
}

TEST(FileFilter, DoubleByteCharactersAreNeverSeparatorsOrParentheses)
{
    // "ポ" ends in 0x7C ("|"); "（" and "）" are full-width, not parentheses.
    const std::string text = "レポート（旧）(*.rep;*.txt)|*.rep;*.txt|ポ(*.p)|*.p";
    const FileFilterList list(text);
    EXPECT_EQ(list.items(), (std::vector<std::string>{"レポート（旧）(*.rep;*.txt)", "ポ(*.p)"}));
    EXPECT_EQ(list.fileFilter(), text);
    const FilterParts parts = SplitFilterItem("レポート（旧）(*.rep;*.txt)");
    EXPECT_EQ(parts.explanation, "レポート（旧）");
    EXPECT_EQ(parts.pattern, "*.rep;*.txt");
    EXPECT_TRUE(IsFilterEntry("レポート", "*.rep"));

    // "僴" is 0xFA 0x7C: a lead byte of the extension characters, and a "|" as trail byte.
    const std::string extension = "僴(*.x)|*.x";
    EXPECT_EQ(FileFilterList(extension).items(), std::vector<std::string>{"僴(*.x)"});
    EXPECT_EQ(FileFilterList(extension).fileFilter(), extension);
}

TEST(FileFilter, IrregularTextsKeepWhatTheyCan)
{
    // A last description without its pattern is still listed; its pattern comes from its item.
    EXPECT_EQ(FilterItemsOf("a(*.a)|*.a|b(*.b)"), (std::vector<std::string>{"a(*.a)", "b(*.b)"}));
    EXPECT_EQ(FilterItemsOf(""), std::vector<std::string>{});
    EXPECT_EQ(FilterItemsOf("|*.x||"), std::vector<std::string>{});
    EXPECT_EQ(FilterItemsOf("|||a(*.a)"), std::vector<std::string>{});
    EXPECT_EQ(FilterItemsOf("||a(*.a)"), std::vector<std::string>{"a(*.a)"});

    EXPECT_EQ(SplitFilterItem("plain").explanation, "plain");
    EXPECT_EQ(SplitFilterItem("plain").pattern, "");
    EXPECT_EQ(SplitFilterItem("open(*.o").pattern, "*.o");
    EXPECT_EQ(SplitFilterItem("x(a)(*.b)").explanation, "x(a)");
    EXPECT_EQ(SplitFilterItem("x(*.b)y)").pattern, "*.b)y");
    EXPECT_EQ(SplitFilterItem("x)(").pattern, "");
    EXPECT_EQ(FileFilterOf({"plain", "a(*.a)"}), "plain||a(*.a)|*.a");
    EXPECT_EQ(FileFilterOf({}), "");
    EXPECT_EQ(FilterItemsOf(FileFilterOf({"plain", "a(*.a)"})), (std::vector<std::string>{"plain", "a(*.a)"}));
}

TEST(FileFilter, DialogFormLeavesOutPairsItCannotShow)
{
    using namespace std::string_literals;
    EXPECT_EQ(DialogFilterOf("すべてのファイル(*.*)|*.*"), "すべてのファイル(*.*)\0*.*\0\0"s);
    EXPECT_EQ(DialogFilterOf("plain||a(*.a)|*.a|b(*.b)"), "a(*.a)\0*.a\0\0"s);
    EXPECT_EQ(DialogFilterOf("ポ(*.p)|*.p"), "ポ(*.p)\0*.p\0\0"s);
    EXPECT_EQ(DialogFilterOf(""), "");
}

TEST(FileFilter, EntryNeedsBothTextsWithoutSeparators)
{
    EXPECT_TRUE(IsFilterEntry("テキスト文書", "*.txt"));
    EXPECT_TRUE(IsFilterEntry("HTML文書", "*.htm;*.html"));
    EXPECT_FALSE(IsFilterEntry("", "*.txt"));
    EXPECT_FALSE(IsFilterEntry("テキスト文書", ""));
    EXPECT_FALSE(IsFilterEntry("a|b", "*.txt"));
    EXPECT_FALSE(IsFilterEntry("ab", "*.t|xt"));
    EXPECT_FALSE(IsFilterEntry("ab", "(*.txt"));
    EXPECT_TRUE(IsFilterEntry("a(b)", "*.txt)")) << "these still split back into the same texts";
    FileFilterList list("");
    list.create("a(b)", "*.txt)");
    const FilterParts parts = SplitFilterItem(list.items()[0]);
    EXPECT_EQ(parts.explanation, "a(b)");
    EXPECT_EQ(parts.pattern, "*.txt)");
}

TEST(FileFilter, ButtonsAndEditing)
{
    FileFilterList list("a(*.a)|*.a|b(*.b)|*.b|c(*.c)|*.c");
    EXPECT_FALSE(list.canMoveUp() || list.canMoveDown() || list.canModify() || list.canDelete());
    EXPECT_FALSE(list.moveUp());
    EXPECT_FALSE(list.remove());
    list.select(0);
    EXPECT_FALSE(list.canMoveUp());
    EXPECT_TRUE(list.canMoveDown() && list.canModify() && list.canDelete());
    list.select(2);
    EXPECT_TRUE(list.canMoveUp());
    EXPECT_FALSE(list.canMoveDown());
    list.select(3);
    EXPECT_EQ(list.selected(), -1);

    list.select(1);
    EXPECT_TRUE(list.moveUp());
    EXPECT_EQ(list.selected(), 0);
    EXPECT_TRUE(list.moveDown());
    EXPECT_TRUE(list.moveDown());
    EXPECT_EQ(list.selected(), 2);
    EXPECT_EQ(list.items(), (std::vector<std::string>{"a(*.a)", "c(*.c)", "b(*.b)"}));

    EXPECT_TRUE(list.modify("bee", "*.b;*.bb"));
    EXPECT_EQ(list.items()[2], "bee(*.b;*.bb)");

    // Deleting the last item selects the new last one; the only one leaves nothing.
    EXPECT_TRUE(list.remove());
    EXPECT_EQ(list.selected(), 1);
    list.select(0);
    EXPECT_TRUE(list.remove());
    EXPECT_EQ(list.selected(), 0);
    EXPECT_EQ(list.items(), std::vector<std::string>{"c(*.c)"});
    EXPECT_TRUE(list.remove());
    EXPECT_EQ(list.selected(), -1);
    EXPECT_EQ(list.fileFilter(), "");

    list.create("x", "*.x");
    list.reset(kTextDefaultFileFilter);
    EXPECT_EQ(list.items(), std::vector<std::string>{"すべてのファイル(*.*)"});
    EXPECT_EQ(list.selected(), -1);
    EXPECT_EQ(list.fileFilter(), "すべてのファイル(*.*)|*.*");
}
