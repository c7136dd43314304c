// The settings dialog's rules: the selectable shortcuts, reassignment, and the two combo boxes.
#pragma once
#include "app/settings/ActionTable.h"
#include "app/ui/Shortcut.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>


struct ShortcutChoice {
    std::string text;   // as listed: "(なし)", "End", "Ctrl+PgUp", ...
    Shortcut shortcut;  // none for "(なし)"
};

inline constexpr size_t ShortcutChoiceCount = 216;

// The items of ListKeyboardShortcut in their order: "(なし)"; End, Home, Tab, F1-F24 and the
// arrows alone; Ctrl+ with PgUp, PgDn, End, Home, 0-9, A-Z, the twelve punctuation keys, F1-F24
// and the arrows; Shift+ with PgUp, PgDn, End, Home, F1-F24; Shift+Ctrl+ with PgUp, PgDn, End,
// Home, 0-9, A-Z, the punctuation keys, F1-F24. Each backslash key has its own item; both read
// "\", and the text converts to the first of them.
[[nodiscard]] const std::vector<ShortcutChoice>& ShortcutChoices();

// InfoKeyboardShortcut's text: the shortcut's text, or "(なし)" for none.
[[nodiscard]] std::string ShortcutInfoText(Shortcut shortcut);

// The first action, in list order, whose shortcut is `shortcut`; none for no shortcut.
[[nodiscard]] std::optional<ActionId> ShortcutHolder(const ActionShortcuts& shortcuts,
                                                     Shortcut shortcut) noexcept;

// The question asked before taking a shortcut from `holder`:
// "Ctrl+F は [検索 -- 検索 (&F)...] で使われています。\n設定しなおしてよろしいですか？".
[[nodiscard]] std::string ReassignQuestion(std::string_view shortcutText, ActionId holder);

// Takes the shortcut from its first holder (the target itself included), then gives it to
// the target; no shortcut just removes the target's. Shortcuts stay unique.
void AssignShortcut(ActionShortcuts& shortcuts, ActionId target, Shortcut shortcut) noexcept;

// The first action of `candidates` whose caption is `caption` (the keyboard page's look-up of
// the selected caption among the category's actions).
[[nodiscard]] std::optional<ActionId> ActionOfCaption(const std::vector<ActionId>& candidates,
                                                      std::string_view caption) noexcept;

// ComboBackupTime: "10", "20", ... "120".
inline constexpr int BackupTimeItemCount = 12;
[[nodiscard]] std::string BackupTimeText(int index);
// The item for an interval: the largest multiple of 10 not above it, kept within 10 ... 120.
[[nodiscard]] int BackupTimeIndexOf(int seconds) noexcept;
// The interval of an item; an index outside the list counts as the nearest item.
[[nodiscard]] int BackupTimeOfIndex(int index) noexcept;

// ComboTabSize: "1", "2", "4", ... "64".
inline constexpr int TabSizeItemCount = 7;
[[nodiscard]] std::string TabSizeText(int index);
// The item whose number is the tab size; "4" for any other size.
[[nodiscard]] int TabSizeIndexOf(int tabSize) noexcept;
// 2 to the power of the index; 4 for an index outside the list.
[[nodiscard]] int TabSizeOfIndex(int index) noexcept;
