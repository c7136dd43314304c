// InterpretArguments: the first document an editor shows, from its command line.
#include "app/backup/StartArguments.h"

#include "common/ACommandLine.h"
#include "common/CommandLineParser.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const std::wstring kModule = L"C:\\Program Files\\Quillet\\vornalix.exe";

// A file system holding a fixed set of files; it records every question asked.
struct FakeFiles {
    std::set<std::wstring> files;
    std::vector<std::wstring> asked;

    FileExistsCheck Check()
    {
        return [this](std::wstring_view path) {
            asked.emplace_back(path);
            return files.count(std::wstring(path)) > 0;
        };
    }
};

TStartArguments Start(const std::wstring& arguments, FakeFiles& files)
{
    return InterpretArguments(ParseCommandLine(L"\"" + kModule + L"\" " + arguments, kModule), files.Check());
}

TStartArguments Opened(const std::wstring& file)
{
    return {file, file, false, {}, {}};
}

TStartArguments Untitled()
{
    return {};
}

} // namespace

TEST(InterpretArguments, NoArgumentsIsANewUntitledDocument)
{
    FakeFiles files;
    EXPECT_EQ(InterpretArguments(ACommandLine(kModule), files.Check()), Untitled());
    EXPECT_EQ(Start(L"   ", files), Untitled());
    EXPECT_TRUE(files.asked.empty());
}

TEST(InterpretArguments, OpenOptionTakesTheNextNonSeparatorToken)
{
    FakeFiles files;
    EXPECT_EQ(Start(L"\"-o\" \"C:\\my data\\a b.bin\"", files), Opened(L"C:\\my data\\a b.bin"));
    EXPECT_EQ(Start(L"-o   C:\\a.bin  ignored", files), Opened(L"C:\\a.bin"));
    TStartArguments readOnly = Opened(L"C:\\a.bin");
    readOnly.ReadOnly = true;
    EXPECT_EQ(Start(L"-r C:\\a.bin", files), readOnly);
    EXPECT_EQ(Start(L"-r", files), Untitled());
    // A hexadecimal offset after the file places the caret; anything else after it is ignored.
    readOnly.CaretOffset = 0x1A2B;
    EXPECT_EQ(Start(L"-r C:\\a.bin 1a2B", files), readOnly);
    EXPECT_EQ(Start(L"-r C:\\a.bin \"1A2B\"", files), readOnly);
    for (const wchar_t* ignored : {L"-1", L"0x10", L"G", L"FFFFFFFFFFFFFFFF", L"\u0661"})
        EXPECT_EQ(Start(std::wstring(L"-o C:\\a.bin ") + ignored, files).CaretOffset, -1) << ignored;
    // The file need not exist yet, and it is made a path string.
    EXPECT_EQ(Start(L"-o \\\\\\x\\y\\\\", files), Opened(L"\\\\x\\y"));
    EXPECT_EQ(Start(L"-o \\x\\", files), Opened(L"\\x"));
    // Names of any length and in any script.
    const std::wstring longName = L"C:\\" + std::wstring(300, L'a');
    EXPECT_EQ(Start(L"-o " + longName, files), Opened(longName));
    const std::wstring anyScript = L"C:\\한국어 Ελληνικά\\\U0001F600.bin";
    EXPECT_EQ(Start(L"-o \"" + anyScript + L"\"", files), Opened(anyScript));
    EXPECT_TRUE(files.asked.empty());
}

TEST(InterpretArguments, RecoveryStartFromTheComposedLine)
{
    ACommandLine recovery(kModule);
    recovery.AddArgument(L"-b");
    recovery.AddArgument(L"C:\\Temp\\QX1A.tmp");
    recovery.AddArgument(L"-null");
    const std::wstring line = ComposeCommandLine(recovery);
    ASSERT_EQ(line, L"\"" + kModule + L"\" \"-b\" \"C:\\Temp\\QX1A.tmp\" \"-null\"");

    FakeFiles files;
    const TStartArguments untitled = InterpretArguments(ParseCommandLine(line, kModule), files.Check());
    EXPECT_EQ(untitled, (TStartArguments{L"C:\\Temp\\QX1A.tmp", L"", true, L"C:\\Temp\\QX1A.tmp", {}}));

    EXPECT_EQ(Start(L"-b C:\\Temp\\QX2.tmp \"C:\\my data\\表.bin\"", files),
              (TStartArguments{L"C:\\Temp\\QX2.tmp", L"C:\\my data\\表.bin", true, L"C:\\Temp\\QX2.tmp", {}}));
    // "-null" is a name only in its exact spelling.
    EXPECT_EQ(Start(L"-b C:\\b.tmp -NULL", files).DocumentName, L"-NULL");
    EXPECT_TRUE(files.asked.empty());
}

