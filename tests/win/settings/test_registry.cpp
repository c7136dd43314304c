// The registry store under Wine: bookkeeping, buffer growth, preferences through the store.
#include "app/settings/Preferences.h"
#include "app/settings/WindowState.h"
#include "app/win/settings/RegistryPreferenceStore.h"
#include "common/win/ARegistry.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// Each test has a key of its own under the program's company key, removed afterwards.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        base_ = "Software\\KORVANI\\qx-test-" + std::to_string(GetCurrentProcessId()) + "-" + info->name();
        RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str());
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, base_.c_str()); }

    // Sets a value past the store, as another program or a damaged profile would.
    void setRaw(const std::string& section, const std::string& name, const std::string& text,
                DWORD type = REG_SZ) const
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (base_ + "\\" + section).c_str(), 0, nullptr, 0,
                                  KEY_SET_VALUE, nullptr, &key, nullptr), ERROR_SUCCESS);
        RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
        RegCloseKey(key);
    }

    [[nodiscard]] std::string raw(const std::string& section, const std::string& name) const
    {
        char text[64] = {};
        DWORD size = sizeof text;
        if (RegGetValueA(HKEY_CURRENT_USER, (base_ + "\\" + section).c_str(), name.c_str(),
                         RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
            return "<missing>";
        return text;
    }

    [[nodiscard]] DWORD valueCount(const std::string& section) const
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, (base_ + "\\" + section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return 0;
        DWORD values = 0;
        RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr,
                         nullptr, nullptr, nullptr);
        RegCloseKey(key);
        return values;
    }

    std::string base_;
};

TEST_F(RegistryTest, ProgramKeyIsTheCompanyKeyAndTheProgramFileName)
{
    EXPECT_EQ(ARegistry::ProgramKey(), "Software\\KORVANI\\win_settings");
}

TEST_F(RegistryTest, CreationRecordsTheEncodingAndReadingTheValueSize)
{
    {
        ARegistry registry(base_);
        EXPECT_EQ(registry.encoding(), ARegistry::kSjis);
        EXPECT_EQ(raw("Record Base", "encoding"), "sjis");
        EXPECT_EQ(raw("Record Base", "value size"), "264");
    }
    setRaw("Record Base", "encoding", "utf8");
    EXPECT_EQ(ARegistry(base_).encoding(), ARegistry::kUtf8);
    setRaw("Record Base", "encoding", "latin1");
    EXPECT_EQ(ARegistry(base_).encoding(), ARegistry::kUnknown);
    EXPECT_EQ(raw("Record Base", "encoding"), "latin1");
}

TEST_F(RegistryTest, WithNoKeyAtAllEveryPreferenceHasItsDefault)
{
    ARegistry registry(base_);
    RegistryPreferenceStore store(registry);
    Preferences preferences;
    preferences.showHint = false;
    preferences.backupInterval = 1;
    preferences.tabSize = 9;
    ActionShortcuts shortcuts = DefaultShortcuts();
    LoadPreferences(store, preferences, shortcuts);
    EXPECT_TRUE(preferences.showHint);
    EXPECT_EQ(preferences.backupInterval, 30);
    EXPECT_EQ(preferences.fileFilter, kTextDefaultFileFilter);
    EXPECT_EQ(preferences.tabSize, 4);
    EXPECT_EQ(preferences.openPath, L"");
    EXPECT_EQ(shortcuts, DefaultShortcuts());
    EXPECT_EQ(LoadWindowState(store, 1024, 768), (WindowPlacement{0, 0, 400, 300, ShowState::Normal}));
}

TEST_F(RegistryTest, StoredTextsThatAreNoValueReadAsTheRulesSay)
{
    setRaw("Preference", "tab size", "abc");
    setRaw("Preference", "file filter", "");
    setRaw("Preference", "backup_time", "99999999999");
    setRaw("Preference", "show hint", "30", REG_DWORD);  // not a string: as if missing
    ARegistry registry(base_);
    RegistryPreferenceStore store(registry);
    Preferences preferences;
    ActionShortcuts shortcuts = DefaultShortcuts();
    LoadPreferences(store, preferences, shortcuts);
    EXPECT_EQ(preferences.tabSize, 0);
    EXPECT_EQ(preferences.fileFilter, kTextDefaultFileFilter);
    EXPECT_EQ(preferences.backupInterval, INT_MAX);
    EXPECT_TRUE(preferences.showHint);
    EXPECT_EQ(registry.ReadInt("Preference", "window left", -7), -7);
}

