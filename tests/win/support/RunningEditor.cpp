// RunningEditor: the program as a separate process under a name of its own, driven by real keys and window messages.
#include "tests/win/support/RunningEditor.h"

#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/Wait.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

namespace {

constexpr char kXdotool[] = "Z:\\usr\\bin\\xdotool";
constexpr char kEnv[] = "Z:\\usr\\bin\\env";

std::string ReadSmallFile(const std::string& path)
{
    std::string text;
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return text;
    char buffer[64] = {};
    DWORD read = 0;
    if (ReadFile(file, buffer, sizeof buffer - 1, &read, nullptr))
        text.assign(buffer, read);
    CloseHandle(file);
    return text;
}

// Runs xdotool with the arguments (shell words) and waits for its end. Wine starts a Unix
// program without giving a process to wait on (the start even reports failure), so a shell
// runs it and leaves its exit status in a marker file.
bool Xdotool(const std::string& arguments)
{
    static int calls = 0;
    const std::string marker = "/tmp/qx-xdotool-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++calls);
    std::string markerPath = "Z:" + marker;
    std::replace(markerPath.begin(), markerPath.end(), '/', '\\');
    DeleteFileA(markerPath.c_str());
    const std::string line = "env sh -c \"xdotool " + arguments + "; echo $? > " + marker + "\"";
    const ChildProcess shell(kEnv, line);
    std::string status;
    const bool ended = WaitFor([&] { return !(status = ReadSmallFile(markerPath)).empty(); }, 20000);
    DeleteFileA(markerPath.c_str());
    return ended && status.rfind("0", 0) == 0;
}

struct ClassSearch {
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOfClass(HWND child, LPARAM param)
{
    auto& search = *reinterpret_cast<ClassSearch*>(param);
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, search.className) == 0)
        search.found.push_back(child);
    return TRUE;
}

std::string ClipboardText()
{
    std::string text;
    if (!OpenClipboard(nullptr))
        return text;
    if (const HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* chars = static_cast<const char*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void ClearClipboard()
{
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

} // namespace

bool RunningEditor::CanPressKeys()
{
    return GetFileAttributesA(kXdotool) != INVALID_FILE_ATTRIBUTES && GetEnvironmentVariableA("DISPLAY", nullptr, 0);
}

RunningEditor::RunningEditor(const std::string& name, const std::string& arguments,
                             const std::function<void(const std::string& key)>& prepare)
{
    name_ = name + "_" + std::to_string(GetCurrentProcessId());
    key_ = "Software\\KORVANI\\" + name_;
    program_ = ProgramFolder() + name_ + ".exe";
    if (!CopyFileA((ProgramFolder() + "vornalix.exe").c_str(), program_.c_str(), FALSE))
        return;
    RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str());
    if (prepare)
        prepare(key_);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + name_ + "\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
    GetEnvironmentVariableA("TMP", savedTmp_, sizeof savedTmp_);
    GetEnvironmentVariableA("TEMP", savedTemp_, sizeof savedTemp_);
    SetEnvironmentVariableA("TMP", folder_.c_str());
    SetEnvironmentVariableA("TEMP", folder_.c_str());
    std::string commandLine = "\"" + program_ + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    editor_ = std::make_unique<ChildProcess>(program_, commandLine);
    if (editor_->started())
        window_ = WaitForProcessWindow(editor_->id(), "TFormVornalix");
}

RunningEditor::~RunningEditor()
{
    close();
    editor_.reset();
    if (folder_.empty())
        return;
    SetEnvironmentVariableA("TMP", savedTmp_);
    SetEnvironmentVariableA("TEMP", savedTemp_);
    RegDeleteTreeA(HKEY_CURRENT_USER, key_.c_str());
    DeleteFileA(program_.c_str());
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder_ + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            DeleteFileA((folder_ + found.cFileName).c_str());
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder_.c_str());
}

bool RunningEditor::waitForMainWindow(DWORD timeoutMs)
{
    if (!window_ && editor_ && editor_->started())
        window_ = WaitForProcessWindow(editor_->id(), "TFormVornalix", timeoutMs);
    return window_ != nullptr;
}

bool RunningEditor::pressKeys(const std::string& keys) { return PressKeysIn(window_, keys); }

