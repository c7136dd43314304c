// A picture of a control with data, a selection, a bookmarked line and the caret, checked at a
// few cells and written as a bitmap when QX_CONTROL_SHOT names a file (scripts/control-shot).
#include "tests/win/support/ControlHost.h"
#include "tests/win/support/ControlPicture.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

TEST(Screenshot, DataSelectionBookmarkAndCaret)
{
    ControlHost host{780, 420};
    HWND control = host.control();
    ASSERT_NE(control, nullptr);
    std::string text = "Quillet shows every byte twice: as hex digits and as a character. ";
    std::vector<unsigned char> bytes(text.begin(), text.end());
    for (int v = 0; v < 256; ++v)
        bytes.push_back(static_cast<unsigned char>(v));
    ASSERT_TRUE(Editor.QX_SetData(control, bytes.data(), static_cast<int>(bytes.size())));
    ASSERT_TRUE(Editor.QX_SetSelection(control, 2 * 0x16, 0x13));
    ASSERT_TRUE(Editor.QX_SetBookMark(control, 1, 32 * 3 + 4));
    ASSERT_TRUE(Editor.QX_SetCaretPos(control, 32 * 5 + 9));
    SetFocus(host.host());
    PumpMessages();

    const ControlPicture picture(control);
    const CellGrid grid(control);
    const COLORREF black = RGB(0, 0, 0);
    const COLORREF white = RGB(255, 255, 255);
    EXPECT_TRUE(grid.shows(picture, 0, 0, "00000000", black, white));
    EXPECT_TRUE(grid.shows(picture, CharColumn(0), 0, "Q", black, white));
    EXPECT_TRUE(grid.shows(picture, HexColumn(6), 1, "74", white, black)) << "selected";
    EXPECT_TRUE(grid.shows(picture, 0, 3, "00000030", white, black)) << "bookmarked";

    SetFocus(control);  // the caret stands on the low digit of byte 0x54
    PumpMessages();
    if (const char* path = std::getenv("QX_CONTROL_SHOT")) {
        EXPECT_TRUE(ControlPicture(control).saveBitmap(path));
    }
}
