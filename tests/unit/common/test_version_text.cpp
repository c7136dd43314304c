// Version strings and operating-system names.
#include "common/VersionText.h"

#include <gtest/gtest.h>

TEST(VersionText, ShortVersionTakesOneDigitEachSide)
{
    EXPECT_EQ(ShortVersionOf("1, 0, 2, 0"), "1.0");
    EXPECT_EQ(ShortVersionOf("10, 2"), "1.0");
    EXPECT_EQ(ShortVersionOf("2"), "2.0");
    EXPECT_EQ(ShortVersionOf("v3 beta 7"), "3.7");
    EXPECT_EQ(ShortVersionOf("none"), "");
    EXPECT_EQ(VersionDigitsOf("1, 0, 2, 0"), "1020");
    EXPECT_EQ(VersionDigitsOf(""), "");
}

TEST(VersionText, OsNamesByPlatformAndVersion)
{
    EXPECT_EQ(OsNameFor(0, 3, 1), "Win32s");
    EXPECT_EQ(OsNameFor(1, 4, 0), "Windows 95");
    EXPECT_EQ(OsNameFor(1, 4, 10), "Windows 98");
    EXPECT_EQ(OsNameFor(2, 4, 0), "Windows NT");
    EXPECT_EQ(OsNameFor(2, 5, 0), "Windows 2000");
    EXPECT_EQ(OsNameFor(2, 5, 1), "Windows XP");
    EXPECT_EQ(OsNameFor(2, 5, 2), "Windows NT");
    EXPECT_EQ(OsNameFor(2, 6, 1), "Windows NT");
    EXPECT_EQ(OsNameFor(3, 10, 0), "Unknown");
    EXPECT_EQ(OsBuildText(1, 0x040A0B5Au), "2906");
    EXPECT_EQ(OsBuildText(2, 0x040A0B5Au), "67767130");
}
