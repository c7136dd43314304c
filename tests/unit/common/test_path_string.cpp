// Path strings, the drive-letter test and SameName, with Shift-JIS names.
#include "common/PathString.h"

#include <gtest/gtest.h>

#include <string>

TEST(PathString, LeadingBackslashesBecomeOneAndTrailingOnesGo)
{
    EXPECT_EQ(MakePathString("C:\\data\\a.bin"), "C:\\data\\a.bin");
    EXPECT_EQ(MakePathString("\\\\\\server\\share\\"), "\\server\\share");
    EXPECT_EQ(MakePathString("C:\\data\\\\\\"), "C:\\data");
    EXPECT_EQ(MakePathString("C:\\"), "C:");
    EXPECT_EQ(MakePathString("\\\\"), "");
    EXPECT_EQ(MakePathString(""), "");
}

TEST(PathString, TrailBytesThatLookLikeBackslashesStay)
{
    // "表" and "ソ" end in 0x5C; the folder name must keep its last character.
    EXPECT_EQ(MakePathString("C:\\表"), "C:\\\x95\x5C");
    EXPECT_EQ(MakePathString("C:\\ソ\\"), "C:\\\x83\x5C");
    EXPECT_EQ(MakePathString("C:\\ソ\\\\表\\"), "C:\\ソ\\\\表");
    // A lead byte at the very end stands alone, so a backslash before it is not trailing.
    EXPECT_EQ(MakePathString("C:\\a\\\x95"), "C:\\a\\\x95");
}

TEST(PathString, TwoHundredFiftyNineBytesOrMoreAreEmpty)
{
    const std::string fits = "C:\\" + std::string(255, 'a');
    ASSERT_EQ(fits.size(), 258u);
    EXPECT_EQ(MakePathString(fits), fits);
    EXPECT_EQ(MakePathString(fits + "a"), "");
    // The limit applies to the reduced form.
    EXPECT_EQ(MakePathString(fits + "\\\\\\"), fits);
    EXPECT_EQ(MakePathString("\\\\\\\\" + std::string(257, 'a')), "\\" + std::string(257, 'a'));
}

TEST(PathString, DriveLetterAndColon)
{
    EXPECT_TRUE(HasDriveLetter("C:\\a.bin"));
    EXPECT_TRUE(HasDriveLetter("z:"));
    EXPECT_FALSE(HasDriveLetter("C"));
    EXPECT_FALSE(HasDriveLetter("1:\\a"));
    EXPECT_FALSE(HasDriveLetter("\\\\server\\share"));
    EXPECT_FALSE(HasDriveLetter("a.bin"));
    EXPECT_FALSE(HasDriveLetter("表:"));
    EXPECT_FALSE(HasDriveLetter(""));
}

TEST(SameName, AsciiLettersIgnoreCaseDoubleByteCharactersDoNot)
{
    EXPECT_TRUE(SameName("C:\\Data\\A.BIN", "c:\\data\\a.bin"));
    EXPECT_TRUE(SameName("", ""));
    EXPECT_FALSE(SameName("C:\\a.bin", "C:\\a.bin "));
    EXPECT_FALSE(SameName("C:\\a.bin", "C:\\b.bin"));
    EXPECT_FALSE(SameName("[", "{"));  // 0x5B and 0x7B differ by the case bit but are no letters
    EXPECT_TRUE(SameName("C:\\表\\x", "c:\\表\\X"));
    // Trail bytes that would be the letters A and a compare exactly.
    EXPECT_FALSE(SameName("\x83\x41", "\x83\x61"));
    EXPECT_FALSE(SameName("ソ", "ポ"));
}

TEST(PathString, ExtensionCharactersLedBy0xF0To0xFCAreDoubleByte)
{
    // 纊 is 0xFA 0x5C, 髙 0xFB 0xFC, 﨑 0xFA 0xB1; 0xFA 0x41 and 0xFA 0x61 are two other characters.
    EXPECT_EQ(MakePathString("C:\\t\\纊"), "C:\\t\\\xFA\x5C");
    EXPECT_EQ(MakePathString("C:\\纊\\"), "C:\\\xFA\x5C");
    EXPECT_EQ(FolderOf("C:\\t\\纊.bin"), "C:\\t");
    EXPECT_EQ(FolderOf("C:\\髙橋\\纊\\﨑.bin"), "C:\\髙橋\\纊");
    EXPECT_TRUE(SameName("C:\\髙橋\\A.BIN", "c:\\髙橋\\a.bin"));
    EXPECT_FALSE(SameName("C:\\\xFA\x41", "C:\\\xFA\x61"));
}
