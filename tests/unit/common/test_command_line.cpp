// ACommandLine: composing the command line of a new process and parsing it back.
#include "common/ACommandLine.h"
#include "common/CommandLineParser.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using Kind = TCommandToken::Kind;

const std::string kModule = "C:\\Program Files\\Quillet\\vornalix.exe";

TCommandToken Sep(std::string text = " ") { return {Kind::Separator, std::move(text)}; }
TCommandToken Word(std::string text) { return {Kind::Word, std::move(text)}; }
TCommandToken Quoted(std::string text) { return {Kind::Quoted, std::move(text)}; }

std::vector<TCommandToken> Parse(std::string_view line, std::string_view module = kModule)
{
    return ParseCommandLine(line, module).Tokens;
}

} // namespace

TEST(ComposeCommandLine, QuotesProgramPathAndEveryArgument)
{
    ACommandLine line("C:\\Program Files\\Quillet\\vornalix.exe");
    EXPECT_EQ(ComposeCommandLine(line), "\"C:\\Program Files\\Quillet\\vornalix.exe\"");

    line.AddArgument("-o");
    line.AddArgument("C:\\my data\\a b.bin");
    EXPECT_EQ(line.Tokens, (std::vector{Word("-o"), Sep(), Word("C:\\my data\\a b.bin")}));
    EXPECT_EQ(ComposeCommandLine(line),
              "\"C:\\Program Files\\Quillet\\vornalix.exe\" \"-o\" \"C:\\my data\\a b.bin\"");

    // Separators are written as they stand; quoted tokens get their quotes back.
    line.Tokens = {Sep("  "), Quoted("a"), Word("b"), Sep("   ")};
    EXPECT_EQ(ComposeArgumentText(line), "  \"a\"\"b\"   ");
}

TEST(ParseCommandLine, ProgramPathAloneGivesNoArguments)
{
    const ACommandLine parsed = ParseCommandLine("\"" + kModule + "\"", kModule);
    EXPECT_EQ(parsed.ProgramPath, kModule);
    EXPECT_TRUE(parsed.Tokens.empty());
    EXPECT_TRUE(Parse("\"" + kModule + "\"    ").empty());
    EXPECT_TRUE(Parse("").empty());
}

TEST(ParseCommandLine, ProgramPartIsRecognisedHoweverTheProgramWasNamed)
{
    const std::vector file{Word("C:\\t\\b.bin")};
    // The module path unquoted with blanks, quoted, and in other letters.
    EXPECT_EQ(Parse(kModule + " -o x"), (std::vector{Word("-o"), Sep(), Word("x")}));
    EXPECT_EQ(Parse("\"c:\\program files\\QUILLET\\vornalix.exe\" C:\\t\\b.bin"), file);
    // Bare name, relative paths, a quoted relative path with a blank, an 8.3 short path:
    // each ends at the first blank outside quotes and leaves every argument.
    for (const std::string program : {"vornalix.exe", "vornalix", ".\\vornalix.exe", "..\\Quillet\\vornalix.exe",
                                      "\"Quillet copy\\vornalix.exe\"", "C:\\PROGRA~1\\Quillet\\VORNAL~1.EXE",
                                      "\"C:\\Program Files\"\\Quillet\\vornalix.exe"}) {
        SCOPED_TRACE(program);
        EXPECT_EQ(Parse(program + " C:\\t\\b.bin"), file);
        EXPECT_EQ(Parse(program + "  -o  \"C:\\a b\""), (std::vector{Word("-o"), Sep("  "), Quoted("C:\\a b")}));
        EXPECT_TRUE(Parse(program).empty());
    }
    EXPECT_EQ(Parse("vornalix.exe a b c", "C:\\q\\vornalix.exe"), (std::vector{Word("a"), Sep(), Word("b"), Sep(), Word("c")}));
    EXPECT_EQ(Parse("v a", "C:\\q\\vornalix.exe"), std::vector{Word("a")});
    // Written longer than the module path: the first token goes, nothing more.
    EXPECT_EQ(Parse("\"C:\\long\\path\\v.exe\" a", "C:\\v.exe"), std::vector{Word("a")});
    // A quoted name ends at its closing quote: an argument may follow without a blank.
    for (const std::string& program : {"\"" + kModule + "\"", std::string("\"vornalix.exe\"")}) {
        SCOPED_TRACE(program);
        EXPECT_EQ(Parse(program + "C:\\t\\b.bin"), file);
        EXPECT_EQ(Parse(program + "\"C:\\a b\" x"), (std::vector{Quoted("C:\\a b"), Sep(), Word("x")}));
    }
}

