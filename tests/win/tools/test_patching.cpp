// The patching commands through the running editor's edit menu: copy as, fill (one undo step),
// paste as hex text, and the refusals that leave the document as it was.
#include "app/win/system/Clipboard.h"

#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/TempDocument.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr char kSelectThe[] = "Home ctrl+j Right Right Right Right ctrl+k";
constexpr char kFoxHex[] = "54686520717569636B";

// What a command put on the clipboard, "before" when it put nothing.
std::string Copied(const std::function<void()>& act)
{
    PutClipboardText(nullptr, "before");
    act();
    WaitFor([&] { return ClipboardText(nullptr).value_or("before") != "before"; });
    return ClipboardText(nullptr).value_or("");
}

// The edit menu's item with the accelerator `key`, pressed once the menu is up.
bool EditMenu(RunningEditor& editor, const char* key)
{
    return editor.pressKeys("alt+e") && editor.waitForWindow("#32768") && editor.pressKeys(key);
}

TEST(PatchingCommands, CopyAsFillAndPasteAsHexTextThroughTheEditMenu)
{
    if (!RunningEditor::CanPressKeys())
        GTEST_SKIP() << "needs xdotool and a display";
    const TempDocument file("qx_patching", "The quick");
    RunningEditor editor("qx_patching", file.quoted());
    ASSERT_TRUE(editor.started());
    ASSERT_TRUE(WaitFor([&] { return editor.sizeText() == "9"; })) << editor.sizeText();

    // Copy as: the first format by default, then another chosen in the dialog.
    ASSERT_TRUE(editor.pressKeys(kSelectThe));
    ASSERT_TRUE(EditMenu(editor, "a"));
    HWND dialog = editor.waitForWindow("TFormCopyAs");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Copied([&] { PostClick(ChildWithText(dialog, "コピー")); }),
              "unsigned char data[3] = {\r\n    0x54, 0x68, 0x65\r\n};\r\n");
    ASSERT_TRUE(editor.waitForNoWindow("TFormCopyAs"));
    ASSERT_TRUE(EditMenu(editor, "a"));
    dialog = editor.waitForWindow("TFormCopyAs");
    ASSERT_NE(dialog, nullptr);
    PostClick(ChildWithText(dialog, "Base64"));
    EXPECT_EQ(Copied([&] { PostClick(ChildWithText(dialog, "コピー")); }), "VGhl");
    ASSERT_TRUE(editor.waitForNoWindow("TFormCopyAs"));

    // Fill: a malformed pattern is refused in the dialog, a good one fills, undone in one step.
    ASSERT_TRUE(EditMenu(editor, "l"));
    dialog = editor.waitForWindow("TFormFill");
    ASSERT_NE(dialog, nullptr);
    const std::vector<HWND> edits = ChildrenOfClass(dialog, "Edit");
    ASSERT_EQ(edits.size(), 1u);
    const HWND edit = edits[0];
    SetEditText(edit, "AB C");
    PostClick(ChildWithText(dialog, "OK"));
    const HWND box = editor.waitForWindow("#32770");
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    SetEditText(edit, "AA BB");
    PostClick(ChildWithText(dialog, "OK"));
    ASSERT_TRUE(editor.waitForNoWindow("TFormFill"));
    EXPECT_EQ(editor.dataText(), std::string("AABBAA") + (kFoxHex + 6));
    ASSERT_TRUE(editor.pressKeys("ctrl+z"));
    EXPECT_EQ(editor.dataText(), kFoxHex);

    // Paste as hex text: a dump's bytes at the caret; any other text changes nothing.
    PutClipboardText(nullptr, "00000000  01 02                                            ..\r\n");
    ASSERT_TRUE(editor.pressKeys("Home"));
    ASSERT_TRUE(EditMenu(editor, "p"));
    EXPECT_TRUE(WaitFor([&] { return editor.dataText() == std::string("0102") + kFoxHex; })) << editor.dataText();
    PutClipboardText(nullptr, "not hex");
    ASSERT_TRUE(EditMenu(editor, "p"));
    const HWND refusal = editor.waitForWindow("#32770");
    ASSERT_NE(refusal, nullptr);
    PostMessageA(refusal, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(editor.dataText(), std::string("0102") + kFoxHex);
}

} // namespace