TEST(InterpretArguments, OptionsWithoutAllOperandsStartUntitled)
{
    FakeFiles files;
    files.files = {L"C:\\b.tmp", L"-o", L"-b"};
    for (const wchar_t* arguments : {L"-o", L"\"-o\"   ", L"-o \"\"", L"-b", L"-b C:\\b.tmp", L"-b C:\\b.tmp  \"\""}) {
        SCOPED_TRACE(std::wstring_view(arguments).size());
        EXPECT_EQ(Start(arguments, files), Untitled());
    }
    // A backup that file operations would refuse is no recovery either.
    EXPECT_EQ(Start(L"-b backup.tmp name", files), Untitled());
    EXPECT_EQ(Start(L"-b \\\\server name", files), Untitled());
}

TEST(InterpretArguments, OtherArgumentsAreJoinedIntoOnePath)
{
    FakeFiles files;
    files.files = {L"C:\\my data\\a  b.bin", L"C:\\表\\ポ.bin", L"C:\\-O x", L"\\\\server\\share\\a b.bin"};

    // Unquoted with blanks: joined back as the blanks stood.
    EXPECT_EQ(Start(L"C:\\my data\\a  b.bin", files), Opened(L"C:\\my data\\a  b.bin"));
    // Quoted pieces lose their quotes; trailing backslashes and end blanks go.
    EXPECT_EQ(Start(L"\"C:\\my data\"\\a\"  b.bin\"\\\\  ", files), Opened(L"C:\\my data\\a  b.bin"));
    EXPECT_EQ(Start(L"C:\\表\\ポ.bin", files), Opened(L"C:\\表\\ポ.bin"));
    // A network name is as absolute as a drive name.
    EXPECT_EQ(Start(L"\\\\server\\share\\a b.bin", files), Opened(L"\\\\server\\share\\a b.bin"));
    // Options are case-sensitive: "-O" is part of a file name.
    EXPECT_EQ(Start(L"-O x", files), Untitled());
    EXPECT_EQ(files.asked.size(), 4u);  // "-O x" has no drive letter: never looked up

    // Relative names, missing files and folders are not opened.
    EXPECT_EQ(Start(L"a.bin", files), Untitled());
    EXPECT_EQ(Start(L"C:\\missing.bin", files), Untitled());
    EXPECT_EQ(files.asked.back(), L"C:\\missing.bin");
    // A rejected line means no arguments.
    EXPECT_EQ(Start(L"C:\\my\tdata\\a  b.bin", files), Untitled());
}

TEST(InterpretArguments, SeveralDroppedFilesOpenTheFirstAndPassOnTheRest)
{
    FakeFiles files;
    files.files = {L"C:\\a.bin", L"C:\\my data\\b.bin", L"C:\\c.bin"};

    TStartArguments start = Start(L"C:\\a.bin \"C:\\my data\\b.bin\" C:\\folder C:\\c.bin", files);
    EXPECT_EQ(start.FileToLoad, L"C:\\a.bin");
    EXPECT_EQ(start.DocumentName, L"C:\\a.bin");
    EXPECT_EQ(start.FurtherFiles, std::vector<std::wstring>({L"C:\\my data\\b.bin", L"C:\\c.bin"}));
    // Names that are no files are passed over, the first file opened here.
    start = Start(L"C:\\gone.bin C:\\c.bin", files);
    EXPECT_EQ(start.FileToLoad, L"C:\\c.bin");
    EXPECT_TRUE(start.FurtherFiles.empty());
    // A word without a drive letter keeps the line one name, as an option spelt "-O" does.
    EXPECT_EQ(Start(L"-O \"C:\\a.bin\"", files), Untitled());
    EXPECT_EQ(Start(L"C:\\a.bin c.bin", files), Untitled());
    // A joined-up name that is a file still wins over its pieces.
    files.files.insert(L"C:\\a.bin C:\\c.bin");
    EXPECT_EQ(Start(L"C:\\a.bin C:\\c.bin", files), Opened(L"C:\\a.bin C:\\c.bin"));
}

TEST(InterpretArguments, CompareOptionTakesTwoFilesOrStartsUntitled)
{
    FakeFiles files;
    files.files = {L"C:\\a.bin"};
    const auto compare = [](const std::wstring& first, const std::wstring& second) {
        TStartArguments start;
        start.CompareStart = true;
        start.CompareFirst = first;
        start.CompareSecond = second;
        return start;
    };
    struct Case {
        const wchar_t* arguments;
        TStartArguments expected;
    };
    const Case cases[] = {
        {L"-c C:\\a.bin C:\\b.bin", compare(L"C:\\a.bin", L"C:\\b.bin")},
        {L"\"-c\"  \"C:\\my data\\a b.bin\" \"D:\\表.bin\" ignored", compare(L"C:\\my data\\a b.bin", L"D:\\表.bin")},
        // Relative names stay as given, three leading backslashes cut to a network name's two: the
        // compare window says when one cannot be opened.
        {L"-c a.bin \\\\\\b.bin\\", compare(L"a.bin", L"\\\\b.bin")},
        {L"-c", Untitled()},
        {L"-c C:\\a.bin", Untitled()},
        {L"-c C:\\a.bin \"\"", Untitled()},
        // Case-sensitive, as the other options: "-C" is part of a name.
        {L"-C C:\\a.bin", Untitled()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        EXPECT_EQ(Start(c.arguments, files), c.expected);
    }
}
