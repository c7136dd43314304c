// Mouse, wheel, scroll bar, size messages and dropped files.
#include "tests/win/support/ControlHost.h"
#include "tests/win/support/ControlPicture.h"
#include "tests/win/support/Process.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

class Pointer : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(control, nullptr); }
    void setData(size_t size)
    {
        const Bytes bytes(size);
        ASSERT_TRUE(Editor.QX_SetData(control, bytes.data(), static_cast<int>(bytes.size())));
    }
    int caret() { return Editor.QX_GetCaretPos(control); }
    int viewLine() { return Editor.QX_GetViewTop(control) / 32; }
    // A point inside cell (column, row): one pixel in from its top-left corner.
    LPARAM at(int column, int row) const
    {
        const RECT cell = grid.cells(column, row);
        return MAKELPARAM(cell.left + 1, cell.top + 1);
    }
    void click(int column, int row)
    {
        SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at(column, row));
        SendMessageA(control, WM_LBUTTONUP, 0, at(column, row));
    }
    void wheel(int delta) { SendMessageA(control, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0); }

    ControlHost host{800, 600};
    HWND control = host.control();
    CellGrid grid{control};
};

TEST_F(Pointer, ClickPutsTheCaretOnTheDigitUnderIt)
{
    setData(40);  // line 2 holds 8 bytes
    SetFocus(host.host());
    click(HexColumn(5) + 1, 1);
    EXPECT_EQ(caret(), 32 + 11) << "second digit: the low nibble";
    EXPECT_EQ(GetFocus(), control) << "a click takes the focus";
    click(HexColumn(4), 0);
    EXPECT_EQ(caret(), 8);
    // Blank columns, the offset and character columns and the space past the data do nothing.
    for (const auto& [column, row] : {std::pair{21, 0}, {22, 0}, {12, 1}, {9, 1}, {3, 1}, {CharColumn(2), 1},
                                      {HexColumn(8), 2}, {HexColumn(0), 3}, {HexColumn(15) + 2, 0}}) {
        click(column, row);
        EXPECT_EQ(caret(), 8) << "column " << column << " row " << row;
    }
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    EXPECT_EQ(caret(), 8) << "the margin";
}

TEST_F(Pointer, DraggingFollowsOnlyWithTheButtonAndNeverSelects)
{
    setData(64);
    ASSERT_TRUE(Editor.QX_SetSelection(control, 2, 1));
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at(HexColumn(2), 0));
    SendMessageA(control, WM_MOUSEMOVE, MK_LBUTTON, at(HexColumn(7) + 1, 1));
    EXPECT_EQ(caret(), 32 + 15);
    SendMessageA(control, WM_MOUSEMOVE, MK_LBUTTON, at(HexColumn(9), 3));
    EXPECT_EQ(caret(), 96 + 18);
    EXPECT_NE(GetCapture(), control) << "no capture outside select mode";
    SendMessageA(control, WM_LBUTTONUP, 0, at(HexColumn(9), 3));
    SendMessageA(control, WM_MOUSEMOVE, 0, at(HexColumn(1), 0));
    EXPECT_EQ(caret(), 96 + 18);
    EXPECT_EQ(Editor.QX_GetSelectionBegin(control), 2);
    EXPECT_EQ(Editor.QX_GetSelectionSize(control), 1);
}

TEST_F(Pointer, InSelectModeDragAndShiftClickSelectAndTheEdgeScrolls)
{
    setData(16 * 300);
    EXPECT_FALSE(Editor.QX_SetSelectMode(control, 2));
    ASSERT_TRUE(Editor.QX_SetSelectMode(control, QX_SELECT_MOUSE_SHIFT));

    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at(HexColumn(2), 0));
    EXPECT_EQ(GetCapture(), control);
    SendMessageA(control, WM_MOUSEMOVE, MK_LBUTTON, at(HexColumn(7) + 1, 1));
    EXPECT_EQ(caret(), 32 + 15);
    EXPECT_EQ(Editor.QX_GetSelectionBegin(control), 4);
    EXPECT_EQ(Editor.QX_GetSelectionSize(control), 22);
    // Below the window the view scrolls while the button is held, and the selection follows.
    RECT client{};
    GetClientRect(control, &client);
    SendMessageA(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(grid.cells(HexColumn(7), 0).left, client.bottom + 40));
    EXPECT_TRUE(WaitFor([&] { return viewLine() >= 3; })) << "view line " << viewLine();
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(grid.cells(HexColumn(7), 0).left, client.bottom + 40));
    EXPECT_NE(GetCapture(), control);
    EXPECT_EQ(Editor.QX_GetSelectionBegin(control), 4);
    EXPECT_EQ(Editor.QX_GetSelectionSize(control), caret() / 2 - 1);
    EXPECT_GE(caret() / 32, viewLine() + static_cast<int>(ScrollBarOf(control).nPage) - 1) << "on the last line";

    // Shift+click keeps the selection's start as the anchor; a plain click keeps the selection.
    Editor.QX_SetViewTop(control, 0);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, at(HexColumn(0), 0));
    SendMessageA(control, WM_LBUTTONUP, MK_SHIFT, at(HexColumn(0), 0));
    EXPECT_EQ(Editor.QX_GetSelectionBegin(control), 0);
    EXPECT_EQ(Editor.QX_GetSelectionSize(control), 3);
    click(HexColumn(9), 2);
    EXPECT_EQ(caret(), 64 + 18);
    EXPECT_EQ(Editor.QX_GetSelectionSize(control), 3);
}

