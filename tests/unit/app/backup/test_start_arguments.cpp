// InterpretArguments: the first document an editor shows, from its command line.
#include "app/backup/StartArguments.h"

#include "common/ACommandLine.h"
#include "common/CommandLineParser.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

const std::string kModule = "C:\\Program Files\\Quillet\\vornalix.exe";

// A file system holding a fixed set of files; it records every question asked.
struct FakeFiles {
    std::set<std::string> files;
    std::vector<std::string> asked;

    FileExistsCheck Check()
    {
        return [this](std::string_view path) {
            asked.emplace_back(path);
            return files.count(std::string(path)) > 0;
        };
    }
};

TStartArguments Start(const std::string& arguments, FakeFiles& files)
{
    return InterpretArguments(ParseCommandLine("\"" + kModule + "\" " + arguments, kModule), files.Check());
}

TStartArguments Opened(const std::string& file)
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
    EXPECT_EQ(Start("   ", files), Untitled());
    EXPECT_TRUE(files.asked.empty());
}

TEST(InterpretArguments, OpenOptionTakesTheNextNonSeparatorToken)
{
    FakeFiles files;
    EXPECT_EQ(Start("\"-o\" \"C:\\my data\\a b.bin\"", files), Opened("C:\\my data\\a b.bin"));
    EXPECT_EQ(Start("-o   C:\\a.bin  ignored", files), Opened("C:\\a.bin"));
    TStartArguments readOnly = Opened("C:\\a.bin");
    readOnly.ReadOnly = true;
    EXPECT_EQ(Start("-r C:\\a.bin", files), readOnly);
    EXPECT_EQ(Start("-r", files), Untitled());
    // A hexadecimal offset after the file places the caret; anything else after it is ignored.
    readOnly.CaretOffset = 0x1A2B;
    EXPECT_EQ(Start("-r C:\\a.bin 1a2B", files), readOnly);
    EXPECT_EQ(Start("-r C:\\a.bin \"1A2B\"", files), readOnly);
    for (const char* ignored : {"-1", "0x10", "G", "FFFFFFFFFFFFFFFF"})
        EXPECT_EQ(Start(std::string("-o C:\\a.bin ") + ignored, files).CaretOffset, -1) << ignored;
    // The file need not exist yet, and it is made a path string.
    EXPECT_EQ(Start("-o \\\\\\x\\y\\\\", files), Opened("\\x\\y"));
    EXPECT_EQ(Start("-o C:\\" + std::string(300, 'a'), files), Untitled());
    EXPECT_TRUE(files.asked.empty());
}

TEST(InterpretArguments, RecoveryStartFromTheComposedLine)
{
    ACommandLine recovery(kModule);
    recovery.AddArgument("-b");
    recovery.AddArgument("C:\\Temp\\QX1A.tmp");
    recovery.AddArgument("-null");
    const std::string line = ComposeCommandLine(recovery);
    ASSERT_EQ(line, "\"" + kModule + "\" \"-b\" \"C:\\Temp\\QX1A.tmp\" \"-null\"");

    FakeFiles files;
    const TStartArguments untitled = InterpretArguments(ParseCommandLine(line, kModule), files.Check());
    EXPECT_EQ(untitled, (TStartArguments{"C:\\Temp\\QX1A.tmp", "", true, "C:\\Temp\\QX1A.tmp", {}}));

    EXPECT_EQ(Start("-b C:\\Temp\\QX2.tmp \"C:\\my data\\表.bin\"", files),
              (TStartArguments{"C:\\Temp\\QX2.tmp", "C:\\my data\\表.bin", true, "C:\\Temp\\QX2.tmp", {}}));
    // "-null" is a name only in its exact spelling.
    EXPECT_EQ(Start("-b C:\\b.tmp -NULL", files).DocumentName, "-NULL");
    EXPECT_TRUE(files.asked.empty());
}

TEST(InterpretArguments, OptionsWithoutAllOperandsStartUntitled)
{
    FakeFiles files;
    files.files = {"C:\\b.tmp", "-o", "-b"};
    for (const char* arguments : {"-o", "\"-o\"   ", "-o \"\"", "-b", "-b C:\\b.tmp", "-b C:\\b.tmp  \"\""}) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(Start(arguments, files), Untitled());
    }
    // A backup that file operations would refuse is no recovery either.
    EXPECT_EQ(Start("-b backup.tmp name", files), Untitled());
    EXPECT_EQ(Start("-b C:\\" + std::string(300, 'b') + " name", files), Untitled());
}

