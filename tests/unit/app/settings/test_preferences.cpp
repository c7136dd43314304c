// Preference values: their text encodings, loading and saving the record, the window's state.
#include "tests/unit/app/settings/MemoryPreferenceStore.h"
#include "app/settings/Preferences.h"
#include "app/settings/WindowState.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

TEST(PreferenceValues, IntegersSkipLeadingTextAndClampToTheIntRange)
{
    EXPECT_EQ(ParseStoredInt("30"), 30);
    EXPECT_EQ(ParseStoredInt("-724"), -724);
    EXPECT_EQ(ParseStoredInt("  x12y34"), 12);
    EXPECT_EQ(ParseStoredInt("abc"), 0);
    EXPECT_EQ(ParseStoredInt(""), 0);
    EXPECT_EQ(ParseStoredInt("-"), 0);
    EXPECT_EQ(ParseStoredInt("2147483647"), INT_MAX);
    EXPECT_EQ(ParseStoredInt("2147483648"), INT_MAX);
    EXPECT_EQ(ParseStoredInt("99999999999999999999999999"), INT_MAX);
    EXPECT_EQ(ParseStoredInt("-2147483648"), INT_MIN);
    EXPECT_EQ(ParseStoredInt("-99999999999999999999"), INT_MIN);
    EXPECT_EQ(ParseStoredInt("000000000000000000000042"), 42);
}

TEST(PreferenceValues, MissingValuesGiveDefaultsButEmptyIntsReadZero)
{
    MemoryPreferenceStore store;
    EXPECT_EQ(store.ReadInt("S", "n", 7), 7);
    EXPECT_EQ(store.ReadString("S", "t", "dflt"), "dflt");
    EXPECT_TRUE(store.ReadBool("S", "b", true));
    store.set("S", "n", "");
    store.set("S", "t", "");
    store.set("S", "b", "yes");
    EXPECT_EQ(store.ReadInt("S", "n", 7), 0);
    EXPECT_EQ(store.ReadString("S", "t", "dflt"), "dflt");
    EXPECT_FALSE(store.ReadBool("S", "b", false));
    store.set("S", "b", "0x");
    EXPECT_FALSE(store.ReadBool("S", "b", true));
    store.set("S", "b", "10");
    EXPECT_TRUE(store.ReadBool("S", "b", false));
}

TEST(PreferenceValues, BinaryTakesOnlyAWholeValue)
{
    MemoryPreferenceStore store;
    const uint8_t bytes[] = {0x0A, 0xFF, 0x00, 0x7C};
    store.WriteBinary("S", "v", bytes);
    EXPECT_EQ(*store.find("S", "v"), "0AFF007C");

    uint8_t buffer[4] = {1, 2, 3, 4};
    for (const char* bad : {"0AFF007", "0AFF00", "0AFF007C00", "0AFG007C", "0A FF007C"}) {
        store.set("S", "v", bad);
        EXPECT_FALSE(store.ReadBinary("S", "v", buffer)) << bad;
        EXPECT_EQ(buffer[0], 1) << bad;
        EXPECT_EQ(buffer[3], 4) << bad;
    }
    store.set("S", "v", "0aff007c");
    EXPECT_TRUE(store.ReadBinary("S", "v", buffer));
    EXPECT_EQ(buffer[1], 0xFF);
    EXPECT_EQ(buffer[3], 0x7C);
}

TEST(Preferences, NoStoredValuesGiveTheDefaultsAndLayoutShortcuts)
{
    MemoryPreferenceStore store;
    Preferences preferences;
    preferences.tabSize = 99;
    ActionShortcuts shortcuts = DefaultShortcuts();
    LoadPreferences(store, preferences, shortcuts);
    EXPECT_TRUE(preferences.showHint);
    EXPECT_EQ(preferences.backupInterval, 30);
    EXPECT_EQ(preferences.fileFilter, "すべてのファイル(*.*)|*.*");
    EXPECT_EQ(preferences.tabSize, 4);
    EXPECT_EQ(preferences.openPath, L"");
    EXPECT_EQ(shortcuts, DefaultShortcuts());

    store.set("Preference", "tab size", "abc");
    store.set("Preference", "file filter", "");
    LoadPreferences(store, preferences, shortcuts);
    EXPECT_EQ(preferences.tabSize, 0);
    EXPECT_EQ(preferences.fileFilter, kTextDefaultFileFilter);
}

