// The program refuses to start without a complete library: one box, exit code 0, no window.
#include "tests/win/support/MessageBoxCatcher.h"
#include "tests/win/support/Process.h"

#include <gtest/gtest.h>

namespace {

void ExpectStartRefused(const std::string& folder)
{
    // Started in its own folder, so the library search cannot find the real library
    // through the current folder either.
    const std::string where = ProgramFolder() + folder;
    const std::string program = where + "\\vornalix.exe";
    ChildProcess editor(program, "\"" + program + "\"", where.c_str());
    ASSERT_TRUE(editor.started());
    HWND box = WaitForProcessWindow(editor.id(), "#32770");
    ASSERT_NE(box, nullptr) << "no message box appeared";
    const CaughtBox read = ReadMessageBox(box);
    EXPECT_EQ(read.text, "アプリケーションを初期化できませんでした。\n再インストールが必要です。");
    EXPECT_EQ(read.caption, "エラー [Korvani Quillet]");
    EXPECT_EQ(read.flags & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    EXPECT_EQ(WaitForProcessWindow(editor.id(), "TFormVornalix", 0), nullptr);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(editor.waitForExit());
    EXPECT_EQ(editor.exitCode(), 0u);
}

} // namespace

TEST(Binding, LibraryLackingOneExportStopsTheStart) { ExpectStartRefused("incomplete"); }

TEST(Binding, MissingLibraryStopsTheStart) { ExpectStartRefused("missing"); }
