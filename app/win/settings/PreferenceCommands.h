// PreferenceCommands: the font, background colour and settings commands, and the preferences and window state read at start and stored at close.
#pragma once
#include <functional>

class EditorControl;
class TActionList;
class TForm;
struct Preferences;

// The preferences live in the registry of the current user; the control's font is kept there
// for 96 DPI and shown at the window's. Each command hands the keyboard focus back to the
// control.
class PreferenceCommands {
public:
    // `window` is the main window, whose placement is stored; `actions` carry the shortcuts.
    // `applyPreferences` puts `preferences` into effect after they were read or edited.
    PreferenceCommands(TForm& window, TActionList& actions, Preferences& preferences, EditorControl& control,
                       std::function<void()> applyPreferences);
    PreferenceCommands(const PreferenceCommands&) = delete;
    PreferenceCommands& operator=(const PreferenceCommands&) = delete;

    // ActionPrefFont, ActionPrefBgColor: the system's dialogs, starting from the control's look.
    void ChangeFont();
    void ChangeBackgroundColor();
    // ActionPrefSettings: the settings dialog, then the preferences put into effect.
    void Settings();

    // The preferences and shortcuts, then the window's placement, which cascades from the other
    // editors' windows, and the control's font and colours.
    void Load();
    void Store();
    // The control's font scaled by multiplier / divisor (a change of the window's DPI).
    void ScaleControlFont(int multiplier, int divisor);

private:
    TForm& window_;
    TActionList& actions_;
    Preferences& preferences_;
    EditorControl& control_;
    std::function<void()> applyPreferences_;
};
