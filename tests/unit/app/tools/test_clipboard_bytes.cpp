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

// Up to the limit a copy goes ahead; past it the refusal names the selection's size, grouped.
TEST(ClipboardBytes, CopyOfMoreThanTheClipboardTakesIsRefusedWithItsSize)
{
    EXPECT_EQ(CopyRefusal(1), "");
    EXPECT_EQ(CopyRefusal(kClipboardCopyLimit), "");
    const std::string refusal = CopyRefusal(0x400000000);
    EXPECT_NE(refusal.find("クリップボードにコピーできません"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("17,179,869,184 バイト"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("1,073,741,823 バイトまで"), std::string::npos) << refusal;
    EXPECT_NE(CopyRefusal(kClipboardCopyLimit + 1).find("1,073,741,824 バイト\n"), std::string::npos);
}