TEST(ParseCommandLine, TokenFormsFollowOneAnother)
{
    const std::string program = "\"" + kModule + "\" ";
    EXPECT_EQ(Parse(program + "\"-o\" \"C:\\my data\\a b.bin\""),
              (std::vector{Quoted("-o"), Sep(), Quoted("C:\\my data\\a b.bin")}));
    // A quote ends a word and opens a quoted token; a closing quote ends it at once.
    EXPECT_EQ(Parse(program + "ab\"c d\"ef  g"),
              (std::vector{Word("ab"), Quoted("c d"), Word("ef"), Sep("  "), Word("g")}));
    // Empty quotes vanish; only one leading separator is removed.
    EXPECT_EQ(Parse(program + "a\"\"b"), (std::vector{Word("a"), Word("b")}));
    EXPECT_EQ(Parse(program + "\"\" x"), (std::vector{Sep(), Word("x")}));
    // Everything from a NUL on is not part of the line.
    EXPECT_EQ(Parse(program + std::string("a\0\tb", 4)), std::vector{Word("a")});
}

TEST(ParseCommandLine, DoubleByteCharactersStayWhole)
{
    const std::string program = "\"" + kModule + "\" ";
    // Trail bytes 0x5C (ソ, 表) and 0x7C (ポ) inside words and quoted tokens.
    EXPECT_EQ(Parse(program + "-o C:\\ソ\\ポ|表.bin"),
              (std::vector{Word("-o"), Sep(), Word("C:\\\x83\x5C\\\x83\x7C|\x95\x5C.bin")}));
    EXPECT_EQ(Parse(program + "\"C:\\能 ｱ\\ポ\""), std::vector{Quoted("C:\\能 ｱ\\ポ")});
    // Lead bytes 0xF0-0xFC of the extension characters: 髙 (FB FC), 﨑 (FA B1), 纊 (FA 5C).
    EXPECT_EQ(Parse(program + "-o C:\\纊\\髙橋﨑.bin"),
              (std::vector{Word("-o"), Sep(), Word("C:\\\xFA\x5C\\\xFB\xFC\x8B\xB4\xFA\xB1.bin")}));
    EXPECT_EQ(Parse(program + "\"C:\\纊 髙\""), std::vector{Quoted("C:\\纊 髙")});
    // A program path whose characters end in 0x5C.
    const std::string module = "C:\\表示\\ソフト.exe";
    EXPECT_EQ(Parse("\"" + module + "\" \"-o\" x", module), (std::vector{Quoted("-o"), Sep(), Word("x")}));
}

TEST(ParseCommandLine, ABadByteRejectsTheWholeLine)
{
    const std::string program = "\"" + kModule + "\" ";
    for (const std::string& arguments : {
             std::string("C:\\a\tb.bin"),      // tab outside quotes
             std::string("\"C:\\a\tb.bin\""),  // and inside
             std::string("-o C:\\\x80.bin"),
             std::string("x\x7F"), std::string("x\xA0"), std::string("x\xFD"), std::string("x\xFF"),
             std::string("x\xFC"),   // a lead byte at the end
             std::string("-o \"C:\\a b.bin"),  // unclosed quote
             std::string("-o C:\\a\x95"),      // lead byte at the end
             std::string("-o C:\\a\x95 b"),    // lead byte before a blank
             std::string("\"a\x83\" b\""),     // a quote is no trail byte, so it closes nothing
             std::string("\r\n"),
         }) {
        SCOPED_TRACE(arguments);
        EXPECT_TRUE(Parse(program + arguments).empty());
    }
}

TEST(ParseCommandLine, ComposedArgumentsComeBackUnchanged)
{
    // Every byte a quoted token may hold, and double-byte characters with any trail byte.
    std::vector<std::string> characters;
    for (int c = 0x20; c <= 0x7E; ++c)
        if (c != '"')
            characters.emplace_back(1, static_cast<char>(c));
    for (int c = 0xA1; c <= 0xDF; ++c)
        characters.emplace_back(1, static_cast<char>(c));
    for (int trail = 0x40; trail <= 0xFC; ++trail)
        for (int lead : {0x81, 0x83, 0x95, 0x9F, 0xE0, 0xEF, 0xF0, 0xFA, 0xFC})
            characters.push_back({static_cast<char>(lead), static_cast<char>(trail)});

    std::mt19937 random(5);
    auto pick = [&random](size_t count) { return static_cast<size_t>(random() % count); };
    const std::vector<std::string> modules{kModule, "C:\\v.exe", "C:\\表示\\ソフト ポ.exe"};
    for (int round = 0; round < 3000; ++round) {
        ACommandLine line(modules[pick(modules.size())]);
        std::vector<std::string> arguments(1 + pick(5));
        for (std::string& argument : arguments) {
            for (size_t length = 1 + pick(12); length > 0; --length)
                argument += characters[pick(characters.size())];
            line.AddArgument(argument);
        }

        const std::string composed = ComposeCommandLine(line);
        const ACommandLine parsed = ParseCommandLine(composed, line.ProgramPath);
        std::vector<std::string> back;
        for (size_t at = 0; at < parsed.Tokens.size(); ++at) {
            const TCommandToken& token = parsed.Tokens[at];
            if (at % 2 == 1) {
                ASSERT_EQ(token, Sep()) << composed;
            } else {
                ASSERT_EQ(token.kind, Kind::Quoted) << composed;
                back.push_back(token.text);
            }
        }
        ASSERT_EQ(back, arguments) << composed;
    }
}