TEST_F(Pointer, WheelScrollsTheSettingsLinesPerNotch)
{
    UINT setting = 0;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &setting, 0));
    ASSERT_EQ(setting, 3u) << "the prefix's default";
    setData(16 * 300);
    wheel(-120);
    EXPECT_EQ(viewLine(), 3);
    wheel(-240);
    EXPECT_EQ(viewLine(), 9);
    wheel(120);
    EXPECT_EQ(viewLine(), 6);
    wheel(119);
    wheel(-60);
    EXPECT_EQ(viewLine(), 6) << "partial notches do nothing";
    EXPECT_EQ(ScrollBarOf(control).nPos, 6);
    EXPECT_EQ(caret(), 9 * 32) << "pulled down with the view, then left where it was";
    wheel(120 * 10);
    EXPECT_EQ(viewLine(), 0);
}

// The wheel setting is read when the library loads, so the page setting is tried in a second
// run of this program that sets it before loading the library and puts the old value back
// afterwards (set in the process itself: another process may read it back clamped to INT_MAX).
// That run does only this, before the tests start, and ends with 42 when every check held.
int RunWheelPageChild()
{
    UINT saved = 0;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &saved, 0);
    if (!SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, WHEEL_PAGESCROLL, nullptr, 0))
        return 2;
    bool held = false;
    {
        ControlHost host{800, 600};
        HWND control = host.control();
        const Bytes bytes(16 * 300);
        if (control && Editor.QX_SetData(control, bytes.data(), static_cast<int>(bytes.size()))) {
            const int page = static_cast<int>(ScrollBarOf(control).nPage);
            SendMessageA(control, WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 0);
            held = page > 1 && Editor.QX_GetViewTop(control) == 32 * page;
            SendMessageA(control, WM_MOUSEWHEEL, MAKEWPARAM(0, -240), 0);
            held = held && Editor.QX_GetViewTop(control) == 32 * 3 * page;
            SendMessageA(control, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), 0);
            held = held && Editor.QX_GetViewTop(control) == 32 * 2 * page;
        }
    }
    SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, saved, nullptr, 0);
    return held ? 42 : 1;
}

const bool wheelPageChild = std::getenv("QX_WHEEL_PAGE_CHILD") && (ExitProcess(RunWheelPageChild()), true);

TEST_F(Pointer, WheelPageSettingScrollsOnePagePerNotch)
{
    UINT saved = 0;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &saved, 0));
    SetEnvironmentVariableA("QX_WHEEL_PAGE_CHILD", "1");
    const std::string program = ProgramFolder() + "win_control.exe";
    ChildProcess child(program, "\"" + program + "\"");
    SetEnvironmentVariableA("QX_WHEEL_PAGE_CHILD", nullptr);
    const bool ended = child.started() && child.waitForExit(60000);
    child.terminate();
    // Whatever became of the child, the setting is put back for the processes after it.
    SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, saved, nullptr, 0);
    ASSERT_TRUE(ended);
    EXPECT_EQ(child.exitCode(), 42u) << "1: a check failed, 2: the setting could not be changed";
}

TEST_F(Pointer, SizeMessageOfNothingChangesNothing)
{
    setData(16 * 300);
    ASSERT_TRUE(Editor.QX_SetViewTop(control, 32 * 50));
    ASSERT_TRUE(Editor.QX_SetCaretPos(control, 32 * 60 + 3));
    const SCROLLINFO before = ScrollBarOf(control);
    SendMessageA(control, WM_SIZE, SIZE_MINIMIZED, 0);
    const SCROLLINFO after = ScrollBarOf(control);
    EXPECT_EQ(after.nPage, before.nPage);
    EXPECT_EQ(after.nPos, before.nPos);
    EXPECT_EQ(viewLine(), 50);
    EXPECT_EQ(caret(), 32 * 60 + 3);

    // A real size lays the page out again; the caret stays in view.
    RECT client{};
    GetClientRect(control, &client);
    SendMessageA(control, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, 8 + 4 * grid.cellHeight()));
    EXPECT_EQ(ScrollBarOf(control).nPage, 4u);
    EXPECT_GE(caret(), 32 * viewLine());
    EXPECT_LT(caret(), 32 * (viewLine() + 4));
}

