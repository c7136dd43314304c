// The program's UTF-16 names: path strings, absolute forms, the \\?\ form, SameName, FolderOf and their bytes.
#include "common/PathString.h"
#include "common/Utf16Bytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(ProgramNames, PathStringKeepsNetworkNamesAndLongNames)
{
    const struct {
        std::wstring given, expected;
    } cases[] = {
        {L"C:\\data\\a.bin", L"C:\\data\\a.bin"},
        {L"C:\\data\\\\\\", L"C:\\data"},
        {L"C:\\", L"C:"},
        {L"\\\\server\\share\\a.bin\\", L"\\\\server\\share\\a.bin"},
        {L"\\\\\\\\server\\share", L"\\\\server\\share"},
        {L"\\a.bin", L"\\a.bin"},
        {L"\\\\", L""},
        {L"", L""},
        // Characters no code page spells, and one beyond U+FFFF, are units like any other.
        {L"C:\\Ελληνικά\\한국어\\\U0001F600.bin\\", L"C:\\Ελληνικά\\한국어\\\U0001F600.bin"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MakePathString(c.given), c.expected);

    const std::wstring longest = L"C:\\" + std::wstring(NameLengthLimit - 4, L'é');
    EXPECT_EQ(MakePathString(longest), longest);
    EXPECT_EQ(MakePathString(longest + L"\u00E9"), L"");
    EXPECT_EQ(MakePathString(longest + L"\\\\"), longest);
}

TEST(ProgramNames, AbsoluteNamesHaveADriveLetterOrAreNetworkNames)
{
    const struct {
        std::wstring name;
        bool absolute, network;
    } cases[] = {
        {L"C:\\a.bin", true, false},
        {L"z:", true, false},
        {L"\\\\server\\share", true, true},
        {L"\\\\localhost\\c$\\a\\b.bin", true, true},
        {L"\\\\서버\\공유\\a", true, true},
        {L"\\\\server", false, false},
        {L"\\\\server\\", false, false},
        {L"\\\\server\\\\share", false, false},
        {L"\\\\\\share", false, false},
        {L"\\\\?\\C:\\a.bin", false, false},
        {L"\\\\?\\UNC\\server\\share", false, false},
        {L"\\\\.\\PhysicalDrive0", false, false},
        {L"\\a.bin", false, false},
        {L"a.bin", false, false},
        {L"1:\\a", false, false},
        {L"é:\\a", false, false},
        {L"", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name.begin(), c.name.end()));
        EXPECT_EQ(IsAbsoluteName(c.name), c.absolute);
        EXPECT_EQ(IsNetworkName(c.name), c.network);
    }
}

TEST(ProgramNames, ExtendedLengthFormOfDriveAndNetworkNames)
{
    EXPECT_EQ(ExtendedLengthName(L"C:\\a\\b.bin"), L"\\\\?\\C:\\a\\b.bin");
    EXPECT_EQ(ExtendedLengthName(L"\\\\server\\share\\b.bin"), L"\\\\?\\UNC\\server\\share\\b.bin");
    // Nothing the system would read otherwise: relative names and names already in the form.
    for (const std::wstring same : {L"C:a.bin", L"a.bin", L"\\a.bin", L"\\\\?\\C:\\a.bin", L"\\\\.\\COM1", L""})
        EXPECT_EQ(ExtendedLengthName(same), same);
}

TEST(ProgramNames, SameNameIgnoresTheCaseOfAsciiLettersOnly)
{
    EXPECT_TRUE(SameName(L"C:\\Data\\A.BIN", L"c:\\data\\a.bin"));
    EXPECT_TRUE(SameName(L"\\\\Server\\Share", L"\\\\server\\SHARE"));
    EXPECT_TRUE(SameName(L"", L""));
    EXPECT_FALSE(SameName(L"C:\\a.bin", L"C:\\a.bin "));
    EXPECT_FALSE(SameName(L"[", L"{"));
    // Letters beyond ASCII compare exactly, as do full-width ones.
    const struct {
        const wchar_t *first, *second;
    } differing[] = {{L"C:\\É.bin", L"C:\\é.bin"}, {L"C:\\Ά", L"C:\\ά"}, {L"Ａ", L"ａ"}};
    for (const auto& pair : differing)
        EXPECT_FALSE(SameName(pair.first, pair.second));
    const std::wstring upper = L"C:\\한국어\\\U0001F600", lower = L"c:\\한국어\\\U0001F600";
    EXPECT_TRUE(SameName(upper, lower));
}

TEST(ProgramNames, FolderOfNetworkAndLongNames)
{
    EXPECT_EQ(FolderOf(L"C:\\data\\a.bin"), L"C:\\data");
    EXPECT_EQ(FolderOf(L"C:\\a.bin"), L"C:");
    EXPECT_EQ(FolderOf(L"\\\\server\\share\\a.bin"), L"\\\\server\\share");
    EXPECT_EQ(FolderOf(L"\\a.bin"), L"\\");
    EXPECT_EQ(FolderOf(L"a.bin"), L"");
    EXPECT_EQ(FolderOf(L"\\"), L"");
    const std::wstring folder = L"C:\\" + std::wstring(300, L'한');
    EXPECT_EQ(FolderOf(folder + L"\\a.bin"), folder);
}

TEST(ProgramNames, Utf16BytesComeBackUnchanged)
{
    const std::wstring name = L"C:\\Ελληνικά\\한국어\\\U0001F600é.bin";
    std::vector<uint8_t> bytes;
    AppendUtf16Le(bytes, name);
    ASSERT_EQ(bytes.size(), 2 * Utf16Length(name));
    // The emoji is a surrogate pair whatever the width of wchar_t.
    EXPECT_EQ(Utf16Length(L"\U0001F600"), 2u);
    const std::vector<uint8_t> pair{0x3D, 0xD8, 0x00, 0xDE};
    std::vector<uint8_t> emoji;
    AppendUtf16Le(emoji, L"\U0001F600");
    EXPECT_EQ(emoji, pair);
    EXPECT_EQ(ReadUtf16Le(bytes.data(), Utf16Length(name)), name);
    // A lone surrogate, as a name on disk may hold, survives the round trip too.
    const std::vector<uint8_t> lone{0x41, 0x00, 0x00, 0xD8, 0x42, 0x00};
    std::vector<uint8_t> again;
    AppendUtf16Le(again, ReadUtf16Le(lone.data(), 3));
    EXPECT_EQ(again, lone);
}
