// The editor itself started with "-o" and a file: its window shows that document.
#include "common/ACommandLine.h"

#include "tests/win/support/Process.h"
#include "tests/win/support/Wait.h"

#include <commctrl.h>
#include "common/win/WideText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The editor under a name of its own, so its registry key and files are this test's.
constexpr char kEditorName[] = "st_editor";
constexpr char kEditorKey[] = "Software\\KORVANI\\st_editor";

HWND ChildOfClass(HWND parent, const char* className)
{
    struct Search {
        const char* className;
        HWND found;
    } search{className, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM param) {
            auto& search = *reinterpret_cast<Search*>(param);
            char name[64] = {};
            GetClassNameA(child, name, sizeof name);
            if (lstrcmpiA(name, search.className) != 0)
                return TRUE;
            search.found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A window's text without the tabs that align status-bar texts.
std::string TextOf(HWND window)
{
    char text[1024] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        5000, nullptr);
    std::string shown(text);
    std::erase(shown, '\t');
    return shown;
}

class EditorStart : public testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "qx editor start " + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        editor_ = ProgramFolder() + kEditorName + ".exe";
        ASSERT_TRUE(CopyFileA((ProgramFolder() + "vornalix.exe").c_str(), editor_.c_str(), FALSE));
        RegDeleteTreeA(HKEY_CURRENT_USER, kEditorKey);
        // The editor keeps its backup and process list in the temporary folder.
        GetEnvironmentVariableA("TMP", savedTmp_, sizeof savedTmp_);
        GetEnvironmentVariableA("TEMP", savedTemp_, sizeof savedTemp_);
        SetEnvironmentVariableA("TMP", folder_.c_str());
        SetEnvironmentVariableA("TEMP", folder_.c_str());
    }

    void TearDown() override
    {
        SetEnvironmentVariableA("TMP", savedTmp_);
        SetEnvironmentVariableA("TEMP", savedTemp_);
        RegDeleteTreeA(HKEY_CURRENT_USER, kEditorKey);
        DeleteFileA(editor_.c_str());
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder_ + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                DeleteFileA((folder_ + found.cFileName).c_str());
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder_.c_str());
    }

    std::string folder_;
    std::string editor_;
    char savedTmp_[MAX_PATH] = {};
    char savedTemp_[MAX_PATH] = {};
};

} // namespace

TEST_F(EditorStart, OpenOptionShowsTheFile)
{
    const std::string file = folder_ + "h  i.bin";
    HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    const char bytes[20] = {1, 2, 3};
    DWORD written = 0;
    WriteFile(handle, bytes, sizeof bytes, &written, nullptr);
    CloseHandle(handle);

    ACommandLine commandLine(WideFromAnsi(editor_));
    commandLine.AddArgument(L"-o");
    commandLine.AddArgument(WideFromAnsi(file));
    ChildProcess editor(editor_, AnsiText(ComposeCommandLine(commandLine)));
    ASSERT_TRUE(editor.started());
    HWND main = WaitForProcessWindow(editor.id(), "TFormVornalix");
    ASSERT_NE(main, nullptr) << "no main window";
    HWND status = ChildOfClass(main, STATUSCLASSNAMEA);
    HWND names = ChildOfClass(main, "ComboBox");
    ASSERT_NE(status, nullptr);
    ASSERT_NE(names, nullptr);
    EXPECT_TRUE(WaitFor([&] { return TextOf(names) == file && TextOf(status) == "20"; }))
        << "shown: \"" << TextOf(names) << "\", size " << TextOf(status);

    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(editor.waitForExit());
    EXPECT_EQ(editor.exitCode(), 0u);
}
