// The checksum command's rules: which bytes are summed, and the texts of the dialog and the clipboard.
#include "app/tools/ChecksumReport.h"
#include "app/texts/ProgramTexts.h"

#include <gtest/gtest.h>

TEST(ChecksumReport, SumsTheSelectionOrElseTheWholeData)
{
    EXPECT_EQ(ChecksumRangeOf(100, -1, 0), (ChecksumRange{0, 100, false}));
    // Begin is a nibble index, the size a byte count.
    EXPECT_EQ(ChecksumRangeOf(100, 20, 5), (ChecksumRange{10, 5, true}));
    EXPECT_EQ(ChecksumRangeOf(100, 0, 100), (ChecksumRange{0, 100, true}));
    EXPECT_EQ(ChecksumRangeOf(0x3FFFFFFF, 2, 0x3FFFFFFE), (ChecksumRange{1, 0x3FFFFFFE, true}));
    // A selection the control could not hold sums nothing rather than other bytes.
    EXPECT_FALSE(ChecksumRangeOf(100, 20, 91));
    EXPECT_FALSE(ChecksumRangeOf(100, 3, 2));
    EXPECT_FALSE(ChecksumRangeOf(100, -1, 4));
    EXPECT_FALSE(ChecksumRangeOf(-1, -1, 0));
    EXPECT_FALSE(ChecksumRangeOf(0x7FFFFFFF, 0x7FFFFFFE, 0x7FFFFFFF));
    // Past 4 GiB: offsets and counts keep their high bits; the end check cannot overflow.
    EXPECT_EQ(ChecksumRangeOf(0x400000000, -1, 0), (ChecksumRange{0, 0x400000000, false}));
    EXPECT_EQ(ChecksumRangeOf(0x400000000, 0x600000000, 0x100000000), (ChecksumRange{0x300000000, 0x100000000, true}));
    EXPECT_FALSE(ChecksumRangeOf(0x400000000, 0x600000000, 0x100000001));
    EXPECT_FALSE(ChecksumRangeOf(0x400000000, 2, INT64_MAX));
}

TEST(ChecksumReport, SumsReadAsUpperCaseHexAndCopyAsNamedLines)
{
    ChecksumDigests digests;
    digests.crc32 = 0x0A4FA339;
    digests.md5[0] = 0xAB;
    digests.md5[15] = 0x0C;
    digests.sha1[19] = 0xFF;
    digests.sha256[0] = 0x01;
    const auto texts = ChecksumHexTexts(digests);
    EXPECT_EQ(texts[0], "0A4FA339");
    EXPECT_EQ(texts[1], "AB00000000000000000000000000000C");
    EXPECT_EQ(texts[2], std::string(38, '0') + "FF");
    EXPECT_EQ(texts[3], "01" + std::string(62, '0'));
    EXPECT_EQ(ChecksumCopyText(digests), "CRC-32: " + texts[0] + "\r\nMD5: " + texts[1] + "\r\nSHA-1: " + texts[2] +
                                             "\r\nSHA-256: " + texts[3] + "\r\n");
}

TEST(ChecksumReport, ScopeLineSaysWhatWasSummedWithGroupedSize)
{
    EXPECT_EQ(ChecksumScopeText({0, 1234, true}), std::string(kTextChecksumSelection) + " (1,234 バイト)");
    EXPECT_EQ(ChecksumScopeText({0, 0x3FFFFFFF, false}), std::string(kTextChecksumWhole) + " (1,073,741,823 バイト)");
    for (const auto& [value, text] : {std::pair<uint64_t, const char*>{0, "0"}, {999, "999"}, {1000, "1,000"},
                                      {100000, "100,000"}, {1000000, "1,000,000"}})
        EXPECT_EQ(GroupedDecimal(value), text) << value;
}
