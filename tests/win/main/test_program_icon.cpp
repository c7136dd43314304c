// The program's icon: four sizes in the resource, shown by the about dialog.
#include "app/win/main/TDialogAbout.h"
#include "common/win/WideText.h"
#include "common/win/FileSystem.h"
#include "tests/win/support/Process.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// The widths of the images in the module's icon group 1 (0 stands for 256).
std::set<int> IconWidths(HMODULE module)
{
    std::set<int> widths;
    HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(1), reinterpret_cast<LPCSTR>(RT_GROUP_ICON));
    const auto* bytes = group ? static_cast<const BYTE*>(LockResource(LoadResource(module, group))) : nullptr;
    if (!bytes)
        return widths;
    const WORD count = *reinterpret_cast<const WORD*>(bytes + 4);
    for (WORD i = 0; i < count; ++i)
        widths.insert(bytes[6 + 14 * i]);
    return widths;
}

} // namespace

TEST(ProgramIcon, FourSizesInTheResourceAndTheAboutDialogShowsThem)
{
    HMODULE program = LoadLibraryExA((ProgramFolder() + "vornalix.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(IconWidths(program), (std::set<int>{0, 16, 32, 48}));
    FreeLibrary(program);

    // This test program carries the editor's resources.
    const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    ASSERT_NE(icon, nullptr);
    TDialogAbout about(nullptr, AnsiText(ProgramPath()));
    about.Show();
    EXPECT_EQ(about.ImageMainIcon.Icon(), icon);
}
