// Clipboard texts as byte blocks, and the help file's name beside the program.
#include "app/tools/ClipboardBytes.h"
#include "app/system/HelpFileName.h"

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

TEST(HelpFileName, ReplacesTheProgramsExtension)
{
    EXPECT_EQ(HelpFileName("C:\\Quillet\\vornalix.exe"), "C:\\Quillet\\vornalix.chm");
    EXPECT_EQ(HelpFileName("C:\\a.b\\editor"), "C:\\a.b\\editor.chm");
    EXPECT_EQ(HelpFileName("C:\\tools\\v.1.exe"), "C:\\tools\\v.1.chm");
    EXPECT_EQ(HelpFileName("vornalix.exe"), "vornalix.chm");
    // "表" ends in the byte 0x5C: it is no folder separator, and the dot after it starts the
    // extension of a name that has no backslash of its own.
    EXPECT_EQ(HelpFileName("C:\\表.exe"), "C:\\表.chm");
    EXPECT_EQ(HelpFileName("C:\\dir.x\\表"), "C:\\dir.x\\表.chm");
}
