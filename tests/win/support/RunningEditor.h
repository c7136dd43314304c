// RunningEditor: the program as a separate process under a name of its own, driven by real keys and window messages.
#pragma once
#include "tests/win/support/Process.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A copy of vornalix.exe named after the test and this process, so it has a registry key of
// its own (cleared before the start) and its X window class; its temporary files go to a
// folder of its own. The destructor closes it normally (leaving a changed document unsaved)
// and removes the copy, the folder and the registry key.
class RunningEditor {
public:
    // `arguments` follow the program path on the command line, quoted as the caller wishes.
    // `prepare` runs on the cleared registry key (its path under HKEY_CURRENT_USER) before the start.
    explicit RunningEditor(const std::string& name, const std::string& arguments = {},
                           const std::function<void(const std::string& key)>& prepare = {});
    ~RunningEditor();
    RunningEditor(const RunningEditor&) = delete;
    RunningEditor& operator=(const RunningEditor&) = delete;

    // Real key presses need xdotool and a display; tests skip without them.
    [[nodiscard]] static bool CanPressKeys();

    [[nodiscard]] bool started() const noexcept { return window_ != nullptr; }
    // Goes on waiting for the main window of a start slower than the constructor's wait.
    bool waitForMainWindow(DWORD timeoutMs);
    [[nodiscard]] HWND window() const noexcept { return window_; }
    [[nodiscard]] DWORD processId() const noexcept { return editor_ ? editor_->id() : 0; }
    [[nodiscard]] const std::string& registryKey() const noexcept { return key_; }
    // A file path inside the editor's own folder.
    [[nodiscard]] std::string filePath(const std::string& name) const { return folder_ + name; }

    // Presses the keys (xdotool names, blank-separated) in the main window.
    bool pressKeys(const std::string& keys);
    // Presses the keys in another top-level window (the editor's, or any of this display).
    static bool pressKeysIn(HWND window, const std::string& keys);
    // A visible top-level window of the editor of the class ("#32770" for a message box).
    [[nodiscard]] HWND waitForWindow(const char* className, DWORD timeoutMs = 10000) const;
    // Waits until no visible window of the class is left.
    bool waitForNoWindow(const char* className, DWORD timeoutMs = 10000) const;
    // The status bar's first panel: the data size.
    [[nodiscard]] std::string sizeText() const;
    // The whole document as byte text, selected and copied with the keys.
    [[nodiscard]] std::string dataText();
    // Asks the window to close; a save query is answered "保存しない". True when the process ended.
    bool close();

private:
    std::string name_, key_, program_, folder_;
    char savedTmp_[MAX_PATH] = {};
    char savedTemp_[MAX_PATH] = {};
    std::unique_ptr<ChildProcess> editor_;
    HWND window_ = nullptr;
};

// Cross-process helpers for the editor's windows.
// Presses the keys (xdotool names, blank-separated) in an editor's main window.
bool PressKeysIn(HWND mainWindow, const std::string& keys);
// The data size the status bar of an editor's main window shows.
[[nodiscard]] std::string StatusSizeText(HWND mainWindow);
// The first part's text of the window's first status bar (WM_GETTEXT, which the system carries
// across processes); empty when it has none.
[[nodiscard]] std::string StatusOf(HWND window);
// The children of a class (at any depth), in window order.
[[nodiscard]] std::vector<HWND> ChildrenOfClass(HWND parent, const char* className);
// Sets a text as the user's typing would leave it (the edit reports the change).
void SetEditText(HWND edit, const std::string& text);
// Presses a button the way a click does, through the owner's message loop.
void PostClick(HWND button);
// The texts of a list box's items, of this process or another.
[[nodiscard]] std::vector<std::string> ListItems(HWND list);
// Selects the list item with the text and tells the list's parent, as a click does.
bool ChooseListItem(HWND list, const std::string& text);
// A value of the registry key's section as text; "<none>" when it is missing.
[[nodiscard]] std::string RegistryText(const std::string& key, const std::string& section, const std::string& name);
