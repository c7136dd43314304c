// The inspector pane in the main window: the menu item's check mark, the splitter sharing
// the width between the pane and the control, and the code page of its characters.
#include "app/win/tools/ShiftJisCodePage.h"
#include "tests/win/main/FormHarness.h"

#include <gtest/gtest.h>

namespace {

int WidthOf(HWND window)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    return frame.right - frame.left;
}

// The splitter dragged by `distance` pixels (negative: to the left) from its middle.
void DragSplitter(HWND splitter, int distance)
{
    const int middle = WidthOf(splitter) / 2;
    SendMessageA(splitter, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(middle, 10));
    SendMessageA(splitter, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(middle + distance), 10));
    SendMessageA(splitter, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(middle + distance), 10));
}

} // namespace

TEST(InspectorPane, CheckMarkFollowsThePaneAndTheSplitterSharesTheWidthWithTheControl)
{
    MainFormHarness harness;
    TFormVornalix& form = harness.form();
    form.SetBounds(0, 0, form.Scaled(1000), form.Scaled(500));
    harness.pump();
    const HWND control = harness.control();
    const int fullWidth = WidthOf(control);
    const HMENU toolMenu = form.MenuItem("MenuTool").SubMenu();
    const UINT item = form.MenuItem("MenuToolInspector").Id();

    form.Action(ActionId::ToolInspector).Execute();
    harness.pump();
    EXPECT_TRUE(GetMenuState(toolMenu, item, MF_BYCOMMAND) & MF_CHECKED);
    const int pane = form.FrameInspector.Width(), splitter = form.SplitterInspector.Width();
    EXPECT_EQ(pane, form.Scaled(InspectorDefaultWidth));
    EXPECT_EQ(WidthOf(control), fullWidth - pane - splitter);

    DragSplitter(form.SplitterInspector.Handle(), -100);
    EXPECT_EQ(form.FrameInspector.Width(), pane + 100);
    EXPECT_EQ(WidthOf(control), fullWidth - pane - 100 - splitter) << "the control gives the pane its room";
    EXPECT_EQ(form.Preferences().inspectorWidth, MulDiv(pane + 100, 96, form.Dpi()));
    // Dragged past either end, the pane and the control each keep their minimum.
    DragSplitter(form.SplitterInspector.Handle(), 5000);
    EXPECT_EQ(form.FrameInspector.Width(), form.Scaled(InspectorMinWidth));
    DragSplitter(form.SplitterInspector.Handle(), -5000);
    EXPECT_GE(WidthOf(control), form.Scaled(InspectorMinWidth) - 2);

    form.Action(ActionId::ToolInspector).Execute();
    harness.pump();
    EXPECT_FALSE(GetMenuState(toolMenu, item, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(IsWindowVisible(form.FrameInspector.Handle()));
    EXPECT_EQ(WidthOf(control), fullWidth);
}

// Characters convert through code page 932 both ways, whatever the system's ANSI code page:
// those 932 has as their Shift-JIS bytes, others and best-fit stand-ins (¥ to "\\") as none.
TEST(InspectorPane, CharactersAreShiftJisWhateverTheAnsiCodePage)
{
    const ShiftJisCodePage codePage;
    const struct {
        char32_t codePoint;
        std::string bytes;
    } cases[] = {{U'A', "A"}, {U'あ', "あ"}, {U'ｱ', "ｱ"}, {U'＼', "＼"}, {U'髙', "髙"},
                 {U'á', ""},  {U'€', ""},   {U'¥', ""},   {U'𠮟', ""}};
    for (const auto& [codePoint, bytes] : cases) {
        EXPECT_EQ(codePage.FromCodePoint(codePoint), bytes) << static_cast<uint32_t>(codePoint);
        if (!bytes.empty()) {
            EXPECT_EQ(codePage.ToCodePoint(bytes), codePoint) << bytes;
        }
    }
    EXPECT_EQ(codePage.ToCodePoint("\x85\x40"), std::nullopt);
}
