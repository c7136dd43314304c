// The main window at the screen's DPI and after a move to a monitor of another DPI.
#include "tests/win/main/FormHarness.h"

#include "app/win/system/EditorLibrary.h"
#include "app/win/ui/Dpi.h"
#include "tests/win/support/TextFit.h"

#include <gtest/gtest.h>

namespace {

int ControlFontHeight(HWND control)
{
    LOGFONTA font{};
    COLORREF color = 0;
    Editor.QX_GetLogFont(control, &font, &color);
    return font.lfHeight;
}

int HeightOf(HWND window)
{
    RECT box{};
    GetWindowRect(window, &box);
    return box.bottom - box.top;
}

} // namespace

TEST(HighDpi, TheMainWindowFollowsTheDpiOfItsMonitor)
{
    MainFormHarness harness;
    TFormVornalix& main = harness.form();
    const int dpi = WindowDpi(main.Handle());
    ASSERT_EQ(main.Dpi(), dpi);
    EXPECT_EQ(main.StatusBar.Width(), MulDiv(140, dpi, 96));
    EXPECT_EQ(main.ImageList.ImageSize(), MulDiv(16, dpi, 96));
    EXPECT_GE(HeightOf(main.EditorHistory.ToolBar.Handle()), MulDiv(23, dpi, 96));
    const int fontHeight = ControlFontHeight(main.ControlHandle());
    const int toolBarHeight = HeightOf(main.EditorHistory.ToolBar.Handle());

    // Moved to a monitor of twice the DPI, and back: everything follows, and the texts fit.
    RECT frame{};
    GetWindowRect(main.Handle(), &frame);
    RECT suggested{frame.left, frame.top, frame.left + 2 * (frame.right - frame.left),
                   frame.top + 2 * (frame.bottom - frame.top)};
    SendMessageA(main.Handle(), WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(main.Dpi(), 2 * dpi);
    EXPECT_EQ(main.StatusBar.Width(), MulDiv(140, 2 * dpi, 96));
    EXPECT_EQ(main.ImageList.ImageSize(), MulDiv(16, 2 * dpi, 96));
    EXPECT_EQ(ControlFontHeight(main.ControlHandle()), 2 * fontHeight);
    EXPECT_GT(HeightOf(main.EditorHistory.ToolBar.Handle()), toolBarHeight);
    EXPECT_EQ(Describe(ClippedTexts(main.Handle())), "");

    SendMessageA(main.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
    EXPECT_EQ(main.StatusBar.Width(), MulDiv(140, dpi, 96));
    EXPECT_EQ(ControlFontHeight(main.ControlHandle()), fontHeight);
    EXPECT_EQ(HeightOf(main.EditorHistory.ToolBar.Handle()), toolBarHeight);
}
