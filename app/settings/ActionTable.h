// The main window's actions (names, categories, captions, hints, default shortcuts) and its menus.
#pragma once
#include "app/ui/Shortcut.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// The actions in the order of the action list; the settings dialog and the "KeyAssign"
// values follow this order.
enum class ActionId : uint8_t {
    FileNew, FileOpen, FileEditorNew, FileEditorOpen, FileSave, FileSaveAs, FileExit,
    HelpContents, HelpKeyword, HelpAbout,
    FindFind, FindNext, FindPrev, FindReplace,
    PrefFont,
    JumpDocTop, JumpDocEnd,
    EditorBackward, EditorForward, EditorRefresh, EditorDeleteHistory,
    JumpPageUp, JumpPageDown, JumpLineTop,
    PrefBgColor, PrefSettings,
    JumpLineEnd, JumpBytePos,
    MoveLeft, MoveRight, MoveUp, MoveDown,
    EditUndo, EditRedo, EditSelBegin, EditSelEnd, EditHideSel, EditCut, EditCopy, EditDelete,
    EditInsert,
    BookMark0, BookMark1, BookMark2, BookMark3, BookMark4,
    BookMark5, BookMark6, BookMark7, BookMark8, BookMark9,
    SetBookMark0, SetBookMark1, SetBookMark2, SetBookMark3, SetBookMark4,
    SetBookMark5, SetBookMark6, SetBookMark7, SetBookMark8, SetBookMark9,
    OthersTab,
    FindString, ToolInspector, ToolChecksum,
    ToolCompare,
    EditCopyAs, EditPasteHex, EditFill,
    FindNumber, ToolExportIntelHex, ToolExportSRecord, ToolImportRecords,
};

inline constexpr size_t ActionCount = 73;
static_assert(static_cast<size_t>(ActionId::ToolImportRecords) + 1 == ActionCount);

// The actions of the first editors that recorded "KeyAssign" come first; those after them
// were added later, and new ones are added at the end.
inline constexpr size_t FirstRecordedActionCount = static_cast<size_t>(ActionId::OthersTab) + 1;

// Actions that had no shortcut by default when "KeyAssign" was recorded without "file keys":
// the empty text stored for them then was that default, not the user's choice.
inline constexpr ActionId ActionsGivenKeysLater[] = {ActionId::FileOpen, ActionId::FileSave};

[[nodiscard]] constexpr size_t IndexOf(ActionId action) noexcept
{
    return static_cast<size_t>(action);
}

struct ActionInfo {
    const char* name;     // "ActionFileOpen": the component name and the "KeyAssign" value name
    const char* category; // "ファイル", ...
    const char* caption;  // with its accelerator mark and trailing dots
    const char* hint;
    Shortcut defaultShortcut;
    int imageIndex = -1;  // index in the 16 x 16 image list, -1 for none
    bool enabled = true;  // at start
    bool visible = true;
};

// Indexed by IndexOf(ActionId).
extern const std::array<ActionInfo, ActionCount> ActionTable;

[[nodiscard]] inline const ActionInfo& InfoOf(ActionId action) noexcept
{
    return ActionTable[IndexOf(action)];
}

// The action of a component name ("ActionFindFind"); none for an unknown name.
[[nodiscard]] std::optional<ActionId> ActionByName(std::string_view name) noexcept;

// The bookmark digit of ActionBookMark0...9 and ActionSetBookMark0...9; -1 for other actions.
[[nodiscard]] constexpr int BookmarkDigitOf(ActionId action) noexcept
{
    const size_t index = IndexOf(action);
    if (index >= IndexOf(ActionId::BookMark0) && index <= IndexOf(ActionId::SetBookMark9))
        return static_cast<int>((index - IndexOf(ActionId::BookMark0)) % 10);
    return -1;
}

// The shortcuts of every action, indexed by IndexOf(ActionId).
using ActionShortcuts = std::array<Shortcut, ActionCount>;

// The shortcuts of the layout, before any reassignment.
[[nodiscard]] ActionShortcuts DefaultShortcuts() noexcept;

enum class MenuItemKind : uint8_t {
    Action,    // shows and runs `action`
    Separator,
    Check,     // a check item with its own handler, no action (MenuEditReadOnly)
};

struct MenuItemInfo {
    MenuItemKind kind;
    const char* name;        // "MenuFileNew"; null for a separator
    ActionId action;         // for MenuItemKind::Action
    const char* caption;     // for MenuItemKind::Check; an action item shows its action's caption
};

struct MenuInfo {
    const char* name;        // "MenuFile"
    const char* caption;     // "ファイル(&F)"
    std::span<const MenuItemInfo> items;
};

// The main menu bar, left to right. Each menu holds its first items in their order, then the
// items added since, so the first items stay where users know them.
extern const std::array<MenuInfo, 6> MainMenuTable;

// True when some menu item runs the action; the movement, bookmark, editing-list and tab
// actions run from their shortcuts (or tool buttons) only.
[[nodiscard]] bool IsInMenu(ActionId action) noexcept;

// The categories in order of first appearance in the action list, each once.
[[nodiscard]] std::vector<std::string_view> ActionCategories();

// The actions of one category, in action-list order.
[[nodiscard]] std::vector<ActionId> ActionsOfCategory(std::string_view category);
