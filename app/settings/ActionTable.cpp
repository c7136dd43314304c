// The action table's data, the main menu's items, and look-ups over them.
#include "app/settings/ActionTable.h"

namespace {

constexpr const char* kFile = "ファイル";
constexpr const char* kHelp = "ヘルプ";
constexpr const char* kFind = "検索";
constexpr const char* kPref = "環境";
constexpr const char* kMove = "移動";
constexpr const char* kEditingList = "編集リスト";
constexpr const char* kEdit = "編集";
constexpr const char* kOthers = "その他";
constexpr const char* kTool = "ツール";

constexpr Shortcut kNone{};

constexpr Shortcut Ctrl(char key) noexcept { return CtrlKey(static_cast<uint8_t>(key)); }
constexpr Shortcut ShiftCtrl(char key) noexcept { return ShiftCtrlKey(static_cast<uint8_t>(key)); }

} // namespace

// clang-format off
const std::array<ActionInfo, ActionCount> ActionTable{{
    {"ActionFileNew", kFile, "新規作成 (このエディタ) (&N)", "このエディタで新しい文書を作る", kNone},
    {"ActionFileOpen", kFile, "開く (このエディタ) (&O)...", "このエディタに文書を読み込む", kNone},
    {"ActionFileEditorNew", kFile, "新規作成 (新しいエディタ)", "新たにもう一つエディタを起動する", kNone},
    {"ActionFileEditorOpen", kFile, "開く (新しいエディタ)...", "新たにもう一つエディタを起動し、そこで文書を開く", kNone},
    {"ActionFileSave", kFile, "上書き保存 (&S)", "編集中の文書を保存する", kNone, 5, false},
    {"ActionFileSaveAs", kFile, "名前を付けて保存 (&A)...", "編集中の文書に名前を付けて保存する", kNone},
    {"ActionFileExit", kFile, "終了 (&X)", "このエディタを終了する", kNone},
    {"ActionHelpContents", kHelp, "目次 (&C)...", "ヘルプの目次を表示する", kNone},
    {"ActionHelpKeyword", kHelp, "キーワード(&K)...", "ヘルプのキーワードを開く", kNone, -1, false, false},
    {"ActionHelpAbout", kHelp, "バージョン情報 (&A)...", "バージョン情報を表示する", kNone},
    {"ActionFindFind", kFind, "検索 (&F)...", "字句を検索する", Ctrl('F')},
    {"ActionFindNext", kFind, "次を検索 (&N)", "引き続いて下に向かって字句を検索する", Ctrl('N')},
    {"ActionFindPrev", kFind, "前を検索 (&B)", "引き続いて上に向かって字句を検索する", Ctrl('B')},
    {"ActionFindReplace", kFind, "置換 (&R)...", "字句を探して、別の字句に置き換える", Ctrl('R')},
    {"ActionPrefFont", kPref, "フォント (&F)...", "エディタの表示フォントを変更する", kNone},
    {"ActionJumpDocTop", kMove, "文書先頭", "入力位置を文書先頭に移動する", PlainKey(Vk::Home)},
    {"ActionJumpDocEnd", kMove, "文書末尾", "入力位置を文書末尾に移動する", PlainKey(Vk::End)},
    {"ActionEditorBackward", kEditingList, "戻る", "編集リスト内の一つ前の文書を表示する", kNone, 0},
    {"ActionEditorForward", kEditingList, "進む", "編集リスト内の一つ後の文書を表示する", kNone, 1},
    {"ActionEditorRefresh", kEditingList, "再読み込み", "編集中の文書を開きなおす", kNone, 2},
    {"ActionEditorDeleteHistory", kEditingList, "編集リストから削除", "編集リストから名前を削除する", kNone, 6},
    {"ActionJumpPageUp", kMove, "１ページ上", "入力位置を１ページ上に移動する", CtrlKey(Vk::Up)},
    {"ActionJumpPageDown", kMove, "１ページ下", "入力位置を１ページ下に移動する", CtrlKey(Vk::Down)},
    {"ActionJumpLineTop", kMove, "行頭", "入力位置を行頭に移動する", CtrlKey(Vk::Left)},
    {"ActionPrefBgColor", kPref, "背景色 (&B)...", "エディタの背景色を変更する", kNone},
    {"ActionPrefSettings", kPref, "その他 (&O)...", "その他の設定を変更する", kNone},
    {"ActionJumpLineEnd", kMove, "行末", "入力位置を行末に移動する", CtrlKey(Vk::Right)},
    {"ActionJumpBytePos", kMove, "指定した位置に移動", "入力位置を指定した位置に移動する", Ctrl('L')},
    {"ActionMoveLeft", kMove, "左", "入力位置を左へ移動", PlainKey(Vk::Left)},
    {"ActionMoveRight", kMove, "右", "入力位置を右へ移動", PlainKey(Vk::Right)},
    {"ActionMoveUp", kMove, "上", "入力位置を上に移動する", PlainKey(Vk::Up)},
    {"ActionMoveDown", kMove, "下", "入力位置を下に移動する", PlainKey(Vk::Down)},
    {"ActionEditUndo", kEdit, "元に戻す (&Z)", "変更を元に戻す", Ctrl('Z')},
    {"ActionEditRedo", kEdit, "やり直す (&R)", "変更を加えなおす", ShiftCtrl('Z')},
    {"ActionEditSelBegin", kEdit, "選択開始 (&J)", "領域の選択を開始する", Ctrl('J')},
    {"ActionEditSelEnd", kEdit, "選択終了 (&K)", "領域の選択を終了する", Ctrl('K')},
    {"ActionEditHideSel", kEdit, "選択解除 (&H)", "領域の選択を止める", Ctrl('H')},
    {"ActionEditCut", kEdit, "切り取り (&X)", "選択領域をクリップボードに移動する", Ctrl('X')},
    {"ActionEditCopy", kEdit, "コピー (&C)", "選択領域をクリップボードにコピーする", Ctrl('C')},
    {"ActionEditDelete", kEdit, "削除 (&D)", "選択領域を削除する", Ctrl('D')},
    {"ActionEditInsert", kEdit, "挿入 (&I)", "クリップボードのデータを挿入する", Ctrl('V')},
    {"ActionBookMark0", kMove, "ブックマーク &0", "ブックマーク 0 に移動する", Ctrl('0')},
    {"ActionBookMark1", kMove, "ブックマーク &1", "ブックマーク 1 に移動する", Ctrl('1')},
    {"ActionBookMark2", kMove, "ブックマーク &2", "ブックマーク 2 に移動する", Ctrl('2')},
    {"ActionBookMark3", kMove, "ブックマーク &3", "ブックマーク 3 に移動する", Ctrl('3')},
    {"ActionBookMark4", kMove, "ブックマーク &4", "ブックマーク 4 に移動する", Ctrl('4')},
    {"ActionBookMark5", kMove, "ブックマーク &5", "ブックマーク 5 に移動する", Ctrl('5')},
    {"ActionBookMark6", kMove, "ブックマーク &6", "ブックマーク 6 に移動する", Ctrl('6')},
    {"ActionBookMark7", kMove, "ブックマーク &7", "ブックマーク 7 に移動する", Ctrl('7')},
    {"ActionBookMark8", kMove, "ブックマーク &8", "ブックマーク 8 に移動する", Ctrl('8')},
    {"ActionBookMark9", kMove, "ブックマーク &9", "ブックマーク 9 に移動する", Ctrl('9')},
    {"ActionSetBookMark0", kMove, "ブックマーク 0 を設定", "ブックマーク 0 を設定する", ShiftCtrl('0')},
    {"ActionSetBookMark1", kMove, "ブックマーク 1 を設定", "ブックマーク 1 を設定する", ShiftCtrl('1')},
    {"ActionSetBookMark2", kMove, "ブックマーク 2 を設定", "ブックマーク 2 を設定する", ShiftCtrl('2')},
    {"ActionSetBookMark3", kMove, "ブックマーク 3 を設定", "ブックマーク 3 を設定する", ShiftCtrl('3')},
    {"ActionSetBookMark4", kMove, "ブックマーク 4 を設定", "ブックマーク 4 を設定する", ShiftCtrl('4')},
    {"ActionSetBookMark5", kMove, "ブックマーク 5 を設定", "ブックマーク 5 を設定する", ShiftCtrl('5')},
    {"ActionSetBookMark6", kMove, "ブックマーク 6 を設定", "ブックマーク 6 を設定する", ShiftCtrl('6')},
    {"ActionSetBookMark7", kMove, "ブックマーク 7 を設定", "ブックマーク 7 を設定する", ShiftCtrl('7')},
    {"ActionSetBookMark8", kMove, "ブックマーク 8 を設定", "ブックマーク 8 を設定する", ShiftCtrl('8')},
    {"ActionSetBookMark9", kMove, "ブックマーク 9 を設定", "ブックマーク 9 を設定する", ShiftCtrl('9')},
    {"ActionOthersTab", kOthers, "タブ挿入", "次のバイト境界まで 0 を挿入する", PlainKey(Vk::Tab)},
    {"ActionFindString", kFind, "テキストを検索 (&T)...", "文字列を文字コードで指定して検索する", ShiftCtrl('F')},
    {"ActionToolInspector", kTool, "データインスペクタ (&I)", "入力位置のバイトを数値や文字として表示する", Ctrl('I')},
    {"ActionToolChecksum", kTool, "チェックサム (&M)...", "選択領域または文書全体のチェックサムを計算する", ShiftCtrl('C')},
}};
// clang-format on