TEST_F(RegistryTest, SavedShortcutsAreOneValuePerActionAndAMissingOneIsNoShortcut)
{
    Preferences preferences;
    preferences.openPath = L"C:\\データ";
    {
        ARegistry registry(base_);
        RegistryPreferenceStore store(registry);
        SavePreferences(store, preferences, DefaultShortcuts());
    }
    EXPECT_EQ(valueCount("KeyAssign"), ActionCount + 2);
    EXPECT_EQ(raw("KeyAssign", "recorded"), "1");
    EXPECT_EQ(raw("KeyAssign", "file keys"), "1");
    EXPECT_EQ(raw("KeyAssign", "ActionFindFind"), "Ctrl+F");

    ARegistry registry(base_);
    EXPECT_TRUE(registry.DeleteValue("KeyAssign", "ActionFindFind"));
    EXPECT_FALSE(registry.DeleteValue("KeyAssign", "ActionFindFind"));
    RegistryPreferenceStore store(registry);
    Preferences loaded;
    ActionShortcuts shortcuts = DefaultShortcuts();
    LoadPreferences(store, loaded, shortcuts);
    EXPECT_TRUE(shortcuts[IndexOf(ActionId::FindFind)].empty());
    EXPECT_EQ(shortcuts[IndexOf(ActionId::EditRedo)], DefaultShortcuts()[IndexOf(ActionId::EditRedo)]);
    EXPECT_EQ(loaded.openPath, L"C:\\データ");
}

TEST_F(RegistryTest, AFontStyleOfOddLengthKeepsTheControlsFont)
{
    ARegistry registry(base_);
    RegistryPreferenceStore store(registry);
    WindowLook look;
    look.font.bytes.fill(0x11);
    look.font.bytes[LogFontBytes::faceNameOffset] = 0;
    look.fontColor = 0x00102030;
    SaveWindowState(store, ShowState::Normal, WindowPlacement{}, look);

    std::string odd = registry.ReadString("Preference", "font style", "");
    ASSERT_EQ(odd.size(), 120u);
    odd.pop_back();
    ASSERT_TRUE(registry.WriteString("Preference", "font style", odd));
    WindowLook current;
    current.font.bytes.fill(0x22);
    LoadWindowLook(store, current);
    EXPECT_EQ(current.font.bytes[0], 0x22);
    EXPECT_EQ(current.fontColor, 0x00102030u);
}

TEST_F(RegistryTest, LongTextsGrowTheBufferAndTheRecordKeepsTheLargestSize)
{
    const std::string long5000(5000, 'x');
    const std::string long1000(1000, 'y');
    ASSERT_TRUE(ARegistry(base_).WriteString("Preference", "file filter", long5000));
    EXPECT_EQ(raw("Record Base", "value size"), "5001");
    ASSERT_TRUE(ARegistry(base_).WriteString("Preference", "open path", long1000));
    EXPECT_EQ(raw("Record Base", "value size"), "5001");

    ARegistry reader(base_);
    EXPECT_EQ(reader.ReadString("Preference", "file filter", "d"), long5000);
    EXPECT_EQ(reader.ReadString("Preference", "open path", "d"), long1000);
    EXPECT_EQ(reader.bufferSize(), 5001u);

    // A value longer than any store ever recorded does not fit and reads as missing.
    setRaw("Preference", "file filter", std::string(6000, 'z'));
    EXPECT_EQ(ARegistry(base_).ReadString("Preference", "file filter", "d"), "d");
}

TEST_F(RegistryTest, ADamagedValueSizeNeitherCrashesNorStopsTheStore)
{
    for (const char* recorded : {"99999999999999", "2147483647", "-5", "junk"}) {
        SCOPED_TRACE(recorded);
        setRaw("Record Base", "value size", recorded);
        setRaw("Preference", "open path", "C:\\x");
        ARegistry registry(base_);
        EXPECT_EQ(registry.ReadString("Preference", "open path", "d"), "C:\\x");
        EXPECT_LE(registry.bufferSize(), ARegistry::MaxBufferSize);
        EXPECT_GE(registry.bufferSize(), ARegistry::InitialBufferSize);
        EXPECT_TRUE(registry.WriteString("Preference", "open path", std::string(300, 'p')));
        EXPECT_EQ(registry.ReadString("Preference", "open path", "d"), std::string(300, 'p'));
    }
    // A record below the buffer's size is raised to it at the next read.
    setRaw("Record Base", "value size", "-5");
    EXPECT_EQ(ARegistry(base_).ReadString("Preference", "missing", "d"), "d");
    EXPECT_EQ(raw("Record Base", "value size"), "264");
}

TEST_F(RegistryTest, ATextNoStoreCouldReadBackIsNotWritten)
{
    ARegistry registry(base_);
    ASSERT_TRUE(registry.WriteString("Preference", "file filter", "keep"));
    EXPECT_FALSE(registry.WriteString("Preference", "file filter", std::string(ARegistry::MaxBufferSize, 'x')));
    EXPECT_EQ(registry.ReadString("Preference", "file filter", "d"), "keep");
}

TEST_F(RegistryTest, DeleteKeyRemovesTheSection)
{
    ARegistry registry(base_);
    ASSERT_TRUE(registry.WriteInt("Preference", "tab size", 8));
    ASSERT_TRUE(registry.WriteString("Process", "profile", "C:\\t\\QX1.tmp"));
    EXPECT_EQ(registry.ReadInt("Preference", "tab size", 4), 8);
    EXPECT_TRUE(registry.DeleteKey("Preference"));
    EXPECT_EQ(registry.ReadInt("Preference", "tab size", 4), 4);
    EXPECT_FALSE(registry.DeleteKey("Preference"));
    EXPECT_EQ(registry.ReadString("Process", "profile", ""), "C:\\t\\QX1.tmp");
}

} // namespace
