// The main window's frame and menus: caption, sizes, every menu item's text with its shortcut,
// and the actions that are in no menu but run from their keys.
#include "tests/win/main/FormHarness.h"

#include "app/win/system/EditorLibrary.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ExpectedMenu {
    const char* caption;
    std::vector<const char*> items;  // "-" for a separator
};

// As the menus must read, shortcut texts after a tab.
const std::vector<ExpectedMenu> kMenus = {
    {"ファイル(&F)",
     {"新規作成 (このエディタ) (&N)", "開く (このエディタ) (&O)...\tCtrl+O", "-", "新規作成 (新しいエディタ)",
      "開く (新しいエディタ)...", "-", "上書き保存 (&S)\tCtrl+S", "名前を付けて保存 (&A)...", "-", "終了 (&X)"}},
    {"編集(&E)",
     {"元に戻す (&Z)\tCtrl+Z", "やり直す (&R)\tShift+Ctrl+Z", "-", "選択開始 (&J)\tCtrl+J", "選択終了 (&K)\tCtrl+K",
      "選択解除 (&H)\tCtrl+H", "-", "切り取り (&X)\tCtrl+X", "コピー (&C)\tCtrl+C", "削除 (&D)\tCtrl+D", "-",
      "挿入 (&I)\tCtrl+V", "-", "編集禁止", "-", "形式を指定してコピー (&A)...", "16 進テキストとして貼り付け (&P)",
      "選択範囲を埋める (&L)..."}},
    {"検索(&Q)",
     {"検索 (&F)...\tCtrl+F", "次を検索 (&N)\tCtrl+N", "前を検索 (&B)\tCtrl+B", "-", "置換 (&R)...\tCtrl+R", "-",
      "指定した位置に移動\tCtrl+L", "-", "テキストを検索 (&T)...\tShift+Ctrl+F",
      "数値を検索 (&U)...\tShift+Ctrl+N"}},
    {"環境(&P)", {"フォント (&F)...", "背景色 (&B)...", "その他 (&O)..."}},
    {"ツール(&T)",
     {"データインスペクタ (&I)\tCtrl+I", "-", "チェックサム (&M)...\tShift+Ctrl+C", "ファイルの比較 (&O)...\tShift+Ctrl+O",
      "-", "Intel HEX で書き出し (&H)...", "S レコードで書き出し (&S)...", "Intel HEX / S レコードの読み込み (&R)..."}},
    {"ヘルプ(&H)", {"目次 (&C)...", "-", "バージョン情報 (&A)..."}},
};

std::vector<std::string> ItemsOf(HMENU menu)
{
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        items.push_back(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR
                            ? std::string("-")
                            : MenuText(menu, static_cast<UINT>(i)));
    return items;
}

} // namespace

TEST(MainWindow, FrameHasCaptionMinimumSizeAndTheControlInItsPanel)
{
    MainFormHarness harness;
    const HWND window = harness.form().Handle();
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof caption);
    EXPECT_STREQ(caption, "Korvani Quillet");

    MINMAXINFO limits{};
    SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, 400);
    EXPECT_EQ(limits.ptMinTrackSize.y, 200);

    // The control fills the client panel inside a one-pixel margin.
    RECT panel{}, control{};
    GetClientRect(harness.form().PanelClient.Handle(), &panel);
    GetWindowRect(harness.control(), &control);
    MapWindowPoints(nullptr, harness.form().PanelClient.Handle(), reinterpret_cast<POINT*>(&control), 2);
    EXPECT_EQ(control.left, 1);
    EXPECT_EQ(control.top, 1);
    EXPECT_EQ(control.right, panel.right - 1);
    EXPECT_EQ(control.bottom, panel.bottom - 1);
    EXPECT_EQ(GetParent(harness.control()), harness.form().PanelClient.Handle());
}

TEST(MainWindow, MenusShowCaptionsAndShortcutsInOrder)
{
    MainFormHarness harness;
    const HMENU bar = GetMenu(harness.form().Handle());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(kMenus.size()));
    for (size_t m = 0; m < kMenus.size(); ++m) {
        SCOPED_TRACE(kMenus[m].caption);
        EXPECT_EQ(MenuText(bar, static_cast<UINT>(m)), kMenus[m].caption);
        const std::vector<std::string> expected(kMenus[m].items.begin(), kMenus[m].items.end());
        EXPECT_EQ(ItemsOf(GetSubMenu(bar, static_cast<int>(m))), expected);
    }
}

TEST(MainWindow, ReassignedShortcutShowsInTheMenu)
{
    MainFormHarness harness;
    harness.form().Action(ActionId::EditCopy).SetShortCut(TextToShortcut("Shift+Ins"));
    const HMENU edit = harness.form().MenuItem("MenuEdit").SubMenu();
    EXPECT_EQ(MenuText(edit, 8), "コピー (&C)\tShift+Ins");
    harness.form().Action(ActionId::EditCopy).SetShortCut({});
    EXPECT_EQ(MenuText(edit, 8), "コピー (&C)");
}

TEST(MainWindow, SaveItemFollowsItsAction)
{
    MainFormHarness harness;
    const HMENU file = harness.form().MenuItem("MenuFile").SubMenu();
    const UINT save = harness.form().MenuItem("MenuFileSave").Id();
    EXPECT_TRUE(GetMenuState(file, save, MF_BYCOMMAND) & MF_GRAYED);
    harness.form().Action(ActionId::FileSave).SetEnabled(true);
    EXPECT_FALSE(GetMenuState(file, save, MF_BYCOMMAND) & MF_GRAYED);
}

TEST(MainWindow, MovementBookmarkAndTabActionsWorkByKeysAlone)
{
    MainFormHarness harness;
    // None of them stands in a menu.
    const HMENU bar = GetMenu(harness.form().Handle());
    for (int m = 0; m < GetMenuItemCount(bar); ++m)
        for (const std::string& item : ItemsOf(GetSubMenu(bar, m)))
            for (const char* caption : {"左", "文書先頭", "ブックマーク", "タブ挿入", "行頭"})
                EXPECT_EQ(item.rfind(caption, 0), std::string::npos) << item;

    harness.setData(std::vector<uint8_t>(40, 0x11));
    harness.key(VK_RIGHT);
    harness.key(VK_RIGHT);
    EXPECT_EQ(harness.caret(), 2);
    harness.key(VK_DOWN);
    EXPECT_EQ(harness.caret(), 34);
    harness.key('3', true, true);  // set bookmark 3 here
    EXPECT_EQ(Editor.QX_BookMark(harness.control(), 3), 34);
    harness.key(VK_HOME);
    EXPECT_EQ(harness.caret(), 0);
    harness.key('3', true);  // back to bookmark 3
    EXPECT_EQ(harness.caret(), 34);
    harness.key(VK_END);
    EXPECT_EQ(harness.caret(), 79);
    harness.key(VK_UP);
    EXPECT_EQ(harness.caret(), 47);
    harness.key(VK_LEFT);
    EXPECT_EQ(harness.caret(), 46);

    // Tab pads with zero bytes up to the next multiple of the tab size (4).
    harness.setData({1, 2, 3, 4, 5});
    harness.key(VK_TAB);
    EXPECT_EQ(harness.data(), (std::vector<uint8_t>{0, 0, 0, 0, 1, 2, 3, 4, 5}));
}