TEST(Preferences, SaveWritesEveryActionThenRecordedAndLoadsBack)
{
    MemoryPreferenceStore store;
    Preferences saved;
    saved.showHint = false;
    saved.backupInterval = 45;
    saved.fileFilter = "テキスト文書(*.txt)|*.txt";
    saved.tabSize = 16;
    saved.openPath = L"C:\\データ";
    ActionShortcuts shortcuts = DefaultShortcuts();
    shortcuts[IndexOf(ActionId::FindFind)] = {};
    shortcuts[IndexOf(ActionId::FileOpen)] = {};
    SavePreferences(store, saved, shortcuts);

    EXPECT_EQ(store.values.size() + store.wideValues.size(), 9u + ActionCount + 1u);
    EXPECT_EQ(*store.find("KeyAssign", "file keys"), "1");
    EXPECT_EQ(*store.find("KeyAssign", "ActionFileOpen"), "") << "the user's none, kept";
    EXPECT_EQ(store.wideValues.at({"Preference", "open path"}), L"C:\\データ");
    EXPECT_EQ(*store.find("KeyAssign", "recorded"), "1");
    EXPECT_EQ(*store.find("KeyAssign", "ActionEditRedo"), "Shift+Ctrl+Z");
    EXPECT_EQ(*store.find("KeyAssign", "ActionFindFind"), "");
    EXPECT_EQ(*store.find("Preference", "show hint"), "0");
    EXPECT_EQ(*store.find("Preference", "backup_time"), "45");

    Preferences loaded;
    ActionShortcuts loadedShortcuts = DefaultShortcuts();
    LoadPreferences(store, loaded, loadedShortcuts);
    EXPECT_FALSE(loaded.showHint);
    EXPECT_EQ(loaded.backupInterval, 45);
    EXPECT_EQ(loaded.fileFilter, saved.fileFilter);
    EXPECT_EQ(loaded.tabSize, 16);
    EXPECT_EQ(loaded.openPath, saved.openPath);
    EXPECT_EQ(loadedShortcuts, shortcuts);

    // Once recorded, a removed value means no shortcut; an unknown text likewise.
    store.values.erase({"KeyAssign", "ActionEditUndo"});
    store.set("KeyAssign", "ActionEditCopy", "Ctrl+Nothing");
    loadedShortcuts = DefaultShortcuts();
    LoadPreferences(store, loaded, loadedShortcuts);
    EXPECT_TRUE(loadedShortcuts[IndexOf(ActionId::EditUndo)].empty());
    EXPECT_TRUE(loadedShortcuts[IndexOf(ActionId::EditCopy)].empty());
    EXPECT_EQ(loadedShortcuts[IndexOf(ActionId::EditCut)], CtrlKey('X'));
}

// "KeyAssign" recorded by an editor without the actions added since: they get their layout
// shortcuts, except where a stored value holds that key; stored values keep winning.
TEST(Preferences, ActionsAddedSinceKeyAssignWasRecordedGetTheirFreeLayoutShortcuts)
{
    MemoryPreferenceStore store;
    SavePreferences(store, Preferences{}, DefaultShortcuts());
    for (size_t i = FirstRecordedActionCount; i < ActionCount; ++i)
        store.values.erase({"KeyAssign", ActionTable[i].name});
    store.set("KeyAssign", "ActionEditCopy", "Shift+Ctrl+C");
    ActionShortcuts shortcuts{};
    Preferences preferences;
    LoadPreferences(store, preferences, shortcuts);
    EXPECT_EQ(shortcuts[IndexOf(ActionId::FindString)], ShiftCtrlKey('F'));
    EXPECT_EQ(shortcuts[IndexOf(ActionId::ToolInspector)], CtrlKey('I'));
    EXPECT_TRUE(shortcuts[IndexOf(ActionId::ToolChecksum)].empty());
    EXPECT_EQ(shortcuts[IndexOf(ActionId::ToolCompare)], ShiftCtrlKey('O'));
    EXPECT_EQ(shortcuts[IndexOf(ActionId::EditCopy)], ShiftCtrlKey('C'));

    // Once stored, an added action's value counts as any other: empty is no shortcut.
    store.set("KeyAssign", "ActionFindString", "");
    LoadPreferences(store, preferences, shortcuts);
    EXPECT_TRUE(shortcuts[IndexOf(ActionId::FindString)].empty());
}

