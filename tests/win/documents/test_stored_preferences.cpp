// Preferences and window state in the registry: written at the first normal close, applied at the next start.
#include "app/win/system/EditorLibrary.h"
#include "common/win/ARegistry.h"
#include "tests/win/documents/DocumentsScene.h"

#include <optional>

using StoredPreferences = DocumentsScene;

namespace {

std::string SectionKey(const std::string& section) { return ARegistry::ProgramKey() + "\\" + section; }

std::optional<std::string> Stored(const std::string& section, const char* name)
{
    char text[1024] = {};
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_CURRENT_USER, SectionKey(section).c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return std::string(text);
}

void Store(const std::string& section, const char* name, const std::string& text)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, SectionKey(section).c_str(), name, REG_SZ, text.c_str(),
                    static_cast<DWORD>(text.size() + 1));
}

DWORD ValueCount(const std::string& section)
{
    HKEY key = nullptr;
    DWORD values = 0;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionKey(section).c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                         nullptr);
        RegCloseKey(key);
    }
    return values;
}

} // namespace

TEST_F(StoredPreferences, FirstNormalCloseStoresEveryShortcutAndTheNextStartAppliesThem)
{
    // The defaults: at (0, 0), 400 x 300 after the minimum width.
    RECT frame{};
    GetWindowRect(form().Handle(), &frame);
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.right - frame.left, 400);
    EXPECT_EQ(frame.bottom - frame.top, 300);
    EXPECT_FALSE(Stored("KeyAssign", "recorded"));

    form().Close();
    EXPECT_FALSE(IsWindowVisible(form().Handle()));
    EXPECT_EQ(ValueCount("KeyAssign"), ActionCount + 2);
    EXPECT_EQ(Stored("KeyAssign", "recorded"), "1");
    EXPECT_EQ(Stored("KeyAssign", "file keys"), "1");
    EXPECT_EQ(Stored("KeyAssign", "ActionFileSave"), "Ctrl+S");
    EXPECT_EQ(Stored("KeyAssign", "ActionFindFind"), "Ctrl+F");
    EXPECT_EQ(Stored("KeyAssign", "ActionEditRedo"), "Shift+Ctrl+Z");
    EXPECT_EQ(Stored("Preference", "window state"), "1");
    EXPECT_EQ(Stored("Preference", "window right"), "400");
    EXPECT_EQ(Stored("Preference", "font style").value_or("").size(), 120u);

    // A removed shortcut stays removed; a position beyond the screen is pulled back; maximised.
    ASSERT_EQ(RegDeleteKeyValueA(HKEY_CURRENT_USER, SectionKey("KeyAssign").c_str(), "ActionFindFind"), ERROR_SUCCESS);
    Store("Preference", "window left", "5000");
    Store("Preference", "window state", "3");
    Store("Preference", "tab size", "abc");
    OpenWindow();
    EXPECT_TRUE(form().Action(ActionId::FindFind).ShortCut().empty());
    EXPECT_EQ(form().Action(ActionId::FindNext).ShortCut(), CtrlKey('N'));
    EXPECT_TRUE(IsZoomed(form().Handle()));
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(form().Handle(), &placement);
    // Pulled back far enough for the window's minimum width to show whole.
    EXPECT_EQ(placement.rcNormalPosition.left, GetSystemMetrics(SM_CXSCREEN) - 400);
    EXPECT_LE(placement.rcNormalPosition.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(Editor.QX_GetTabSize(control()), 1);

    // Closed maximised: the state is stored, the last normal edges stay.
    form().Close();
    EXPECT_EQ(Stored("Preference", "window state"), "3");
    EXPECT_EQ(Stored("Preference", "window left"), "5000");
    EXPECT_EQ(Stored("KeyAssign", "ActionFindFind"), "");
}