namespace {

constexpr MenuItemInfo Item(const char* name, ActionId action) noexcept
{
    return {MenuItemKind::Action, name, action, nullptr};
}

constexpr MenuItemInfo kSeparator{MenuItemKind::Separator, nullptr, ActionId::FileNew, nullptr};

constexpr MenuItemInfo kFileItems[] = {
    Item("MenuFileNew", ActionId::FileNew),
    Item("MenuFileOpen", ActionId::FileOpen),
    kSeparator,
    Item("MenuFileEditorNew", ActionId::FileEditorNew),
    Item("MenuFileEditorOpen", ActionId::FileEditorOpen),
    kSeparator,
    Item("MenuFileSave", ActionId::FileSave),
    Item("MenuFileSaveAs", ActionId::FileSaveAs),
    kSeparator,
    Item("MenuFileExit", ActionId::FileExit),
};

constexpr MenuItemInfo kEditItems[] = {
    Item("MenuEditUndo", ActionId::EditUndo),
    Item("MenuEditRedo", ActionId::EditRedo),
    kSeparator,
    Item("MenuEditSelBegin", ActionId::EditSelBegin),
    Item("MenuEditSelEnd", ActionId::EditSelEnd),
    Item("MenuEditHideSel", ActionId::EditHideSel),
    kSeparator,
    Item("MenuEditCut", ActionId::EditCut),
    Item("MenuEditCopy", ActionId::EditCopy),
    Item("MenuEditDelete", ActionId::EditDelete),
    kSeparator,
    Item("MenuEditInsert", ActionId::EditInsert),
    kSeparator,
    {MenuItemKind::Check, "MenuEditReadOnly", ActionId::FileNew, "編集禁止"},
};

constexpr MenuItemInfo kFindItems[] = {
    Item("MenuFindFind", ActionId::FindFind),
    Item("MenuFindNext", ActionId::FindNext),
    Item("MenuFindPrev", ActionId::FindPrev),
    kSeparator,
    Item("MenuFindReplace", ActionId::FindReplace),
    kSeparator,
    Item("MenuJumpBytePos", ActionId::JumpBytePos),
    kSeparator,
    Item("MenuFindString", ActionId::FindString),
};

constexpr MenuItemInfo kPreferenceItems[] = {
    Item("MenuPrefFont", ActionId::PrefFont),
    Item("MenuPrefBgColor", ActionId::PrefBgColor),
    Item("MenuPrefSettings", ActionId::PrefSettings),
};

constexpr MenuItemInfo kToolItems[] = {
    Item("MenuToolInspector", ActionId::ToolInspector),
    kSeparator,
    Item("MenuToolChecksum", ActionId::ToolChecksum),
};

// MenuHelpKeyword stays hidden: its action is invisible.
constexpr MenuItemInfo kHelpItems[] = {
    Item("MenuHelpContents", ActionId::HelpContents),
    Item("MenuHelpKeyword", ActionId::HelpKeyword),
    kSeparator,
    Item("MenuHelpAbout", ActionId::HelpAbout),
};

} // namespace

