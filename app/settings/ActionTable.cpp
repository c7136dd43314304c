// The action table's data, the main menu's items, and look-ups over them.
#include "app/settings/ActionTable.h"

#include "app/texts/ProgramTexts.h"

namespace {

constexpr Shortcut kNone{};

constexpr Shortcut Ctrl(char key) noexcept { return CtrlKey(static_cast<uint8_t>(key)); }
constexpr Shortcut ShiftCtrl(char key) noexcept { return ShiftCtrlKey(static_cast<uint8_t>(key)); }

} // namespace

// clang-format off
const std::array<ActionInfo, ActionCount> ActionTable{{
    {"ActionFileNew", kTextCategoryFile, kTextActionFileNew, kTextActionFileNewHint, kNone},
    {"ActionFileOpen", kTextCategoryFile, kTextActionFileOpen, kTextActionFileOpenHint, Ctrl('O')},
    {"ActionFileEditorNew", kTextCategoryFile, kTextActionFileEditorNew, kTextActionFileEditorNewHint, kNone},
    {"ActionFileEditorOpen", kTextCategoryFile, kTextActionFileEditorOpen, kTextActionFileEditorOpenHint, kNone},
    {"ActionFileSave", kTextCategoryFile, kTextActionFileSave, kTextActionFileSaveHint, Ctrl('S'), 5, false},
    {"ActionFileSaveAs", kTextCategoryFile, kTextActionFileSaveAs, kTextActionFileSaveAsHint, kNone},
    {"ActionFileExit", kTextCategoryFile, kTextActionFileExit, kTextActionFileExitHint, kNone},
    {"ActionHelpContents", kTextCategoryHelp, kTextActionHelpContents, kTextActionHelpContentsHint, kNone},
    {"ActionHelpKeyword", kTextCategoryHelp, kTextActionHelpKeyword, kTextActionHelpKeywordHint, kNone, -1, false, false},
    {"ActionHelpAbout", kTextCategoryHelp, kTextActionHelpAbout, kTextActionHelpAboutHint, kNone},
    {"ActionFindFind", kTextCategoryFind, kTextActionFindFind, kTextActionFindFindHint, Ctrl('F')},
    {"ActionFindNext", kTextCategoryFind, kTextActionFindNext, kTextActionFindNextHint, Ctrl('N')},
    {"ActionFindPrev", kTextCategoryFind, kTextActionFindPrev, kTextActionFindPrevHint, Ctrl('B')},
    {"ActionFindReplace", kTextCategoryFind, kTextActionFindReplace, kTextActionFindReplaceHint, Ctrl('R')},
    {"ActionPrefFont", kTextCategoryPref, kTextActionPrefFont, kTextActionPrefFontHint, kNone},
    {"ActionJumpDocTop", kTextCategoryMove, kTextActionJumpDocTop, kTextActionJumpDocTopHint, PlainKey(Vk::Home)},
    {"ActionJumpDocEnd", kTextCategoryMove, kTextActionJumpDocEnd, kTextActionJumpDocEndHint, PlainKey(Vk::End)},
    {"ActionEditorBackward", kTextCategoryEditingList, kTextActionEditorBackward, kTextActionEditorBackwardHint, kNone, 0},
    {"ActionEditorForward", kTextCategoryEditingList, kTextActionEditorForward, kTextActionEditorForwardHint, kNone, 1},
    {"ActionEditorRefresh", kTextCategoryEditingList, kTextActionEditorRefresh, kTextActionEditorRefreshHint, kNone, 2},
    {"ActionEditorDeleteHistory", kTextCategoryEditingList, kTextActionEditorDeleteHistory, kTextActionEditorDeleteHistoryHint, kNone, 6},
    {"ActionJumpPageUp", kTextCategoryMove, kTextActionJumpPageUp, kTextActionJumpPageUpHint, CtrlKey(Vk::Up)},
    {"ActionJumpPageDown", kTextCategoryMove, kTextActionJumpPageDown, kTextActionJumpPageDownHint, CtrlKey(Vk::Down)},
    {"ActionJumpLineTop", kTextCategoryMove, kTextActionJumpLineTop, kTextActionJumpLineTopHint, CtrlKey(Vk::Left)},
    {"ActionPrefBgColor", kTextCategoryPref, kTextActionPrefBgColor, kTextActionPrefBgColorHint, kNone},
    {"ActionPrefSettings", kTextCategoryPref, kTextActionPrefSettings, kTextActionPrefSettingsHint, kNone},
    {"ActionJumpLineEnd", kTextCategoryMove, kTextActionJumpLineEnd, kTextActionJumpLineEndHint, CtrlKey(Vk::Right)},
    {"ActionJumpBytePos", kTextCategoryMove, kTextActionJumpBytePos, kTextActionJumpBytePosHint, Ctrl('L')},
    {"ActionMoveLeft", kTextCategoryMove, kTextActionMoveLeft, kTextActionMoveLeftHint, PlainKey(Vk::Left)},
    {"ActionMoveRight", kTextCategoryMove, kTextActionMoveRight, kTextActionMoveRightHint, PlainKey(Vk::Right)},
    {"ActionMoveUp", kTextCategoryMove, kTextActionMoveUp, kTextActionMoveUpHint, PlainKey(Vk::Up)},
    {"ActionMoveDown", kTextCategoryMove, kTextActionMoveDown, kTextActionMoveDownHint, PlainKey(Vk::Down)},
    {"ActionEditUndo", kTextCategoryEdit, kTextActionEditUndo, kTextActionEditUndoHint, Ctrl('Z')},
    {"ActionEditRedo", kTextCategoryEdit, kTextActionEditRedo, kTextActionEditRedoHint, ShiftCtrl('Z')},
    {"ActionEditSelBegin", kTextCategoryEdit, kTextActionEditSelBegin, kTextActionEditSelBeginHint, Ctrl('J')},
    {"ActionEditSelEnd", kTextCategoryEdit, kTextActionEditSelEnd, kTextActionEditSelEndHint, Ctrl('K')},
    {"ActionEditHideSel", kTextCategoryEdit, kTextActionEditHideSel, kTextActionEditHideSelHint, Ctrl('H')},
    {"ActionEditCut", kTextCategoryEdit, kTextActionEditCut, kTextActionEditCutHint, Ctrl('X')},
    {"ActionEditCopy", kTextCategoryEdit, kTextActionEditCopy, kTextActionEditCopyHint, Ctrl('C')},
    {"ActionEditDelete", kTextCategoryEdit, kTextActionEditDelete, kTextActionEditDeleteHint, Ctrl('D')},
    {"ActionEditInsert", kTextCategoryEdit, kTextActionEditInsert, kTextActionEditInsertHint, Ctrl('V')},
    {"ActionBookMark0", kTextCategoryMove, kTextActionBookMark0, kTextActionBookMark0Hint, Ctrl('0')},
    {"ActionBookMark1", kTextCategoryMove, kTextActionBookMark1, kTextActionBookMark1Hint, Ctrl('1')},
    {"ActionBookMark2", kTextCategoryMove, kTextActionBookMark2, kTextActionBookMark2Hint, Ctrl('2')},
    {"ActionBookMark3", kTextCategoryMove, kTextActionBookMark3, kTextActionBookMark3Hint, Ctrl('3')},
    {"ActionBookMark4", kTextCategoryMove, kTextActionBookMark4, kTextActionBookMark4Hint, Ctrl('4')},
    {"ActionBookMark5", kTextCategoryMove, kTextActionBookMark5, kTextActionBookMark5Hint, Ctrl('5')},
    {"ActionBookMark6", kTextCategoryMove, kTextActionBookMark6, kTextActionBookMark6Hint, Ctrl('6')},
    {"ActionBookMark7", kTextCategoryMove, kTextActionBookMark7, kTextActionBookMark7Hint, Ctrl('7')},
    {"ActionBookMark8", kTextCategoryMove, kTextActionBookMark8, kTextActionBookMark8Hint, Ctrl('8')},
    {"ActionBookMark9", kTextCategoryMove, kTextActionBookMark9, kTextActionBookMark9Hint, Ctrl('9')},
    {"ActionSetBookMark0", kTextCategoryMove, kTextActionSetBookMark0, kTextActionSetBookMark0Hint, ShiftCtrl('0')},
    {"ActionSetBookMark1", kTextCategoryMove, kTextActionSetBookMark1, kTextActionSetBookMark1Hint, ShiftCtrl('1')},
    {"ActionSetBookMark2", kTextCategoryMove, kTextActionSetBookMark2, kTextActionSetBookMark2Hint, ShiftCtrl('2')},
    {"ActionSetBookMark3", kTextCategoryMove, kTextActionSetBookMark3, kTextActionSetBookMark3Hint, ShiftCtrl('3')},
    {"ActionSetBookMark4", kTextCategoryMove, kTextActionSetBookMark4, kTextActionSetBookMark4Hint, ShiftCtrl('4')},
    {"ActionSetBookMark5", kTextCategoryMove, kTextActionSetBookMark5, kTextActionSetBookMark5Hint, ShiftCtrl('5')},
    {"ActionSetBookMark6", kTextCategoryMove, kTextActionSetBookMark6, kTextActionSetBookMark6Hint, ShiftCtrl('6')},
    {"ActionSetBookMark7", kTextCategoryMove, kTextActionSetBookMark7, kTextActionSetBookMark7Hint, ShiftCtrl('7')},
    {"ActionSetBookMark8", kTextCategoryMove, kTextActionSetBookMark8, kTextActionSetBookMark8Hint, ShiftCtrl('8')},
    {"ActionSetBookMark9", kTextCategoryMove, kTextActionSetBookMark9, kTextActionSetBookMark9Hint, ShiftCtrl('9')},
    {"ActionOthersTab", kTextCategoryOthers, kTextActionOthersTab, kTextActionOthersTabHint, PlainKey(Vk::Tab)},
    {"ActionFindString", kTextCategoryFind, kTextActionFindString, kTextActionFindStringHint, ShiftCtrl('F')},
    {"ActionToolInspector", kTextCategoryTool, kTextActionToolInspector, kTextActionToolInspectorHint, Ctrl('I')},
    {"ActionToolChecksum", kTextCategoryTool, kTextActionToolChecksum, kTextActionToolChecksumHint, ShiftCtrl('C')},
    {"ActionToolCompare", kTextCategoryTool, kTextActionToolCompare, kTextActionToolCompareHint, ShiftCtrl('O')},
    {"ActionEditCopyAs", kTextCategoryEdit, kTextActionEditCopyAs, kTextActionEditCopyAsHint, kNone},
    {"ActionEditPasteHex", kTextCategoryEdit, kTextActionEditPasteHex, kTextActionEditPasteHexHint, kNone},
    {"ActionEditFill", kTextCategoryEdit, kTextActionEditFill, kTextActionEditFillHint, kNone},
    {"ActionFindNumber", kTextCategoryFind, kTextActionFindNumber, kTextActionFindNumberHint, ShiftCtrl('N')},
    {"ActionToolExportIntelHex", kTextCategoryTool, kTextActionToolExportIntelHex, kTextActionToolExportIntelHexHint, kNone},
    {"ActionToolExportSRecord", kTextCategoryTool, kTextActionToolExportSRecord, kTextActionToolExportSRecordHint, kNone},
    {"ActionToolImportRecords", kTextCategoryTool, kTextActionToolImportRecords, kTextActionToolImportRecordsHint, kNone},
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
    {MenuItemKind::Check, "MenuEditReadOnly", ActionId::FileNew, kTextMenuEditReadOnly},
    kSeparator,
    Item("MenuEditCopyAs", ActionId::EditCopyAs),
    Item("MenuEditPasteHex", ActionId::EditPasteHex),
    Item("MenuEditFill", ActionId::EditFill),
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
    Item("MenuFindNumber", ActionId::FindNumber),
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
    Item("MenuToolCompare", ActionId::ToolCompare),
    kSeparator,
    Item("MenuToolExportIntelHex", ActionId::ToolExportIntelHex),
    Item("MenuToolExportSRecord", ActionId::ToolExportSRecord),
    Item("MenuToolImportRecords", ActionId::ToolImportRecords),
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
    {"MenuFile", kTextMenuFile, kFileItems},
    {"MenuEdit", kTextMenuEdit, kEditItems},
    {"MenuFind", kTextMenuFind, kFindItems},
    {"MenuPreference", kTextMenuPreference, kPreferenceItems},
    {"MenuTool", kTextMenuTool, kToolItems},
    {"MenuHelp", kTextMenuHelp, kHelpItems},
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