bool RunningEditor::pressKeysIn(HWND window, const std::string& keys) { return PressKeysIn(window, keys); }

bool PressKeysIn(HWND mainWindow, const std::string& keys)
{
    // The window's own X window: a search by class could also find its hint window.
    const auto xWindow = reinterpret_cast<uintptr_t>(GetPropA(mainWindow, "__wine_x11_whole_window"));
    if (!xWindow)
        return false;
    return Xdotool("windowfocus --sync " + std::to_string(xWindow) + " key --delay 20 " + keys);
}

HWND RunningEditor::waitForWindow(const char* className, DWORD timeoutMs) const
{
    return editor_ ? WaitForProcessWindow(editor_->id(), className, timeoutMs) : nullptr;
}

bool RunningEditor::waitForNoWindow(const char* className, DWORD timeoutMs) const
{
    return WaitFor([&] { return waitForWindow(className, 0) == nullptr; }, timeoutMs);
}

std::string RunningEditor::sizeText() const { return StatusSizeText(window_); }

std::string StatusOf(HWND window)
{
    const std::vector<HWND> bars = ChildrenOfClass(window, STATUSCLASSNAMEA);
    if (bars.empty())
        return {};
    char text[1024] = {};
    SendMessageTimeoutA(bars.front(), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return text;
}

std::string StatusSizeText(HWND mainWindow)
{
    const std::vector<HWND> bars = ChildrenOfClass(mainWindow, STATUSCLASSNAMEA);
    if (bars.empty())
        return {};
    char text[64] = {};
    SendMessageTimeoutA(bars.front(), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    std::string shown(text);
    std::erase(shown, '\t');
    return shown;
}

std::string RunningEditor::dataText()
{
    // Keys may go astray while the X focus settles on a loaded machine: the window is brought
    // to the front and the keys pressed again until the copy arrives.
    std::string text;
    for (int attempt = 0; attempt < 4 && text.empty(); ++attempt) {
        ClearClipboard();
        SetForegroundWindow(window_);
        WaitFor([&] { return GetForegroundWindow() == window_; }, 3000);
        if (!pressKeys("Home ctrl+j End ctrl+k ctrl+c"))
            return "xdotool failed";
        WaitFor([&] { return !(text = ClipboardText()).empty(); }, 5000);
    }
    return text;
}

bool RunningEditor::close()
{
    if (!editor_ || !editor_->started() || WaitForSingleObject(editor_->handle(), 0) == WAIT_OBJECT_0)
        return true;
    PostMessageA(window_, WM_CLOSE, 0, 0);
    // A busy editor may take a while to ask; one that has nothing to ask just ends.
    HWND query = nullptr;
    WaitFor([&] {
        return WaitForSingleObject(editor_->handle(), 0) == WAIT_OBJECT_0 ||
               (query = waitForWindow("TFormQuerySave", 0)) != nullptr;
    }, 60000);
    if (query)
        if (const HWND noSave = ChildWithText(query, "保存しない"))
            PostClick(noSave);
    return editor_->waitForExit();
}

std::vector<HWND> ChildrenOfClass(HWND parent, const char* className)
{
    ClassSearch search{className, {}};
    EnumChildWindows(parent, CollectOfClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void SetEditText(HWND edit, const std::string& text)
{
    SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000, nullptr);
}

void PostClick(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

// The items are read as UTF-16 and converted to the ANSI code page: between processes the
// ANSI form of LB_GETTEXT hands over the UTF-16 text unconverted under Wine.
std::vector<std::string> ListItems(HWND list)
{
    std::vector<std::string> items;
    const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t wide[256] = {};
        char item[512] = {};
        if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < static_cast<LRESULT>(std::size(wide))) {
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
            WideCharToMultiByte(CP_ACP, 0, wide, -1, item, sizeof item, nullptr, nullptr);
        }
        items.emplace_back(item);
    }
    return items;
}

bool ChooseListItem(HWND list, const std::string& text)
{
    const std::vector<std::string> items = ListItems(list);
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == text) {
            SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
            SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(list));
            return true;
        }
    return false;
}

std::string RegistryText(const std::string& key, const std::string& section, const std::string& name)
{
    char value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, (key + "\\" + section).c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return "<none>";
    return value;
}