const std::array<MenuInfo, 6> MainMenuTable{{
    {"MenuFile", "ファイル(&F)", kFileItems},
    {"MenuEdit", "編集(&E)", kEditItems},
    {"MenuFind", "検索(&Q)", kFindItems},
    {"MenuPreference", "環境(&P)", kPreferenceItems},
    {"MenuTool", "ツール(&T)", kToolItems},
    {"MenuHelp", "ヘルプ(&H)", kHelpItems},
}};

std::optional<ActionId> ActionByName(std::string_view name) noexcept
{
    for (size_t i = 0; i < ActionCount; ++i)
        if (name == ActionTable[i].name)
            return static_cast<ActionId>(i);
    return std::nullopt;
}

ActionShortcuts DefaultShortcuts() noexcept
{
    ActionShortcuts shortcuts{};
    for (size_t i = 0; i < ActionCount; ++i)
        shortcuts[i] = ActionTable[i].defaultShortcut;
    return shortcuts;
}

bool IsInMenu(ActionId action) noexcept
{
    for (const MenuInfo& menu : MainMenuTable)
        for (const MenuItemInfo& item : menu.items)
            if (item.kind == MenuItemKind::Action && item.action == action)
                return true;
    return false;
}

std::vector<std::string_view> ActionCategories()
{
    std::vector<std::string_view> categories;
    for (const ActionInfo& info : ActionTable) {
        bool known = false;
        for (const std::string_view category : categories)
            known = known || category == info.category;
        if (!known)
            categories.emplace_back(info.category);
    }
    return categories;
}

std::vector<ActionId> ActionsOfCategory(std::string_view category)
{
    std::vector<ActionId> actions;
    for (size_t i = 0; i < ActionCount; ++i)
        if (category == ActionTable[i].category)
            actions.push_back(static_cast<ActionId>(i));
    return actions;
}
