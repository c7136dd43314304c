// The running editor and the world around it: a file changed by another program, the session's
// end, read-only opens, and several files handed over by the shell.
#include "app/win/documents/DocumentSource.h"
#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/MessageBoxCatcher.h"
#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/TempDocument.h"
#include "tests/win/support/Wait.h"

#include <commctrl.h>
#include "common/win/WideText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <future>
#include <iterator>
#include <memory>
#include <string>

namespace {

// The editor loses the activation to a window of the test and gets it back, as a user's click
// into another program and back does.
bool Reactivate(HWND editor)
{
    static const HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                              nullptr, GetModuleHandleA(nullptr), nullptr);
    // A loaded machine may drop a change of the foreground while the X focus settles: try again.
    for (int attempt = 0; attempt < 4; ++attempt) {
        SetForegroundWindow(other);
        if (!WaitFor([] { return GetForegroundWindow() == other; }, 4000))
            continue;
        SetForegroundWindow(editor);
        if (WaitFor([&] { return GetForegroundWindow() == editor; }, 4000))
            return true;
    }
    return false;
}

// The editor's next message box, read and closed with the button.
CaughtBox Answer(const RunningEditor& editor, int button)
{
    const HWND box = editor.waitForWindow("#32770");
    if (!box)
        return {"", "no message box", 0};
    const CaughtBox read = ReadMessageBox(box);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    editor.waitForNoWindow("#32770");
    return read;
}

// A status-bar panel's text of another process, copied through memory of that process.
std::string PanelText(const RunningEditor& editor, int panel)
{
    const std::vector<HWND> bars = ChildrenOfClass(editor.window(), STATUSCLASSNAMEA);
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, editor.processId());
    if (bars.empty() || !process)
        return "no status bar";
    void* remote = VirtualAllocEx(process, nullptr, 256, MEM_COMMIT, PAGE_READWRITE);
    char text[256] = {};
    SendMessageTimeoutA(bars.front(), SB_GETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(remote),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    ReadProcessMemory(process, remote, text, sizeof text - 1, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    std::string shown(text);
    std::erase(shown, '\t');
    return shown;
}

bool Modified(const RunningEditor& editor) { return PanelText(editor, 1) == "変更"; }

// The temporary files (backup, process list) left in the editor's own folder.
int TemporaryFiles(const RunningEditor& editor)
{
    int count = 0;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(editor.filePath("*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do
        ++count;
    while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

class OutsideWorld : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RunningEditor::CanPressKeys())
            GTEST_SKIP() << "needs xdotool and a display";
    }

    std::unique_ptr<RunningEditor> start(const std::string& name, const std::string& arguments)
    {
        auto editor = std::make_unique<RunningEditor>(name, arguments);
        EXPECT_TRUE(editor->started());
        return editor;
    }
};

// Sends the session-end query from another thread, so the test can answer the save query.
class EndSessionQuery {
public:
    explicit EndSessionQuery(HWND window)
        : result_(std::async(std::launch::async, [window] {
              DWORD_PTR answer = 0;
              SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 30000, &answer);
              return answer;
          }))
    {
    }
    [[nodiscard]] bool allowed() { return result_.get() != 0; }

private:
    std::future<DWORD_PTR> result_;
};

// The save query of the session's end, answered with the button.
std::string AnswerSaveQuery(const RunningEditor& editor, const std::string& button)
{
    const HWND query = editor.waitForWindow("TFormQuerySave");
    if (!query)
        return "no save query";
    const std::string question = TextOf(ChildWithText(query, "「終了」をする前に保存しますか？"));
    PostClick(ChildWithText(query, button));
    editor.waitForNoWindow("TFormQuerySave");
    return question;
}

} // namespace

