// The jump dialog's rules: position texts, the entry check and the radix.
#include "app/BytePosition.h"

#include <gtest/gtest.h>

TEST(BytePosition, InfoAndEditTextsInEitherRadix)
{
    BytePosition position;
    position.SetPosition(256, 0);
    EXPECT_EQ(position.Radix(), PositionRadix::Hex);
    EXPECT_EQ(position.InfoText(), "0 [0 - FF]");
    EXPECT_EQ(position.EditText(), "0");

    position.SetPosition(256, 26);
    EXPECT_EQ(position.InfoText(), "1A [0 - FF]");
    EXPECT_EQ(position.EditText(), "1A");
    position.SetRadix(PositionRadix::Decimal);
    EXPECT_EQ(position.InfoText(), "26 [0 - 255]");
    EXPECT_EQ(position.EditText(), "26");

    position.SetPosition(0x3FFFFFFF, 0x3FFFFFFE);
    position.SetRadix(PositionRadix::Hex);
    EXPECT_EQ(position.InfoText(), "3FFFFFFE [0 - 3FFFFFFE]");
    EXPECT_EQ(PositionText(UINT32_MAX, PositionRadix::Decimal), "4294967295");
}

TEST(BytePosition, HexEntryMustLieInsideTheData)
{
    BytePosition position;
    position.SetPosition(0x100, 0);
    EXPECT_FALSE(position.IsAcceptable("100"));
    EXPECT_TRUE(position.IsAcceptable("FF"));
    EXPECT_TRUE(position.IsAcceptable("ff"));
    EXPECT_TRUE(position.IsAcceptable("0"));
    EXPECT_TRUE(position.IsAcceptable("000000FF"));  // leading zeros read fine
    EXPECT_FALSE(position.IsAcceptable(""));
    EXPECT_FALSE(position.IsAcceptable("G"));
    EXPECT_FALSE(position.IsAcceptable(" 1"));
    EXPECT_FALSE(position.IsAcceptable("-1"));
    EXPECT_EQ(position.GetNewPosition("A9"), 0xA9u);
    EXPECT_EQ(position.GetNewPosition("100"), std::nullopt);
}

TEST(BytePosition, DecimalEntryRefusesLetters)
{
    BytePosition position;
    position.SetPosition(256, 0);
    position.SetRadix(PositionRadix::Decimal);
    EXPECT_TRUE(position.IsAcceptable("255"));
    EXPECT_FALSE(position.IsAcceptable("256"));
    EXPECT_FALSE(position.IsAcceptable("1A"));
    EXPECT_FALSE(position.IsAcceptable("FF"));
    EXPECT_EQ(position.GetNewPosition("255"), 255u);
}

TEST(BytePosition, ValuesBeyond32BitsAreOutOfRange)
{
    BytePosition position;
    position.SetPosition(UINT32_MAX, 0);
    EXPECT_TRUE(position.IsAcceptable("FFFFFFFE"));
    EXPECT_FALSE(position.IsAcceptable("FFFFFFFF"));   // equals the size
    EXPECT_FALSE(position.IsAcceptable("100000000"));  // would wrap to 0 in 32 bits
    EXPECT_FALSE(position.IsAcceptable("1000000000000000001"));
    position.SetRadix(PositionRadix::Decimal);
    EXPECT_TRUE(position.IsAcceptable("4294967294"));
    EXPECT_FALSE(position.IsAcceptable("4294967296"));  // 2^32
    EXPECT_FALSE(position.IsAcceptable("4294967297"));
    EXPECT_FALSE(position.IsAcceptable("99999999999999999999999"));
}

TEST(BytePosition, SwitchingTheRadixRereadsTheTypedText)
{
    BytePosition position;
    position.SetPosition(0x100, 0);
    EXPECT_EQ(position.GetNewPosition("7F"), 0x7Fu);
    position.SetRadix(PositionRadix::Decimal);
    EXPECT_EQ(position.GetNewPosition("7F"), std::nullopt);  // not a decimal number
    EXPECT_EQ(position.GetNewPosition("99"), 99u);
    position.SetRadix(PositionRadix::Hex);
    EXPECT_EQ(position.GetNewPosition("99"), 0x99u);
}