TEST_F(Pointer, ThumbTrackingUsesTheBarsFullPosition)
{
    setData(5 * 512 * 1024);  // 163,840 lines
    const int target = 70000;
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    info.nPos = target;
    SetScrollInfo(control, SB_VERT, &info, FALSE);  // where the thumb is being dragged
    SendMessageA(control, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, target & 0xFFFF), 0);
    EXPECT_EQ(viewLine(), target);
    EXPECT_EQ(ScrollBarOf(control).nPos, target);
    EXPECT_EQ(caret() / 32, target) << "the caret follows into the view";

    SendMessageA(control, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_EQ(viewLine(), target + 1);
    SendMessageA(control, WM_VSCROLL, MAKEWPARAM(SB_PAGEUP, 0), 0);
    EXPECT_EQ(viewLine(), target + 1 - static_cast<int>(ScrollBarOf(control).nPage));
    const int line = viewLine();
    SendMessageA(control, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 5), 0);
    SendMessageA(control, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    EXPECT_EQ(viewLine(), line);
}

// The pixels of the window's right edge, where the vertical scroll bar is drawn.
std::vector<COLORREF> ScrollBarPixels(HWND window)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    const int height = frame.bottom - frame.top;
    HDC dc = GetWindowDC(window);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; y += 2)
        pixels.push_back(GetPixel(dc, frame.right - frame.left - width / 2, y));
    ReleaseDC(window, dc);
    return pixels;
}

TEST_F(Pointer, TheScrollBarIsDrawnOnceTheWaitingMessagesAreHandled)
{
    setData(16 * 3000);
    PumpMessages();
    const std::vector<COLORREF> top = ScrollBarPixels(control);
    for (int page = 0; page < 20; ++page)
        Editor.QX_PageDown(control);
    EXPECT_EQ(ScrollBarOf(control).nPos, viewLine()) << "the values are there at once";
    PumpMessages();
    EXPECT_NE(ScrollBarPixels(control), top) << "the thumb moved on screen";
    Editor.QX_DataTop(control);
    PumpMessages();
    EXPECT_EQ(ScrollBarPixels(control), top);
}

// A drop handle as the shell makes it, naming one file.
HGLOBAL MakeDrop(const char* name)
{
    const size_t length = std::strlen(name) + 1;
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + length + 1);
    if (!drop)
        return nullptr;
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), name, length);
    GlobalUnlock(drop);
    return drop;
}

TEST_F(Pointer, DroppedFilesReachTheOwnerWithTheControlsHandle)
{
    const char name[] = "C:\\dropped.bin";
    HGLOBAL drop = MakeDrop(name);
    ASSERT_NE(drop, nullptr);

    ControlHost::Log().clear();
    SendMessageA(control, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    ASSERT_EQ(ControlHost::Log().size(), 1u);
    const ControlHost::Received& received = ControlHost::Log()[0];
    EXPECT_EQ(received.message, static_cast<UINT>(WM_DROPFILES));
    EXPECT_EQ(received.wParam, reinterpret_cast<WPARAM>(drop));
    EXPECT_EQ(received.lParam, reinterpret_cast<LPARAM>(control));
    char read[MAX_PATH] = {};
    EXPECT_EQ(DragQueryFileA(static_cast<HDROP>(drop), 0, read, sizeof read), std::strlen(name));
    EXPECT_STREQ(read, name) << "the handle arrives untouched";
    DragFinish(static_cast<HDROP>(drop));
}

} // namespace

TEST_F(Pointer, FilesDroppedWhenTheOwnerIsGoneAreReleased)
{
    {
        ControlHost later;  // the owner of the newest control becomes the owner of all drops
    }
    HGLOBAL drop = MakeDrop("C:\\dropped.bin");
    ASSERT_NE(drop, nullptr);
    ControlHost::Log().clear();
    SendMessageA(control, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_TRUE(ControlHost::Log().empty());
    EXPECT_EQ(GlobalFlags(drop), static_cast<UINT>(GMEM_INVALID_HANDLE)) << "the handle is freed, not leaked";
}
