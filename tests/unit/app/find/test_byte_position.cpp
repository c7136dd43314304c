// The jump dialog's rules: position texts, the entry check and the radix.
#include "app/find/BytePosition.h"

#include <gtest/gtest.h>

TEST(BytePosition, InfoAndEditTextsInEitherRadix)
{
    BytePosition position;
    position.SetPosition(256, 0);
    EXPECT_EQ(position.InfoText(), "0 [0 - FF]");
    EXPECT_EQ(position.EditText(), "0");
    position.SetPosition(256, 26);
    EXPECT_EQ(position.InfoText(), "1A [0 - FF]");
    position.SetRadix(PositionRadix::Decimal);
    EXPECT_EQ(position.InfoText(), "26 [0 - 255]");
    EXPECT_EQ(position.EditText(), "26");
}

TEST(BytePosition, EntryMustReadAsAnOffsetInsideTheData)
{
    BytePosition position;
    position.SetPosition(0x100, 0);
    for (const char* good : {"FF", "ff", "0", "000000FF"})
        EXPECT_TRUE(position.IsAcceptable(good)) << good;
    for (const char* bad : {"100", "", "G", " 1", "-1"})
        EXPECT_FALSE(position.IsAcceptable(bad)) << bad;
    EXPECT_EQ(position.GetNewPosition("A9"), 0xA9u);

    position.SetRadix(PositionRadix::Decimal);
    EXPECT_EQ(position.GetNewPosition("255"), 255u);
    for (const char* bad : {"256", "1A", "FF"})
        EXPECT_FALSE(position.IsAcceptable(bad)) << bad;
    // A text typed in one radix is read again in the other.
    EXPECT_EQ(position.GetNewPosition("99"), 99u);
    position.SetRadix(PositionRadix::Hex);
    EXPECT_EQ(position.GetNewPosition("99"), 0x99u);
}

TEST(BytePosition, ValuesBeyond32BitsAreOutOfRange)
{
    BytePosition position;
    position.SetPosition(UINT32_MAX, 0);
    EXPECT_TRUE(position.IsAcceptable("FFFFFFFE"));
    EXPECT_FALSE(position.IsAcceptable("100000000"));  // would wrap to 0 in 32 bits
    EXPECT_FALSE(position.IsAcceptable("1000000000000000001"));
    position.SetRadix(PositionRadix::Decimal);
    EXPECT_TRUE(position.IsAcceptable("4294967294"));
    EXPECT_FALSE(position.IsAcceptable("4294967296"));
    EXPECT_FALSE(position.IsAcceptable("99999999999999999999999"));
}