TEST_F(OutsideWorld, AFileChangedElsewhereIsKeptOrReloadedAndAskedAboutOnce)
{
    const TempDocument file("qx_changed", "AAAA");
    const auto editor = start("qx_changed", file.quoted());
    ASSERT_EQ(editor->sizeText(), "4");

    file.write("BBBBBB");
    ASSERT_TRUE(Reactivate(editor->window()));
    const CaughtBox question = Answer(*editor, IDNO);
    EXPECT_NE(question.text.find(file.path()), std::string::npos) << question.text;
    EXPECT_NE(question.text.find("読み込み直しますか"), std::string::npos) << question.text;
    EXPECT_EQ(question.flags & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    // Kept, and not asked again on the next activation.
    ASSERT_TRUE(Reactivate(editor->window()));
    const HWND again = editor->waitForWindow("#32770", 2000);
    EXPECT_EQ(again, nullptr) << (again ? ReadMessageBox(again).text : "");
    EXPECT_EQ(editor->sizeText(), "4");

    file.write("CCC");
    ASSERT_TRUE(Reactivate(editor->window()));
    Answer(*editor, IDYES);
    EXPECT_TRUE(WaitFor([&] { return editor->sizeText() == "3"; }, 30000)) << editor->sizeText();
    EXPECT_EQ(editor->dataText(), "434343");
}

TEST_F(OutsideWorld, ASaveOverAChangedFileAsksAndADeletedFileIsSaidAndWrittenAgain)
{
    const TempDocument file("qx_overwrite", "AAAA");
    const auto editor = start("qx_overwrite", file.quoted());
    ASSERT_TRUE(editor->pressKeys("Home 5"));
    ASSERT_TRUE(WaitFor([&] { return Modified(*editor); }));

    // The window stays active: the change is found by the save.
    file.write("BB");
    ASSERT_TRUE(editor->pressKeys("alt+f s"));
    const CaughtBox question = Answer(*editor, IDNO);
    EXPECT_NE(question.text.find("上書きしますか"), std::string::npos) << question.text;
    EXPECT_EQ(file.text(), "BB");
    EXPECT_TRUE(Modified(*editor));
    ASSERT_TRUE(editor->pressKeys("alt+f s"));
    Answer(*editor, IDYES);
    // The keys come after the save is done.
    EXPECT_EQ(editor->dataText(), "51414141");
    EXPECT_EQ(file.text(), "QAAA");

    ASSERT_TRUE(file.remove());
    ASSERT_TRUE(Reactivate(editor->window()));
    const CaughtBox notice = Answer(*editor, IDOK);
    EXPECT_NE(notice.text.find("削除されました"), std::string::npos) << notice.text;
    EXPECT_TRUE(WaitFor([&] { return Modified(*editor); }));
    ASSERT_TRUE(editor->pressKeys("alt+f s"));
    EXPECT_TRUE(WaitFor([&] { return file.text() == "QAAA"; })) << file.text();
    EXPECT_FALSE(Modified(*editor));
}

TEST_F(OutsideWorld, TheSessionEndAsksAsAClosePutsCancelRefusesAndTheEndCleansUp)
{
    const TempDocument file("qx_session", "AAAA");
    auto editor = start("qx_session", file.quoted());
    ASSERT_TRUE(editor->pressKeys("Home 5"));
    ASSERT_TRUE(WaitFor([&] { return Modified(*editor); }));
    ASSERT_EQ(TemporaryFiles(*editor), 2);  // the backup and the process list

    EndSessionQuery cancelled(editor->window());
    EXPECT_EQ(AnswerSaveQuery(*editor, "中止"), "「終了」をする前に保存しますか？");
    EXPECT_FALSE(cancelled.allowed());
    EXPECT_TRUE(Modified(*editor));

    EndSessionQuery notSaved(editor->window());
    AnswerSaveQuery(*editor, "保存しない");
    EXPECT_TRUE(notSaved.allowed());
    SendMessageTimeoutA(editor->window(), WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 10000, nullptr);
    ASSERT_EQ(WaitForSingleObject(OpenProcess(SYNCHRONIZE, FALSE, editor->processId()), 10000), WAIT_OBJECT_0);
    EXPECT_EQ(file.text(), "AAAA");
    EXPECT_EQ(TemporaryFiles(*editor), 0);
    EXPECT_NE(RegistryText(editor->registryKey(), "Preference", "window state"), "<none>");

    editor = start("qx_session_saved", file.quoted());
    ASSERT_TRUE(editor->pressKeys("Home 6"));
    ASSERT_TRUE(WaitFor([&] { return Modified(*editor); }));
    EndSessionQuery saved(editor->window());
    AnswerSaveQuery(*editor, "保存する");
    EXPECT_TRUE(saved.allowed());
    EXPECT_EQ(file.text(), "aAAA");
}

TEST_F(OutsideWorld, AnEndWithoutAskingKeepsTheBackupOfTheUnsavedChanges)
{
    const TempDocument file("qx_forced", "AAAA");
    const auto editor = start("qx_forced", file.quoted());
    ASSERT_TRUE(editor->pressKeys("Home 5"));
    ASSERT_TRUE(WaitFor([&] { return Modified(*editor); }));
    SendMessageTimeoutA(editor->window(), WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 10000, nullptr);
    ASSERT_EQ(WaitForSingleObject(OpenProcess(SYNCHRONIZE, FALSE, editor->processId()), 10000), WAIT_OBJECT_0);
    // The backup holds the change for the next start's recovery.
    bool backupFound = false;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(editor->filePath("*.tmp").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do {
        BackupDocumentSource backup;
        uint64_t size = 0;
        std::string bytes;
        if (backup.open(WideFromAnsi(editor->filePath(found.cFileName)), size) && size == 4) {
            bytes.resize(4);
            backup.read(reinterpret_cast<uint8_t*>(bytes.data()), 4);
        }
        backupFound = backupFound || bytes == "QAAA";
    } while (FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_TRUE(backupFound);
    EXPECT_EQ(file.text(), "AAAA");
}

TEST_F(OutsideWorld, ReadOnlyOpensRefuseEditsAndSaySo)
{
    const TempDocument file("qx_readonly", "AAAA"), locked("qx_locked", "BB");
    ASSERT_TRUE(SetFileAttributesA(locked.path().c_str(), FILE_ATTRIBUTE_READONLY));
    const auto editor = start("qx_readonly", locked.quoted());
    EXPECT_EQ(PanelText(*editor, 2), "読み取り専用");
    ASSERT_TRUE(editor->pressKeys("Home 5"));
    EXPECT_EQ(editor->dataText(), "4242");

    // The open dialog's read-only box.
    ASSERT_TRUE(editor->pressKeys("alt+f o"));
    const HWND dialog = editor->waitForWindow("#32770");
    ASSERT_NE(dialog, nullptr);
    const HWND readOnlyBox = GetDlgItem(dialog, 0x410);
    ASSERT_NE(readOnlyBox, nullptr);
    EXPECT_NE(TextOf(readOnlyBox).find("読み取り専用"), std::string::npos) << TextOf(readOnlyBox);
    PostClick(readOnlyBox);
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(readOnlyBox, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    const HWND name = GetDlgItem(dialog, 0x47c) ? GetDlgItem(dialog, 0x47c) : GetDlgItem(dialog, 0x480);
    SetEditText(name, file.path());
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(WaitFor([&] { return editor->sizeText() == "4"; })) << editor->sizeText();
    EXPECT_EQ(PanelText(*editor, 2), "読み取り専用");
    ASSERT_TRUE(editor->pressKeys("Home 5"));
    EXPECT_EQ(editor->dataText(), "41414141");

    // The edit menu's last item turns the mode off.
    ASSERT_TRUE(editor->pressKeys("alt+e Up Up Up Up Return"));
    EXPECT_TRUE(WaitFor([&] { return PanelText(*editor, 2).empty(); })) << PanelText(*editor, 2);
    ASSERT_TRUE(editor->pressKeys("Home 5"));
    EXPECT_EQ(editor->dataText(), "51414141");

    // A new editor opened read-only (as the open-in-new-editor command starts it).
    const auto other = start("qx_readonly_new", "-r " + file.quoted());
    EXPECT_EQ(PanelText(*other, 2), "読み取り専用");
    // With an offset (as the compare window's open in the editor starts it): the caret is there.
    const auto placed = start("qx_offset_new", "-o " + file.quoted() + " 2");
    ASSERT_TRUE(placed->pressKeys("5"));
    EXPECT_EQ(placed->dataText(), "41415141");
}

TEST_F(OutsideWorld, SeveralFilesFromTheShellOpenOneEditorEach)
{
    const TempDocument first("qx_first", "AAAA"), second("qx_second", "BB");
    const auto editor = start("qx_shell", first.quoted() + " " + second.quoted());
    EXPECT_EQ(editor->sizeText(), "4");

    HWND other = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        for (HWND window = FindWindowExA(nullptr, nullptr, "TFormVornalix", nullptr); window;
             window = FindWindowExA(nullptr, window, "TFormVornalix", nullptr))
            if (window != editor->window() && IsWindowVisible(window))
                other = window;
        return other != nullptr;
    }));
    DWORD otherId = 0;
    GetWindowThreadProcessId(other, &otherId);
    const HANDLE otherProcess = OpenProcess(SYNCHRONIZE, FALSE, otherId);
    EXPECT_TRUE(WaitFor([&] { return StatusSizeText(other) == "2"; })) << StatusSizeText(other);
    PostMessageA(other, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(otherProcess, 10000), WAIT_OBJECT_0);
    CloseHandle(otherProcess);
}
