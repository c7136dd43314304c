// FolderOf: the folder part of file names, Shift-JIS aware.
#include "common/PathString.h"

#include <gtest/gtest.h>

TEST(FolderOf, TakesTheTextBeforeTheLastBackslash)
{
    EXPECT_EQ(FolderOf("C:\\data\\a.bin"), "C:\\data");
    EXPECT_EQ(FolderOf("C:\\a.bin"), "C:");
    EXPECT_EQ(FolderOf("C:\\data\\"), "C:\\data");
    EXPECT_EQ(FolderOf("\\a.bin"), "\\");
    EXPECT_EQ(FolderOf("a.bin"), "");
    EXPECT_EQ(FolderOf("\\"), "");
    EXPECT_EQ(FolderOf(""), "");
}

TEST(FolderOf, ATrailByteOfBackslashIsNoSeparator)
{
    // "表" is 0x95 0x5C in Shift-JIS: C:\表\x and C:\x表 (no backslash after the folder).
    EXPECT_EQ(FolderOf("C:\\\x95\x5C\\x"), "C:\\\x95\x5C");
    EXPECT_EQ(FolderOf("C:\\x\x95\x5C"), "C:");
    EXPECT_EQ(FolderOf("x\x95\x5C"), "");
}
