// The data inspector pane of the running editor: its action through the menu and the shortcut,
// rows that follow the caret and an edit, the copy, and the pane's state across a restart.
#include "app/win/system/Clipboard.h"

#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/TempDocument.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

// The pane's list: the main window's only list box.
HWND InspectorList(HWND mainWindow)
{
    const std::vector<HWND> lists = ChildrenOfClass(mainWindow, "ListBox");
    return lists.size() == 1 ? lists[0] : nullptr;
}

// The line of the row with the label, from the label on; "<no row>" when there is none.
std::string RowLine(HWND list, const std::string& label)
{
    for (const std::string& line : ListItems(list))
        if (line.starts_with(label + " "))
            return line;
    return "<no row>";
}

// Waits until the row's line ends with the text after the padding.
bool RowShows(HWND list, const std::string& label, const std::string& text)
{
    return WaitFor([&] {
        const std::string line = RowLine(list, label);
        return line.size() > text.size() && line.ends_with(" " + text);
    });
}

bool Shown(HWND list)
{
    return WaitFor([&] { return IsWindowVisible(list) != FALSE; });
}

bool Hidden(HWND list)
{
    return WaitFor([&] { return IsWindowVisible(list) == FALSE; });
}

} // namespace

TEST(InspectorInTheEditor, MenuAndShortcutToggleThePaneWhoseRowsFollowTheCaretEditsAndCopy)
{
    if (!RunningEditor::CanPressKeys())
        GTEST_SKIP() << "needs xdotool and a display";
    const TempDocument file("qx_inspector", std::vector<uint8_t>{0x41, 0x82, 0xA0, 0x00, 0x00, 0xC0, 0x7F, 0x42, 0x30});
    auto editor = std::make_unique<RunningEditor>("qx_inspector", file.quoted());
    ASSERT_TRUE(editor->started());
    ASSERT_TRUE(WaitFor([&] { return editor->sizeText() == "9"; })) << editor->sizeText();
    const HWND list = InspectorList(editor->window());
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(IsWindowVisible(list)) << "hidden by default";

    // The tool menu's item.
    ASSERT_TRUE(editor->pressKeys("alt+t i"));
    ASSERT_TRUE(Shown(list));
    EXPECT_TRUE(RowShows(list, "8ビット符号なし", "65")) << RowLine(list, "8ビット符号なし");
    EXPECT_TRUE(RowShows(list, "UTF-8", "A U+0041")) << RowLine(list, "UTF-8");

    // The caret's moves, a typed digit and its undo.
    ASSERT_TRUE(editor->pressKeys("Right Right"));
    EXPECT_TRUE(RowShows(list, "Shift-JIS", "あ U+3042")) << RowLine(list, "Shift-JIS");
    EXPECT_TRUE(RowShows(list, "16ビット符号なし(LE)", "41090")) << RowLine(list, "16ビット符号なし(LE)");
    ASSERT_TRUE(editor->pressKeys("7"));
    EXPECT_TRUE(RowShows(list, "8ビット符号なし", "114")) << RowLine(list, "8ビット符号なし");
    ASSERT_TRUE(editor->pressKeys("ctrl+z"));
    EXPECT_TRUE(RowShows(list, "8ビット符号なし", "130")) << RowLine(list, "8ビット符号なし");
    ASSERT_TRUE(editor->pressKeys("End Left Left"));
    EXPECT_TRUE(RowShows(list, "UTF-16LE", "あ U+3042")) << RowLine(list, "UTF-16LE");
    ASSERT_TRUE(editor->pressKeys("End"));
    EXPECT_TRUE(RowShows(list, "8ビット符号なし", "48")) << RowLine(list, "8ビット符号なし");
    EXPECT_TRUE(RowShows(list, "16ビット符号なし(LE)", "—")) << RowLine(list, "16ビット符号なし(LE)");

    // A click on a row gives the list the focus; Ctrl+C then copies that row.
    const auto itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, itemHeight + itemHeight / 2));
    PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(10, itemHeight + itemHeight / 2));
    ASSERT_TRUE(WaitFor([&] { return SendMessageA(list, LB_GETCURSEL, 0, 0) == 1; }));
    PutClipboardText(nullptr, "none");
    ASSERT_TRUE(editor->pressKeys("ctrl+c"));
    EXPECT_TRUE(WaitFor([] { return ClipboardText(nullptr).value_or("") != "none"; }));
    EXPECT_EQ(ClipboardText(nullptr).value_or(""), "8ビット符号なし\t48\r\n");

    // The shortcut hides and shows it again.
    ASSERT_TRUE(editor->pressKeys("ctrl+i"));
    ASSERT_TRUE(Hidden(list));
    ASSERT_TRUE(editor->pressKeys("ctrl+i"));
    ASSERT_TRUE(Shown(list));

    // Shown and its width reach the registry at the close; the next start shows it so.
    const std::string key = editor->registryKey();
    ASSERT_TRUE(editor->close());
    EXPECT_EQ(RegistryText(key, "Preference", "inspector"), "1");
    EXPECT_EQ(RegistryText(key, "Preference", "inspector width"), "400");
    editor.reset();

    const auto restart = [&](const std::string& width) {
        return std::make_unique<RunningEditor>("qx_inspector", file.quoted(), [&](const std::string& path) {
            HKEY section = nullptr;
            RegCreateKeyExA(HKEY_CURRENT_USER, (path + "\\Preference").c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &section, nullptr);
            // A window wide enough for the pane's whole width.
            for (const auto& [name, value] : {std::pair<std::string, std::string>{"window right", "900"},
                                              {"inspector", "1"}, {"inspector width", width}})
                RegSetValueExA(section, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                               static_cast<DWORD>(value.size() + 1));
            RegCloseKey(section);
        });
    };
    // The pane's width is its list's parent's.
    const auto paneWidth = [](HWND shownList) {
        RECT frame{};
        GetWindowRect(GetParent(shownList), &frame);
        return frame.right - frame.left;
    };
    for (const auto& [stored, expected] : {std::pair{"240", 240}, std::pair{"garbage", 400}}) {
        editor = restart(stored);
        ASSERT_TRUE(editor->started());
        const HWND shownList = InspectorList(editor->window());
        ASSERT_TRUE(Shown(shownList)) << stored;
        EXPECT_EQ(paneWidth(shownList), expected) << stored;
        EXPECT_TRUE(RowShows(shownList, "8ビット符号なし", "65")) << RowLine(shownList, "8ビット符号なし");
        editor.reset();
    }
}
