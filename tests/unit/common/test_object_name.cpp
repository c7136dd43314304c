// Names of system objects: forbidden characters replaced, length bounded, Shift-JIS kept whole.
#include "common/ObjectName.h"

#include <gtest/gtest.h>

namespace {

TEST(ObjectName, BackslashesFullStopsAndBlanksBecomeUnderscores)
{
    EXPECT_EQ(MakeObjectName("C:\\Program Files\\vornalix.exe"), "C:_Program_Files_vornalix_exe");
    EXPECT_EQ(MakeObjectName("KORVANIVORNALIXE"), "KORVANIVORNALIXE");
    EXPECT_EQ(MakeObjectName(""), "");
}

TEST(ObjectName, TrailBytesThatLookLikeBackslashesStay)
{
    // "表" (0x95 0x5C) and "ソ" (0x83 0x5C).
    EXPECT_EQ(MakeObjectName("\x95\x5C\\\x83\x5C."), "\x95\x5C_\x83\x5C_");
}

TEST(ObjectName, CutAtTheLimitWithoutSplittingACharacter)
{
    EXPECT_EQ(MakeObjectName(std::string(300, 'a')), std::string(ObjectNameLimit, 'a'));
    std::string doubleBytes;
    for (int i = 0; i < 200; ++i)
        doubleBytes += "\x82\xA0";
    const std::string cut = MakeObjectName(doubleBytes);
    EXPECT_EQ(cut.size(), ObjectNameLimit - 1);
    EXPECT_EQ(cut, doubleBytes.substr(0, ObjectNameLimit - 1));
}

} // namespace
