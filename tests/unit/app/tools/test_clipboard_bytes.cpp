// Clipboard texts as byte blocks.
#include "app/tools/ClipboardBytes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<uint8_t> Bytes(const _CVec<uint8_t>& bytes) { return {bytes.data(), bytes.data() + bytes.size()}; }

} // namespace

TEST(ClipboardBytes, WholeByteTextsInEitherCase)
{
    const auto bytes = ClipboardBytes("00ab10");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(Bytes(*bytes), (std::vector<uint8_t>{0x00, 0xAB, 0x10}));
    ASSERT_TRUE(ClipboardBytes("FFfe"));
    EXPECT_EQ(Bytes(*ClipboardBytes("FFfe")), (std::vector<uint8_t>{0xFF, 0xFE}));
}

TEST(ClipboardBytes, AnythingElseGivesNothingNotEvenAPart)
{
    for (const char* text : {"", "ABC", "GG", "AB CD", "ABCG", "0x12", "12\r\n", " 12", "１２"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ClipboardBytes(text).has_value());
    }
}
