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

// Offsets of a document of 16 GiB, and of one as large as 64 bits count: the last byte is
// reachable, one past it is not, and a text beyond 64 bits never wraps to a small offset.
TEST(BytePosition, OffsetsPast4GiBReadInEitherRadix)
{
    struct Case {
        uint64_t dataSize;
        PositionRadix radix;
        const char* text;
        std::optional<uint64_t> offset;
    };
    constexpr uint64_t size16G = 0x400000000;
    const Case cases[] = {
        {size16G, PositionRadix::Hex, "3FFFFFFFF", 0x3FFFFFFFF},
        {size16G, PositionRadix::Hex, "3ffffffff", 0x3FFFFFFFF},
        {size16G, PositionRadix::Hex, "100000000", 0x100000000},  // 4 GiB, 0 in 32 bits
        {size16G, PositionRadix::Hex, "0000000100000001", 0x100000001},
        {size16G, PositionRadix::Hex, "400000000", std::nullopt},  // one past the end
        {size16G, PositionRadix::Hex, "0x100", std::nullopt},      // no prefix
        {size16G, PositionRadix::Decimal, "17179869183", 17179869183},
        {size16G, PositionRadix::Decimal, "4294967296", 4294967296},
        {size16G, PositionRadix::Decimal, "17179869184", std::nullopt},
        {UINT64_MAX, PositionRadix::Hex, "FFFFFFFFFFFFFFFE", 0xFFFFFFFFFFFFFFFE},
        {UINT64_MAX, PositionRadix::Hex, "FFFFFFFFFFFFFFFF", std::nullopt},    // one past the end
        {UINT64_MAX, PositionRadix::Hex, "10000000000000000", std::nullopt},   // 65 bits, 0 if it wrapped
        {UINT64_MAX, PositionRadix::Hex, "10000000000000005", std::nullopt},   // 65 bits, 5 if it wrapped
        {UINT64_MAX, PositionRadix::Decimal, "18446744073709551614", 18446744073709551614u},
        {UINT64_MAX, PositionRadix::Decimal, "18446744073709551616", std::nullopt},  // 2^64
        {UINT64_MAX, PositionRadix::Decimal, "18446744073709551620", std::nullopt},  // 2^64 + 4
        {UINT64_MAX, PositionRadix::Decimal, "99999999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) {
        BytePosition position;
        position.SetPosition(c.dataSize, 0);
        position.SetRadix(c.radix);
        EXPECT_EQ(position.GetNewPosition(c.text), c.offset) << c.text;
    }
}

TEST(BytePosition, InfoTextOfADocumentPast4GiB)
{
    BytePosition position;
    position.SetPosition(0x400000000, 0x123456789);
    EXPECT_EQ(position.InfoText(), "123456789 [0 - 3FFFFFFFF]");
    EXPECT_EQ(position.EditText(), "123456789");
    position.SetRadix(PositionRadix::Decimal);
    EXPECT_EQ(position.InfoText(), "4886718345 [0 - 17179869183]");
}