// Ctrl+O and Ctrl+S came after "KeyAssign" was first recorded, when the file actions had no
// default: without "file keys" their empty values are that old default and give way to the new
// one where no stored shortcut holds the key; with it, empty is the user's none.
TEST(Preferences, FileKeysComeToSectionsRecordedBeforeThemUnlessTheKeyIsTaken)
{
    const struct {
        const char* name;
        bool fileKeys;
        const char* openText;    // stored for ActionFileOpen; nullptr: missing
        const char* otherCtrlS;  // stored Ctrl+S for ActionFileSaveAs, or nothing
        Shortcut open, save;
    } cases[] = {
        {"older record", false, "", "", CtrlKey('O'), CtrlKey('S')},
        {"older record, value missing", false, nullptr, "", CtrlKey('O'), CtrlKey('S')},
        {"older record, Ctrl+S taken", false, "", "Ctrl+S", CtrlKey('O'), {}},
        {"older record, a key of the user's", false, "F3", "", PlainKey(Vk::F1 + 2), CtrlKey('S')},
        {"today's record, none chosen", true, "", "", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryPreferenceStore store;
        ActionShortcuts none{};
        SavePreferences(store, Preferences{}, none);
        if (!c.fileKeys)
            store.values.erase({"KeyAssign", "file keys"});
        if (c.openText)
            store.set("KeyAssign", "ActionFileOpen", c.openText);
        else
            store.values.erase({"KeyAssign", "ActionFileOpen"});
        store.set("KeyAssign", "ActionFileSaveAs", c.otherCtrlS);
        ActionShortcuts shortcuts = DefaultShortcuts();
        Preferences preferences;
        LoadPreferences(store, preferences, shortcuts);
        EXPECT_EQ(shortcuts[IndexOf(ActionId::FileOpen)], c.open);
        EXPECT_EQ(shortcuts[IndexOf(ActionId::FileSave)], c.save);
    }
}

TEST(Preferences, InspectorPaneSurvivesARestartAndACorruptValueReadsAsTheDefault)
{
    MemoryPreferenceStore store;
    Preferences saved;
    saved.inspectorShown = true;
    saved.inspectorWidth = 412;
    SavePreferences(store, saved, DefaultShortcuts());
    Preferences loaded;
    ActionShortcuts shortcuts = DefaultShortcuts();
    LoadPreferences(store, loaded, shortcuts);
    EXPECT_TRUE(loaded.inspectorShown);
    EXPECT_EQ(loaded.inspectorWidth, 412);

    for (const char* corrupt : {"", "abc", "-300", "0", "99999999999", "59"}) {
        store.set("Preference", "inspector width", corrupt);
        store.set("Preference", "inspector", "x");
        LoadPreferences(store, loaded, shortcuts);
        EXPECT_EQ(loaded.inspectorWidth, InspectorDefaultWidth) << corrupt;
        EXPECT_FALSE(loaded.inspectorShown) << corrupt;
    }
}

TEST(Preferences, MouseSelectIsOffUntilStoredOn)
{
    MemoryPreferenceStore store;
    Preferences loaded;
    ActionShortcuts shortcuts = DefaultShortcuts();
    for (const auto& [stored, on] : {std::pair{"", false}, {"1", true}, {"x", false}, {"0", false}}) {
        store.set("Preference", "mouse select", stored);
        LoadPreferences(store, loaded, shortcuts);
        EXPECT_EQ(loaded.mouseSelect, on) << stored;
    }
}

TEST(Preferences, BothBackslashKeysSurviveARestartAndTodaysTextReadsAsBefore)
{
    MemoryPreferenceStore store;
    ActionShortcuts shortcuts = DefaultShortcuts();
    shortcuts[IndexOf(ActionId::FindFind)] = CtrlKey(Vk::Oem5);
    shortcuts[IndexOf(ActionId::FileOpen)] = ShiftCtrlKey(Vk::Oem102);
    SavePreferences(store, Preferences{}, shortcuts);
    ActionShortcuts loaded = DefaultShortcuts();
    Preferences preferences;
    LoadPreferences(store, preferences, loaded);
    EXPECT_EQ(loaded[IndexOf(ActionId::FindFind)], CtrlKey(Vk::Oem5));
    EXPECT_EQ(loaded[IndexOf(ActionId::FileOpen)], ShiftCtrlKey(Vk::Oem102));

    // A value written before both keys were told apart reads as the first, as it always did.
    store.set("KeyAssign", "ActionFileOpen", "Shift+Ctrl+\\");
    LoadPreferences(store, preferences, loaded);
    EXPECT_EQ(loaded[IndexOf(ActionId::FileOpen)], ShiftCtrlKey(Vk::Oem5));
}

TEST(Preferences, RecordedOnlyAfterEveryShortcutWasWritten)
{
    MemoryPreferenceStore store;
    store.failingName = "ActionEditCopy";
    SavePreferences(store, Preferences{}, DefaultShortcuts());
    EXPECT_EQ(store.find("KeyAssign", "recorded"), nullptr);
    EXPECT_EQ(store.wideValues.count({"Preference", "open path"}), 1u) << "the other values are still written";

    ActionShortcuts shortcuts = DefaultShortcuts();
    Preferences loaded;
    LoadPreferences(store, loaded, shortcuts);
    EXPECT_EQ(shortcuts[IndexOf(ActionId::EditCopy)], CtrlKey('C'));
}

TEST(Preferences, BackupTimerPeriod)
{
    EXPECT_EQ(BackupTimerInterval(30), 30000u);
    EXPECT_EQ(BackupTimerInterval(0), 0u);
    EXPECT_EQ(BackupTimerInterval(-5), 0u);
    EXPECT_EQ(BackupTimerInterval(INT_MAX), 0x7FFFFFFFu);
}

TEST(WindowState, PlacementIsPulledOntoTheScreen)
{
    const auto place = [](int left, int top, int right, int bottom) {
        return PlacementOnScreen({1, left, top, right, bottom}, 1024, 768);
    };
    EXPECT_EQ(place(0, 0, 300, 300), (WindowPlacement{0, 0, 400, 300}));
    // Pulled back from beyond the right edge, the window takes its minimum width inside the screen.
    EXPECT_EQ(place(5000, 10, 5600, 400), (WindowPlacement{624, 10, 400, 390}));
    EXPECT_EQ(place(1024, 10, 1500, 400).left, 624) << "a window starting at the right edge would not show";
    EXPECT_EQ(place(1023, 10, 1500, 400).left, 624);
    EXPECT_EQ(place(10, 700, 500, 800), (WindowPlacement{10, 568, 490, 200}));
    EXPECT_EQ(place(-50, -20, 600, 500), (WindowPlacement{0, 0, 600, 500}));
    EXPECT_EQ(place(100, 5000, 900, 6000), (WindowPlacement{100, 468, 800, 300}));
    EXPECT_EQ(place(100, 100, 2000, 2000), (WindowPlacement{100, 100, 924, 668}));
    // Edges far apart or crossed still give a valid size.
    EXPECT_EQ(place(INT_MIN, INT_MIN, INT_MIN, INT_MIN), (WindowPlacement{0, 0, 400, 200}));
    EXPECT_EQ(place(INT_MAX, INT_MAX, INT_MAX, INT_MAX), (WindowPlacement{624, 468, 400, 300}));
    // A screen smaller than 300 pixels.
    EXPECT_EQ(PlacementOnScreen({1, 500, 500, 600, 600}, 200, 100).left, 0);
}

TEST(WindowState, ASecondWindowCascadesFromTheFirst)
{
    const WindowPlacement first{100, 50, 600, 400};
    EXPECT_EQ(CascadePlacement(first, {}, 26, 1024, 768), first);
    EXPECT_EQ(CascadePlacement(first, {{100, 50}}, 26, 1024, 768), (WindowPlacement{126, 76, 600, 400}));
    EXPECT_EQ(CascadePlacement(first, {{126, 76}, {100, 50}, {0, 0}}, 26, 1024, 768),
              (WindowPlacement{152, 102, 600, 400}));
    // A step past the screen's edge starts again at its top-left corner.
    EXPECT_EQ(CascadePlacement({424, 50, 600, 400}, {{424, 50}}, 26, 1024, 768), (WindowPlacement{0, 0, 600, 400}));
    EXPECT_EQ(CascadePlacement({0, 0, 1024, 768}, {{0, 0}}, 26, 1024, 768), (WindowPlacement{0, 0, 1024, 768}));
}

TEST(WindowState, ShowStateAndStoredEdges)
{
    MemoryPreferenceStore store;
    WindowLook look;
    SaveWindowState(store, ShowState::Normal, {10, 20, 640, 480}, look);
    EXPECT_EQ(*store.find("Preference", "window right"), "650");
    EXPECT_EQ(*store.find("Preference", "window bottom"), "500");

    SaveWindowState(store, ShowState::Maximised, {0, 0, 1024, 768}, look);
    EXPECT_EQ(*store.find("Preference", "window state"), "3");
    EXPECT_EQ(*store.find("Preference", "window right"), "650") << "a maximised window keeps the normal edges";

    const WindowPlacement loaded = LoadWindowState(store, 1920, 1080);
    EXPECT_EQ(loaded, (WindowPlacement{10, 20, 640, 480, ShowState::Maximised}));
    EXPECT_EQ(ShowStateOf(7), ShowState::Normal);
}

TEST(WindowState, FontAndColoursRoundTripAndBadValuesKeepTheControlsOwn)
{
    WindowLook saved;
    for (size_t i = 0; i < LogFontBytes::size; ++i)
        saved.font.bytes[i] = static_cast<uint8_t>(i < 40 ? i + 1 : 0);
    saved.fontColor = 0x00112233;
    saved.bkColor = 0x00FFFFFF;
    MemoryPreferenceStore store;
    SaveWindowState(store, ShowState::Normal, {0, 0, 400, 200}, saved);
    EXPECT_EQ(store.find("Preference", "font style")->size(), 120u);
    EXPECT_EQ(*store.find("Preference", "font color"), "33221100");

    WindowLook loaded;
    LoadWindowLook(store, loaded);
    EXPECT_EQ(loaded.font.bytes, saved.font.bytes);
    EXPECT_EQ(loaded.fontColor, 0x00112233u);
    EXPECT_EQ(loaded.bkColor, 0x00FFFFFFu);

    const WindowLook control;  // what the control shows before loading
    const std::string font = *store.find("Preference", "font style");
    std::string unterminated = font;
    unterminated.replace(LogFontBytes::faceNameOffset * 2, 64, std::string(64, '4'));
    for (const std::string& bad : {font.substr(0, 119), font.substr(0, 118), font + "00", unterminated,
                                   "ZZ" + font.substr(2)}) {
        store.set("Preference", "font style", bad);
        WindowLook look = control;
        LoadWindowLook(store, look);
        EXPECT_EQ(look.font.bytes, control.font.bytes) << bad;
    }
    store.set("Preference", "bk color", "FFFFF");
    WindowLook look = control;
    LoadWindowLook(store, look);
    EXPECT_EQ(look.bkColor, control.bkColor);
    EXPECT_EQ(look.fontColor, 0x00112233u);
}
