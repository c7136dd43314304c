// The help file's name beside the program.
#include "app/system/HelpFileName.h"

#include <gtest/gtest.h>

TEST(HelpFileName, ReplacesTheProgramsExtension)
{
    EXPECT_EQ(HelpFileName("C:\\Quillet\\vornalix.exe"), "C:\\Quillet\\vornalix.chm");
    EXPECT_EQ(HelpFileName("C:\\a.b\\editor"), "C:\\a.b\\editor.chm");
    EXPECT_EQ(HelpFileName("C:\\tools\\v.1.exe"), "C:\\tools\\v.1.chm");
    EXPECT_EQ(HelpFileName("vornalix.exe"), "vornalix.chm");
    // "表" ends in the byte 0x5C: it is no folder separator, and the dot after it starts the
    // extension of a name that has no backslash of its own.
    EXPECT_EQ(HelpFileName("C:\\表.exe"), "C:\\表.chm");
    EXPECT_EQ(HelpFileName("C:\\dir.x\\表"), "C:\\dir.x\\表.chm");
}
