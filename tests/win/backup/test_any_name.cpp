// The running editor on files whose names code page 932 cannot spell, and on a path of 300
// characters: opened from the command line, edited, saved with Ctrl+S, listed under the name,
// killed, and recovered on the same name after the restart.
#include "tests/win/backup/RecoveryChecks.h"

#include "common/win/WideText.h"
#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr char kMainClass[] = "TFormVornalix";

HWND ControlOf(HWND main)
{
    const std::vector<HWND> controls = ChildrenOfClass(main, "TALVINEWINDOW");
    return controls.empty() ? nullptr : controls.front();
}

void Press(HWND control, WPARAM key) { PostMessageA(control, WM_KEYDOWN, key, 0); }

bool PutWide(const std::wstring& path, const std::string& bytes)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == bytes.size();
}

std::string WideFileText(const std::wstring& path)
{
    std::vector<uint8_t> bytes = ReadBytes(L"\\\\?\\" + path);
    return std::string(bytes.begin(), bytes.end());
}

// The editing list's selected text, asked of the other process's combo box.
std::wstring ListedName(HWND main)
{
    const std::vector<HWND> combos = ChildrenOfClass(main, "ComboBox");
    if (combos.empty())
        return {};
    const LRESULT index = SendMessageW(combos.front(), CB_GETCURSEL, 0, 0);
    const LRESULT length = index < 0 ? -1 : SendMessageW(combos.front(), CB_GETLBTEXTLEN, index, 0);
    if (length < 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combos.front(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

TEST(AnyName, OpenedEditedSavedListedAndRecoveredUnderItsOwnName)
{
    if (!RunningEditor::CanPressKeys())
        GTEST_SKIP() << "no display for real key presses";
    BackupScene scene("bk_any_name", "vornalix.exe");
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\KORVANI\\bk_any_name\\Preference", "backup_time", REG_SZ, "1", 2);
    const std::wstring files = WideFromAnsi(scene.filePath(""));
    // A folder path past 260 characters, made one level at a time.
    std::wstring deep = files;
    for (wchar_t letter = L'a'; deep.size() < 300; ++letter) {
        deep += std::wstring(60, letter) + L"\\";
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    }
    const struct {
        const char* script;
        std::wstring name;
    } cases[] = {
        {"Latin with accents", files + L"Café déjà vu.bin"},
        {"Hangul", files + L"한국어 문서.bin"},
        {"Greek with accents", files + L"ύψος άλφα.bin"},
        {"emoji", files + L"\U0001F600 smile.bin"},
        {"a 300-character path", deep + L"long name.bin"},
    };
    for (const auto& [script, name] : cases) {
        SCOPED_TRACE(script);
        ASSERT_TRUE(PutWide(L"\\\\?\\" + name, "ABCD"));
        ChildProcess editor(WideFromAnsi(scene.program()),
                            L"\"" + WideFromAnsi(scene.program()) + L"\" -o \"" + name + L"\"");
        const HWND main = WaitForProcessWindow(editor.id(), kMainClass);
        ASSERT_NE(main, nullptr);
        const HWND control = ControlOf(main);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ListedName(main), name);

        // Typed over the first nibble and saved with Ctrl+S: "A" becomes "q".
        Press(control, VK_HOME);
        Press(control, '7');
        ASSERT_TRUE(PressKeysIn(main, "ctrl+s"));
        ASSERT_TRUE(WaitFor([&] { return WideFileText(name) == "qBCD"; }, 20000)) << "not saved";

        // Edited again, backed up under the name, killed. Through the input queue, behind the
        // release of Ctrl: a posted key would overtake it.
        ASSERT_TRUE(PressKeysIn(main, "Home 5"));
        std::optional<Profile> record;
        ASSERT_TRUE(WaitFor([&] {
            record = RecordOf(scene.records(), name);
            return record && BackupBytes(record->backupFile) == std::vector<uint8_t>{'Q', 'B', 'C', 'D'};
        }, 20000)) << "no backup under the name: " << scene.records().size() << " records, "
                   << (record ? AnsiText(record->documentName) + " " + AnsiText(record->backupFile) + " holding " +
                                    [&] { const auto b = BackupBytes(record->backupFile); return std::string(b.begin(), b.end()); }()
                              : std::string("none of the name"));
        editor.terminate();
        ASSERT_TRUE(editor.waitForExit());

        // The restart recovers the edit on the same name; the file keeps what was saved.
        auto restarted = scene.start();
        EXPECT_EQ(AnswerStartBox(restarted->id()), kAbnormalTerminationText);
        const HWND recoveredMain = WaitForRecoveryWindow(restarted->id());
        ASSERT_NE(recoveredMain, nullptr);
        std::optional<Profile> recovered;
        ASSERT_TRUE(WaitFor([&] {
            recovered = RecordOf(scene.records(), name);
            return recovered && BackupBytes(recovered->backupFile) == std::vector<uint8_t>{'Q', 'B', 'C', 'D'};
        }, 20000)) << "not recovered under the name";
        EXPECT_EQ(ListedName(recoveredMain), name);
        EXPECT_EQ(WideFileText(name), "qBCD");

        for (HWND window : BackupScene::windows(kMainClass))
            EXPECT_TRUE(CloseEditor(window));
        EXPECT_TRUE(DeleteFileW((L"\\\\?\\" + name).c_str()));
    }
    for (std::wstring folder = deep; folder.size() > files.size();
         folder.erase(folder.rfind(L'\\', folder.size() - 2) + 1))
        RemoveDirectoryW((L"\\\\?\\" + folder).c_str());
}

} // namespace
