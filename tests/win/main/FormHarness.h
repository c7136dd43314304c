// A main window made in the test process, with a recording backup and keys sent as messages.
#pragma once
#include "app/win/system/EditorLibrary.h"
#include "common/win/WideText.h"
#include "app/win/main/TFormVornalix.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// Counts what the window asks of its backup manager.
class RecordingBackup final : public BackupService {
public:
    [[nodiscard]] TStartArguments Start(HWND) override { return {}; }
    // Succeeds, whether or not the service reports success.
    using WriteResult = decltype(std::declval<BackupService&>().WriteBackup(HWND{}));
    // Like the real one, a written backup makes the data as it is the control's mark.
    WriteResult WriteBackup(HWND control) override
    {
        ++writes;
        Editor.QX_ClearChanges(control);
        return static_cast<WriteResult>(true);
    }
    [[nodiscard]] bool BaseChanged() override { return false; }
    bool ResetBackup(HWND control, const JournalBase&) override
    {
        ++resets;
        return Editor.QX_ClearChanges(control);
    }
    void AdoptBackup(HWND control, const JournalBase&, uint64_t) override { Editor.QX_ClearChanges(control); }
    [[nodiscard]] std::wstring BackupPath() const override { return {}; }
    void LeaveBackup() override {}
    void UpdateRecord(std::wstring_view name) override { names.push_back(AnsiText(name)); }

    int writes = 0;
    int resets = 0;
    std::vector<std::string> names;
};

class MainFormHarness {
public:
    MainFormHarness();
    ~MainFormHarness();
    MainFormHarness(const MainFormHarness&) = delete;
    MainFormHarness& operator=(const MainFormHarness&) = delete;

    [[nodiscard]] TFormVornalix& form() noexcept { return *form_; }
    [[nodiscard]] HWND control() const noexcept { return form_->ControlHandle(); }
    [[nodiscard]] RecordingBackup& backup() noexcept { return *backup_; }

    // A key as the keyboard gives it: key-down to the focused window, through the program's
    // message handling (shortcuts first), then key-up. The modifiers are held around it,
    // both in the keyboard state and as key messages the control sees.
    void key(UINT virtualKey, bool ctrl = false, bool shift = false);
    // Handles every waiting message the way the program's loop does.
    void pump();
    // Pumps until the condition holds or the time is up.
    bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

    void setData(const std::vector<uint8_t>& bytes);
    [[nodiscard]] std::vector<uint8_t> data() const;
    [[nodiscard]] int caret() const;
    // Opens the edit menu as far as the window is concerned (its opening handler runs) and
    // tells whether the item is enabled.
    [[nodiscard]] bool editItemEnabled(const char* itemName);

private:
    void post(UINT message, UINT virtualKey);

    RecordingBackup* backup_;
    std::unique_ptr<TFormVornalix> form_;
};

// The clipboard's text put there by the test; reading it back.
void SetClipboardText(const std::string& text);
[[nodiscard]] std::string GetClipboardText();

// The text of a menu item as the menu shows it (caption, tab, shortcut).
[[nodiscard]] std::string MenuText(HMENU menu, UINT position);
