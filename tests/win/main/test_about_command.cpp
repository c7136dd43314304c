// The about command of the main window: a modal dialog centred on the window, the focus back after.
#include "app/win/system/EditorLibrary.h"
#include "app/win/main/TFormVornalix.h"

#include "common/win/ARegistry.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstdlib>
#include <memory>
#include <thread>

namespace {

// What the watching thread saw of the dialog while the command ran.
struct AboutSeen {
    bool shown = false;
    bool ownedByMain = false;
    bool mainDisabled = false;
    RECT dialog{};
    bool closedByOk = false;
};

// The visible about dialog of this process (other editors may show theirs meanwhile).
HWND FindAboutDialog()
{
    for (HWND dialog = FindWindowExA(nullptr, nullptr, "TDialogAbout", nullptr); dialog;
         dialog = FindWindowExA(nullptr, dialog, "TDialogAbout", nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(dialog, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(dialog))
            return dialog;
    }
    return nullptr;
}

// Waits for the dialog, records it and presses Enter (its Ok); closes it anyway when that fails.
void WatchAbout(HWND main, AboutSeen& seen)
{
    HWND dialog = nullptr;
    if (!WaitFor([&] { return (dialog = FindAboutDialog()) != nullptr; }))
        return;
    seen.shown = true;
    seen.ownedByMain = GetWindow(dialog, GW_OWNER) == main;
    seen.mainDisabled = !IsWindowEnabled(main);
    GetWindowRect(dialog, &seen.dialog);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    seen.closedByOk = WaitFor([&] { return !IsWindowVisible(dialog); });
    if (!seen.closedByOk && IsWindow(dialog))
        PostMessageA(dialog, WM_CLOSE, 0, 0);
}

} // namespace

TEST(AboutCommand, ShowsTheDialogModallyCentredOnTheMainWindowAndGivesTheFocusBack)
{
    ASSERT_TRUE(BindEditorLibrary());
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    RegDeleteTreeA(HKEY_CURRENT_USER, ARegistry::ProgramKey().c_str());
    {
        // The test's arguments name no file, so the window starts untitled.
        TFormVornalix form(std::make_unique<NoBackup>());
        form.Show();
        // Room around the window, so the centred dialog needs no pulling into the work area.
        form.SetBounds(120, 90, 640, 480);
        SetForegroundWindow(form.Handle());
        PumpMessages();

        // The command began elsewhere; it ends on the control all the same.
        form.EditorHistory.ComboHistory.SetFocus();
        ASSERT_NE(GetFocus(), form.ControlHandle());

        AboutSeen seen;
        std::thread watcher(WatchAbout, form.Handle(), std::ref(seen));
        EXPECT_TRUE(form.Action(ActionId::HelpAbout).Execute());
        watcher.join();

        ASSERT_TRUE(seen.shown);
        EXPECT_TRUE(seen.ownedByMain);
        EXPECT_TRUE(seen.mainDisabled);
        EXPECT_TRUE(seen.closedByOk);
        RECT main{};
        GetWindowRect(form.Handle(), &main);
        EXPECT_LE(std::abs((seen.dialog.left + seen.dialog.right) - (main.left + main.right)), 2);
        EXPECT_LE(std::abs((seen.dialog.top + seen.dialog.bottom) - (main.top + main.bottom)), 2);
        // The dialog is gone, the main window usable again and the control has the focus.
        EXPECT_EQ(FindAboutDialog(), nullptr);
        EXPECT_TRUE(IsWindowEnabled(form.Handle()));
        EXPECT_EQ(GetFocus(), form.ControlHandle());
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, ARegistry::ProgramKey().c_str());
}
