// Byte texts: conversion both ways and the find/replace entry rules.
#include "app/ByteText.h"

#include <gtest/gtest.h>

namespace {

std::string RoundTrip(std::string_view text)
{
    _CVec<uint8_t> bytes;
    HexToBytes(text, bytes);
    return BytesToHex(bytes);
}

} // namespace

TEST(ByteText, BytesToHexWritesUpperCasePairs)
{
    const uint8_t bytes[] = {0xA0, 0x49, 0x32, 0x00, 0xFF, 0x0F};
    EXPECT_EQ(BytesToHex(bytes, 6), "A04932" "00FF0F");
    EXPECT_EQ(BytesToHex(bytes, 0), "");
}

TEST(ByteText, HexToBytesAcceptsEitherCase)
{
    _CVec<uint8_t> bytes;
    EXPECT_TRUE(HexToBytes("a04932fF", bytes));
    ASSERT_EQ(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], 0xA0);
    EXPECT_EQ(bytes[3], 0xFF);
    EXPECT_EQ(RoundTrip("00ff10"), "00FF10");
    EXPECT_TRUE(HexToBytes("", bytes));
    EXPECT_TRUE(bytes.empty());
}

TEST(ByteText, HexToBytesStopsAtTheFirstBadPairAndLeavesZeros)
{
    _CVec<uint8_t> bytes;
    bytes.push_back(0x77);  // earlier contents never survive
    EXPECT_FALSE(HexToBytes("41G24344", bytes));
    ASSERT_EQ(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], 0x41);
    EXPECT_EQ(bytes[1], 0x00);
    EXPECT_EQ(bytes[2], 0x00);
    EXPECT_EQ(bytes[3], 0x00);

    EXPECT_FALSE(HexToBytes("41 2", bytes));
    EXPECT_EQ(RoundTrip("414"), "00");  // odd: sized, nothing converted
}

TEST(ByteText, FindTextRules)
{
    EXPECT_TRUE(IsFindText("A0"));
    EXPECT_TRUE(IsFindText("a0"));
    EXPECT_TRUE(IsFindText("0123456789abcdefABCDEF"));
    EXPECT_FALSE(IsFindText(""));
    EXPECT_FALSE(IsFindText("A"));
    EXPECT_FALSE(IsFindText("A0 "));
    EXPECT_FALSE(IsFindText(" A0"));
    EXPECT_FALSE(IsFindText("G0"));
    EXPECT_FALSE(IsFindText("0x"));
    EXPECT_FALSE(IsFindText("\x82\xA0"));  // a double-byte character is no digit pair
}

TEST(ByteText, ReplaceEntryRules)
{
    EXPECT_TRUE(IsReplaceEntry("00", ""));      // an empty replacement deletes the matches
    EXPECT_TRUE(IsReplaceEntry("00", "0000"));
    EXPECT_TRUE(IsReplaceEntry("0000", "00"));
    EXPECT_FALSE(IsReplaceEntry("00", "00"));
    EXPECT_FALSE(IsReplaceEntry("a0", "A0"));   // same bytes, different case
    EXPECT_FALSE(IsReplaceEntry("", "00"));
    EXPECT_FALSE(IsReplaceEntry("00", "0"));
    EXPECT_FALSE(IsReplaceEntry("00", "0 "));
    EXPECT_FALSE(IsReplaceEntry("00", "XY"));
    EXPECT_FALSE(IsReplaceEntry("0G", "11"));
}