TEST(InterpretArguments, OtherArgumentsAreJoinedIntoOnePath)
{
    FakeFiles files;
    files.files = {"C:\\my data\\a  b.bin", "C:\\表\\ポ.bin", "C:\\-O x"};

    // Unquoted with blanks: joined back as the blanks stood.
    EXPECT_EQ(Start("C:\\my data\\a  b.bin", files), Opened("C:\\my data\\a  b.bin"));
    // Quoted pieces lose their quotes; trailing backslashes and end blanks go.
    EXPECT_EQ(Start("\"C:\\my data\"\\a\"  b.bin\"\\\\  ", files), Opened("C:\\my data\\a  b.bin"));
    EXPECT_EQ(Start("C:\\表\\ポ.bin", files), Opened("C:\\表\\ポ.bin"));
    // Options are case-sensitive: "-O" is part of a file name.
    EXPECT_EQ(Start("-O x", files), Untitled());
    EXPECT_EQ(files.asked.size(), 3u);  // "-O x" has no drive letter: never looked up

    // Relative names, missing files and folders are not opened.
    EXPECT_EQ(Start("a.bin", files), Untitled());
    EXPECT_EQ(Start("C:\\missing.bin", files), Untitled());
    EXPECT_EQ(files.asked.back(), "C:\\missing.bin");
    // A rejected line means no arguments.
    EXPECT_EQ(Start("C:\\my\tdata\\a  b.bin", files), Untitled());
}

TEST(InterpretArguments, SeveralDroppedFilesOpenTheFirstAndPassOnTheRest)
{
    FakeFiles files;
    files.files = {"C:\\a.bin", "C:\\my data\\b.bin", "C:\\c.bin"};

    TStartArguments start = Start("C:\\a.bin \"C:\\my data\\b.bin\" C:\\folder C:\\c.bin", files);
    EXPECT_EQ(start.FileToLoad, "C:\\a.bin");
    EXPECT_EQ(start.DocumentName, "C:\\a.bin");
    EXPECT_EQ(start.FurtherFiles, std::vector<std::string>({"C:\\my data\\b.bin", "C:\\c.bin"}));
    // Names that are no files are passed over, the first file opened here.
    start = Start("C:\\gone.bin C:\\c.bin", files);
    EXPECT_EQ(start.FileToLoad, "C:\\c.bin");
    EXPECT_TRUE(start.FurtherFiles.empty());
    // A word without a drive letter keeps the line one name, as an option spelt "-O" does.
    EXPECT_EQ(Start("-O \"C:\\a.bin\"", files), Untitled());
    EXPECT_EQ(Start("C:\\a.bin c.bin", files), Untitled());
    // A joined-up name that is a file still wins over its pieces.
    files.files.insert("C:\\a.bin C:\\c.bin");
    EXPECT_EQ(Start("C:\\a.bin C:\\c.bin", files), Opened("C:\\a.bin C:\\c.bin"));
}

TEST(InterpretArguments, CompareOptionTakesTwoFilesOrStartsUntitled)
{
    FakeFiles files;
    files.files = {"C:\\a.bin"};
    const auto compare = [](const std::string& first, const std::string& second) {
        TStartArguments start;
        start.CompareStart = true;
        start.CompareFirst = first;
        start.CompareSecond = second;
        return start;
    };
    struct Case {
        const char* arguments;
        TStartArguments expected;
    };
    const Case cases[] = {
        {"-c C:\\a.bin C:\\b.bin", compare("C:\\a.bin", "C:\\b.bin")},
        {"\"-c\"  \"C:\\my data\\a b.bin\" \"D:\\表.bin\" ignored", compare("C:\\my data\\a b.bin", "D:\\表.bin")},
        // Relative names stay as given: the compare window says when one cannot be opened.
        {"-c a.bin \\\\\\b.bin\\", compare("a.bin", "\\b.bin")},
        {"-c", Untitled()},
        {"-c C:\\a.bin", Untitled()},
        {"-c C:\\a.bin \"\"", Untitled()},
        // Case-sensitive, as the other options: "-C" is part of a name.
        {"-C C:\\a.bin", Untitled()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        EXPECT_EQ(Start(c.arguments, files), c.expected);
    }
}
