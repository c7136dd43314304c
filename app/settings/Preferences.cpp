// LoadPreferences and SavePreferences.
#include "app/settings/Preferences.h"

#include "app/settings/SettingsRules.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

void LoadRecordedShortcuts(PreferenceStore& store, ActionShortcuts& shortcuts)
{
    const bool fileKeysKnown = store.ReadBool(PrefKey::KeyAssign, PrefKey::FileKeys, false);
    const auto givenKeyLater = [](size_t i) {
        return std::any_of(std::begin(ActionsGivenKeysLater), std::end(ActionsGivenKeysLater),
                           [i](ActionId action) { return IndexOf(action) == i; });
    };
    std::vector<size_t> unrecorded;
    for (size_t i = 0; i < ActionCount; ++i) {
        const std::optional<std::string> text = store.readText(PrefKey::KeyAssign, ActionTable[i].name);
        shortcuts[i] = TextToShortcut(text.value_or(std::string()));
        if ((!text && i >= FirstRecordedActionCount) ||
            (!fileKeysKnown && givenKeyLater(i) && text.value_or(std::string()).empty()))
            unrecorded.push_back(i);
    }
    for (const size_t i : unrecorded)
        if (!ShortcutHolder(shortcuts, ActionTable[i].defaultShortcut))
            shortcuts[i] = ActionTable[i].defaultShortcut;
}

} // namespace

void LoadPreferences(PreferenceStore& store, Preferences& preferences, ActionShortcuts& shortcuts)
{
    using namespace PrefKey;
    preferences.showHint = store.ReadBool(Preference, ShowHint, true);
    preferences.backupInterval = store.ReadInt(Preference, BackupTime, 30);
    preferences.fileFilter = store.ReadString(Preference, FileFilter, kTextDefaultFileFilter);
    if (store.ReadBool(KeyAssign, Recorded, false))
        LoadRecordedShortcuts(store, shortcuts);
    preferences.tabSize = store.ReadInt(Preference, TabSize, 4);
    preferences.openPath = store.readWideText(Preference, OpenPath).value_or(std::wstring());
    preferences.inspectorShown = store.ReadBool(Preference, Inspector, false);
    const int width = store.ReadInt(Preference, InspectorWidth, InspectorDefaultWidth);
    preferences.inspectorWidth =
        width >= InspectorMinWidth && width <= InspectorMaxWidth ? width : InspectorDefaultWidth;
    preferences.mouseSelect = store.ReadBool(Preference, MouseSelect, false);
}

void SavePreferences(PreferenceStore& store, const Preferences& preferences,
                     const ActionShortcuts& shortcuts)
{
    using namespace PrefKey;
    store.WriteBool(Preference, ShowHint, preferences.showHint);
    store.WriteInt(Preference, BackupTime, preferences.backupInterval);
    store.WriteString(Preference, FileFilter, preferences.fileFilter);
    bool everyShortcutWritten = true;
    for (size_t i = 0; i < ActionCount; ++i)
        everyShortcutWritten &= store.WriteString(KeyAssign, ActionTable[i].name, ShortcutToStoredText(shortcuts[i]));
    if (everyShortcutWritten && store.WriteBool(KeyAssign, FileKeys, true))
        store.WriteBool(KeyAssign, Recorded, true);
    store.WriteInt(Preference, TabSize, preferences.tabSize);
    store.writeWideText(Preference, OpenPath, preferences.openPath);
    store.WriteBool(Preference, Inspector, preferences.inspectorShown);
    store.WriteInt(Preference, InspectorWidth, preferences.inspectorWidth);
    store.WriteBool(Preference, MouseSelect, preferences.mouseSelect);
}

unsigned BackupTimerInterval(int seconds) noexcept
{
    if (seconds <= 0)
        return 0;
    return static_cast<unsigned>(std::min<int64_t>(static_cast<int64_t>(seconds) * 1000, 0x7FFFFFFF));
}
