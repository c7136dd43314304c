// PlaceWindow and CollapseWindow on real windows, and main windows cascading.
#include "app/win/ui/WindowPlacement.h"

#include "app/ui/WindowGeometry.h"
#include "common/win/ARegistry.h"
#include "tests/win/main/FormHarness.h"

#include <gtest/gtest.h>

namespace {

class PlainWindow {
public:
    PlainWindow(int left, int top, int width, int height)
    {
        static const bool registered = [] {
            WNDCLASSA windowClass{};
            windowClass.lpfnWndProc = DefWindowProcA;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.lpszClassName = "QuilletPlacementTest";
            return RegisterClassA(&windowClass) != 0;
        }();
        EXPECT_TRUE(registered);
        window_ = CreateWindowExA(0, "QuilletPlacementTest", "", WS_POPUP | WS_VISIBLE, left, top, width, height,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~PlainWindow() { DestroyWindow(window_); }
    PlainWindow(const PlainWindow&) = delete;
    PlainWindow& operator=(const PlainWindow&) = delete;
    [[nodiscard]] HWND handle() const noexcept { return window_; }
    [[nodiscard]] RECT rect() const
    {
        RECT rect{};
        GetWindowRect(window_, &rect);
        return rect;
    }

private:
    HWND window_;
};

RECT WorkArea()
{
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

} // namespace

TEST(PlaceWindow, CentresOnTheReferenceWindow)
{
    const PlainWindow reference(100, 100, 400, 300);
    const PlainWindow dialog(0, 0, 200, 100);
    PlaceWindow(dialog.handle(), reference.handle(), 11, true);
    const RECT placed = dialog.rect();
    EXPECT_EQ(placed.left, 200);
    EXPECT_EQ(placed.top, 200);
    EXPECT_EQ(placed.right - placed.left, 200);
    EXPECT_EQ(placed.bottom - placed.top, 100);
}

TEST(PlaceWindow, CornersAndTheWorkAreaWithoutReference)
{
    const RECT area = WorkArea();
    const PlainWindow dialog(50, 50, 120, 80);
    PlaceWindow(dialog.handle(), nullptr, 0, true);
    EXPECT_EQ(dialog.rect().left, area.left);
    EXPECT_EQ(dialog.rect().top, area.top);
    PlaceWindow(dialog.handle(), nullptr, 22, true);
    EXPECT_EQ(dialog.rect().right, area.right);
    EXPECT_EQ(dialog.rect().bottom, area.bottom);
}

TEST(PlaceWindow, PullsBackInsideAndLetsTheTopLeftCornerWin)
{
    const RECT area = WorkArea();
    const PlainWindow nearEdge(area.right - 50, area.bottom - 50, 100, 100);
    const PlainWindow dialog(0, 0, 300, 200);
    PlaceWindow(dialog.handle(), nearEdge.handle(), 11, true);
    EXPECT_EQ(dialog.rect().right, area.right);
    EXPECT_EQ(dialog.rect().bottom, area.bottom);

    const PlainWindow huge(0, 0, (area.right - area.left) + 200, (area.bottom - area.top) + 100);
    PlaceWindow(huge.handle(), nullptr, 22, true);
    EXPECT_EQ(huge.rect().left, area.left);
    EXPECT_EQ(huge.rect().top, area.top);
}

TEST(CollapseWindow, SetsEveryRegionInTurnOnAWindow)
{
    const PlainWindow dialog(10, 10, 40, 20);
    EXPECT_EQ(CollapseWindow(dialog.handle()), static_cast<int>(CollapseRegions(40, 20).size()));
    // The last region is the narrowest band.
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(dialog.handle(), region), ERROR);
    RECT box{};
    GetRgnBox(region, &box);
    DeleteObject(region);
    const ScreenRect last = CollapseRegions(40, 20).back();
    EXPECT_EQ(box.left, last.left);
    EXPECT_EQ(box.right, last.right);
}

TEST(CollapseWindow, StopsCleanlyWhenNoRegionCanBeSet)
{
    HWND gone = nullptr;
    {
        const PlainWindow dialog(10, 10, 40, 20);
        gone = dialog.handle();
    }
    EXPECT_EQ(CollapseWindow(gone), 0);
}

// Two main windows from the same stored placement: the second cascades from the first.
TEST(MainWindowPlacement, ASecondWindowOpensOffsetFromTheFirst)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, ARegistry::ProgramKey().c_str());
    MainFormHarness first;
    MainFormHarness second;
    RECT one{}, two{};
    GetWindowRect(first.form().Handle(), &one);
    GetWindowRect(second.form().Handle(), &two);
    const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME);
    EXPECT_EQ(two.left - one.left, step);
    EXPECT_EQ(two.top - one.top, step);
}
