// Byte texts: conversion both ways and the find/replace entry rules.
#include "app/find/ByteText.h"

#include <gtest/gtest.h>

namespace {

std::string RoundTrip(std::string_view text, bool expectComplete)
{
    _CVec<uint8_t> bytes;
    bytes.push_back(0x77);  // earlier contents never survive
    EXPECT_EQ(HexToBytes(text, bytes), expectComplete) << text;
    return BytesToHex(bytes);
}

} // namespace

TEST(ByteText, ConversionBothWays)
{
    const uint8_t bytes[] = {0xA0, 0x49, 0x32, 0x00, 0xFF};
    EXPECT_EQ(BytesToHex(bytes, 5), "A0493200FF");
    EXPECT_EQ(RoundTrip("a04932fF", true), "A04932FF");
    EXPECT_EQ(RoundTrip("", true), "");
    // The first bad pair stops the conversion; the bytes from there on stay zero.
    EXPECT_EQ(RoundTrip("41G24344", false), "41000000");
    EXPECT_EQ(RoundTrip("414", false), "00");  // odd: sized, nothing converted
}

TEST(ByteText, EntryRules)
{
    for (const char* good : {"A0", "a0", "0123456789abcdefABCDEF", "4?", "??", "?a??00"})
        EXPECT_TRUE(IsFindText(good)) << good;
    for (const char* bad : {"", "A", "A0 ", " A0", "G0", "0x", "\x82\xA0", "?", "4?0"})
        EXPECT_FALSE(IsFindText(bad)) << bad;

    EXPECT_TRUE(IsReplaceEntry("00", ""));  // an empty replacement deletes the matches
    EXPECT_TRUE(IsReplaceEntry("00", "0000"));
    EXPECT_FALSE(IsReplaceEntry("00", "00"));
    EXPECT_FALSE(IsReplaceEntry("a0", "A0"));  // the same bytes in another case
    EXPECT_FALSE(IsReplaceEntry("", "00"));
    EXPECT_FALSE(IsReplaceEntry("00", "0"));
    EXPECT_FALSE(IsReplaceEntry("00", "0 "));
    EXPECT_FALSE(IsReplaceEntry("4?", "00"));  // the replacement runs on exact bytes
}

// Unknown digits become masks and come back as '?'; an exact pattern needs no masks.
TEST(ByteText, PatternsWithUnknownDigits)
{
    _CVec<uint8_t> bytes, masks;
    ASSERT_TRUE(HexToPattern("4??a??ff", bytes, masks));
    EXPECT_EQ(BytesToHex(bytes), "400A00FF");
    EXPECT_EQ(BytesToHex(masks), "F00F00FF");
    EXPECT_EQ(PatternToHex(bytes, masks), "4??A??FF");
    ASSERT_TRUE(HexToPattern("41", bytes, masks));
    EXPECT_TRUE(masks.empty());
    EXPECT_EQ(PatternToHex(bytes, masks), "41");
    EXPECT_FALSE(HexToPattern("4?g", bytes, masks));
    EXPECT_TRUE(bytes.empty() && masks.empty());
}
