// The about dialog on its own: the program's version strings, the system panel and its toggle.
#include "app/win/main/TDialogAbout.h"

#include "common/win/FileSystem.h"
#include "tests/win/support/Process.h"
#include "tests/win/support/TempDocument.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string WindowText(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string WindowText(const TControl& control) { return WindowText(control.Handle()); }

RECT WindowRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRect(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect);
    return rect;
}

// The control's rectangle in the dialog's client coordinates.
RECT RectInDialog(const TControl& control, HWND dialog)
{
    RECT rect = WindowRect(control.Handle());
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void PressButton(const TControl& button) { SendMessageA(button.Handle(), BM_CLICK, 0, 0); }

std::string ProgramVersionFile() { return ProgramFolder() + "vornalix.exe"; }

} // namespace

TEST(AboutDialog, ShowsTheVersionStringsOfTheProgram)
{
    TDialogAbout dialog(nullptr, ProgramVersionFile());
    dialog.Show();
    EXPECT_EQ(WindowText(dialog.Handle()), "バージョン情報");
    EXPECT_EQ(ClientRect(dialog.Handle()).right, 473);
    EXPECT_EQ(WindowText(dialog.InfoAppName), "Korvani Quillet");
    EXPECT_EQ(WindowText(dialog.LabelAppVersion), "バージョン");
    EXPECT_EQ(WindowText(dialog.InfoAppVersion), "1, 0, 2, 0");
    EXPECT_EQ(WindowText(dialog.InfoCopyright), "Copyright (C) 2026 Korvani");
    // The version stands right of its caption, on the same line.
    const RECT caption = RectInDialog(dialog.LabelAppVersion, dialog.Handle());
    const RECT version = RectInDialog(dialog.InfoAppVersion, dialog.Handle());
    EXPECT_GT(version.left, caption.right);
    EXPECT_EQ(version.top, caption.top);
    EXPECT_EQ(GetWindowLongPtrA(dialog.ButtonOk.Handle(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

TEST(AboutDialog, SystemInfoButtonShowsThePanelAndSecondPressRestoresTheFirstLook)
{
    TDialogAbout dialog(nullptr, ProgramVersionFile());
    dialog.Show();
    const HWND window = dialog.Handle();
    const RECT firstWindow = WindowRect(window);
    const RECT firstClient = ClientRect(window);
    const RECT panel = RectInDialog(dialog.PanelSystemInfo, window);
    EXPECT_EQ(panel.bottom - panel.top, 97);
    EXPECT_EQ(panel.right - panel.left, 457);
    // First shown, the client area ends 5 pixels above the panel.
    EXPECT_EQ(firstClient.bottom + 5, panel.top);
    EXPECT_FALSE(dialog.SystemInfoShown());

    PressButton(dialog.ButtonSystemInfo);
    const RECT shownWindow = WindowRect(window);
    EXPECT_EQ(ClientRect(window).bottom, panel.bottom + 5);
    EXPECT_TRUE(dialog.SystemInfoShown());
    EXPECT_EQ(shownWindow.left, firstWindow.left);
    EXPECT_EQ(shownWindow.top, firstWindow.top);
    EXPECT_EQ(shownWindow.right, firstWindow.right);

    PressButton(dialog.ButtonSystemInfo);
    const RECT againWindow = WindowRect(window);
    const RECT againClient = ClientRect(window);
    EXPECT_TRUE(EqualRect(&againWindow, &firstWindow));
    EXPECT_TRUE(EqualRect(&againClient, &firstClient));
    EXPECT_FALSE(dialog.SystemInfoShown());
}

TEST(AboutDialog, SystemPanelShowsOperatingSystemComputerAndUser)
{
    TDialogAbout dialog(nullptr, ProgramVersionFile());
    dialog.Show();
    PressButton(dialog.ButtonSystemInfo);

    OSVERSIONINFOA os{};
    os.dwOSVersionInfoSize = sizeof os;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ASSERT_TRUE(GetVersionExA(&os));
#pragma GCC diagnostic pop
    EXPECT_EQ(WindowText(dialog.InfoOsVersion), std::to_string(os.dwMajorVersion) + "." +
                                                    std::to_string(os.dwMinorVersion) + "." +
                                                    std::to_string(os.dwBuildNumber));
    if (os.dwPlatformId == VER_PLATFORM_WIN32_NT && os.dwMajorVersion >= 6)
        EXPECT_EQ(WindowText(dialog.InfoOsName), "Windows NT");
    else
        EXPECT_FALSE(WindowText(dialog.InfoOsName).empty());

    char computer[512] = {};
    DWORD size = sizeof computer;
    ASSERT_TRUE(GetComputerNameA(computer, &size));
    EXPECT_EQ(WindowText(dialog.InfoComputerName), computer);
    char user[512] = {};
    size = sizeof user;
    ASSERT_TRUE(GetUserNameA(user, &size));
    EXPECT_EQ(WindowText(dialog.InfoComputerUser), user);

    // Every row's information starts right of the widest caption, so none covers another.
    const RECT client = ClientRect(dialog.Handle());
    for (const TLabel* info : {&dialog.InfoOsName, &dialog.InfoOsVersion, &dialog.InfoComputerName,
                               &dialog.InfoComputerUser}) {
        const RECT rect = RectInDialog(*info, dialog.Handle());
        EXPECT_GT(rect.left, RectInDialog(dialog.LabelOsName, dialog.Handle()).right) << info->Name();
        EXPECT_LE(rect.bottom, client.bottom) << info->Name();
    }
}

// A file whose version resource lacks the program's strings (this one has no resource at all):
// the dialog still opens, with the program's lines empty and the computer's rows filled.
TEST(AboutDialog, OpensWithEmptyProgramLinesWithoutAVersionResource)
{
    const TempDocument unversioned("about_unversioned", "MZ");
    TDialogAbout dialog(nullptr, unversioned.path());
    ASSERT_NO_THROW(dialog.Show());
    EXPECT_EQ(WindowText(dialog.InfoAppName), "");
    EXPECT_EQ(WindowText(dialog.InfoAppVersion), "");
    EXPECT_EQ(WindowText(dialog.InfoCopyright), "");
    EXPECT_FALSE(WindowText(dialog.InfoComputerName).empty());
    EXPECT_FALSE(WindowText(dialog.InfoComputerUser).empty());
    PressButton(dialog.ButtonSystemInfo);
    EXPECT_TRUE(dialog.SystemInfoShown());
}
