// The application preferences: the record, its registry values and defaults, loading and saving.
#pragma once
#include "app/settings/ActionTable.h"
#include "app/settings/PreferenceStore.h"
#include "app/texts/ProgramTexts.h"

#include <string>
#include <string_view>


// The data inspector pane's width at 96 DPI: a stored width outside the range reads as the default.
inline constexpr int InspectorDefaultWidth = 400;
inline constexpr int InspectorMinWidth = 60;
inline constexpr int InspectorMaxWidth = 3000;

// Section and value names in the program's registry key.
namespace PrefKey {
inline constexpr std::string_view Preference = "Preference";
inline constexpr std::string_view KeyAssign = "KeyAssign";
inline constexpr std::string_view ShowHint = "show hint";
inline constexpr std::string_view BackupTime = "backup_time";
inline constexpr std::string_view FileFilter = "file filter";
inline constexpr std::string_view Recorded = "recorded";
inline constexpr std::string_view FileKeys = "file keys";
inline constexpr std::string_view TabSize = "tab size";
inline constexpr std::string_view OpenPath = "open path";
inline constexpr std::string_view Inspector = "inspector";
inline constexpr std::string_view InspectorWidth = "inspector width";
inline constexpr std::string_view MouseSelect = "mouse select";
} // namespace PrefKey

struct Preferences {
    bool showHint = true;                          // tool tips of the main window and the dialogs
    int backupInterval = 30;                       // seconds
    std::string fileFilter{kTextDefaultFileFilter};     // "description|patterns|description|patterns..."
    int tabSize = 4;                               // bytes
    std::wstring openPath;                         // folder of the last file opened or saved as
    bool inspectorShown = false;                   // the data inspector pane beside the control
    int inspectorWidth = InspectorDefaultWidth;    // its width at 96 DPI
    bool mouseSelect = false;                      // dragging, Shift+click and Shift+moves select
};

// Reads every preference, each missing value giving its default. The shortcuts are replaced
// only when "KeyAssign" has been recorded; then an empty or unknown text is no shortcut, and
// so is a missing value of the first recorded actions. An action added after them whose value
// is missing was unknown to the editor that recorded the section: it gets its layout shortcut
// unless a stored value (or an added action before it) holds that key. Otherwise `shortcuts`
// keeps what it holds (the layout's). A section recorded without "file keys" was written while
// ActionsGivenKeysLater had no default: their empty texts count as missing values of added
// actions, and a shortcut stored for them wins.
void LoadPreferences(PreferenceStore& store, Preferences& preferences, ActionShortcuts& shortcuts);

// Writes every preference and one "KeyAssign" value per action (the empty text for none).
// "recorded" and "file keys" are set only when every shortcut was written, so a failed write
// never turns a missing value into a lost shortcut at the next start.
void SavePreferences(PreferenceStore& store, const Preferences& preferences,
                     const ActionShortcuts& shortcuts);

// The backup timer's period for an interval in seconds: 0 (no ticks) for 0 or less, at most
// 0x7FFFFFFF ms.
[[nodiscard]] unsigned BackupTimerInterval(int seconds) noexcept;
