// ACommandLine: composing the (UTF-16) command line of a new process and parsing it back.
#include "common/ACommandLine.h"
#include "common/CommandLineParser.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using Kind = TCommandToken::Kind;

const std::wstring kModule = L"C:\\Program Files\\Quillet\\vornalix.exe";

TCommandToken Sep(std::wstring text = L" ") { return {Kind::Separator, std::move(text)}; }
TCommandToken Word(std::wstring text) { return {Kind::Word, std::move(text)}; }
TCommandToken Quoted(std::wstring text) { return {Kind::Quoted, std::move(text)}; }

// The text for a trace line: ASCII as it stands, other characters as their numbers.
std::string Shown(std::wstring_view text)
{
    std::string shown;
    for (const wchar_t c : text)
        shown += c < 0x80 ? std::string(1, static_cast<char>(c)) : "<" + std::to_string(static_cast<uint32_t>(c)) + ">";
    return shown;
}

std::vector<TCommandToken> Parse(std::wstring_view line, std::wstring_view module = kModule)
{
    return ParseCommandLine(line, module).Tokens;
}

} // namespace

TEST(ComposeCommandLine, QuotesProgramPathAndEveryArgument)
{
    ACommandLine line(L"C:\\Program Files\\Quillet\\vornalix.exe");
    EXPECT_EQ(ComposeCommandLine(line), L"\"C:\\Program Files\\Quillet\\vornalix.exe\"");

    line.AddArgument(L"-o");
    line.AddArgument(L"C:\\my data\\a b.bin");
    EXPECT_EQ(line.Tokens, (std::vector{Word(L"-o"), Sep(), Word(L"C:\\my data\\a b.bin")}));
    EXPECT_EQ(ComposeCommandLine(line),
              L"\"C:\\Program Files\\Quillet\\vornalix.exe\" \"-o\" \"C:\\my data\\a b.bin\"");

    // Separators are written as they stand; quoted tokens get their quotes back.
    line.Tokens = {Sep(L"  "), Quoted(L"a"), Word(L"b"), Sep(L"   ")};
    EXPECT_EQ(ComposeArgumentText(line), L"  \"a\"\"b\"   ");
}

TEST(ParseCommandLine, ProgramPathAloneGivesNoArguments)
{
    const ACommandLine parsed = ParseCommandLine(L"\"" + kModule + L"\"", kModule);
    EXPECT_EQ(parsed.ProgramPath, kModule);
    EXPECT_TRUE(parsed.Tokens.empty());
    EXPECT_TRUE(Parse(L"\"" + kModule + L"\"    ").empty());
    EXPECT_TRUE(Parse(L"").empty());
}

TEST(ParseCommandLine, ProgramPartIsRecognisedHoweverTheProgramWasNamed)
{
    const std::vector file{Word(L"C:\\t\\b.bin")};
    // The module path unquoted with blanks, quoted, and in other letters.
    EXPECT_EQ(Parse(kModule + L" -o x"), (std::vector{Word(L"-o"), Sep(), Word(L"x")}));
    EXPECT_EQ(Parse(L"\"c:\\program files\\QUILLET\\vornalix.exe\" C:\\t\\b.bin"), file);
    // Bare name, relative paths, a quoted relative path with a blank, an 8.3 short path:
    // each ends at the first blank outside quotes and leaves every argument.
    for (const std::wstring program : {L"vornalix.exe", L"vornalix", L".\\vornalix.exe", L"..\\Quillet\\vornalix.exe",
                                      L"\"Quillet copy\\vornalix.exe\"", L"C:\\PROGRA~1\\Quillet\\VORNAL~1.EXE",
                                      L"\"C:\\Program Files\"\\Quillet\\vornalix.exe"}) {
        SCOPED_TRACE(Shown(program));
        EXPECT_EQ(Parse(program + L" C:\\t\\b.bin"), file);
        EXPECT_EQ(Parse(program + L"  -o  \"C:\\a b\""), (std::vector{Word(L"-o"), Sep(L"  "), Quoted(L"C:\\a b")}));
        EXPECT_TRUE(Parse(program).empty());
    }
    EXPECT_EQ(Parse(L"vornalix.exe a b c", L"C:\\q\\vornalix.exe"), (std::vector{Word(L"a"), Sep(), Word(L"b"), Sep(), Word(L"c")}));
    EXPECT_EQ(Parse(L"v a", L"C:\\q\\vornalix.exe"), std::vector{Word(L"a")});
    // Written longer than the module path: the first token goes, nothing more.
    EXPECT_EQ(Parse(L"\"C:\\long\\path\\v.exe\" a", L"C:\\v.exe"), std::vector{Word(L"a")});
    // A quoted name ends at its closing quote: an argument may follow without a blank.
    for (const std::wstring& program : {L"\"" + kModule + L"\"", std::wstring(L"\"vornalix.exe\"")}) {
        SCOPED_TRACE(Shown(program));
        EXPECT_EQ(Parse(program + L"C:\\t\\b.bin"), file);
        EXPECT_EQ(Parse(program + L"\"C:\\a b\" x"), (std::vector{Quoted(L"C:\\a b"), Sep(), Word(L"x")}));
    }
}

TEST(ParseCommandLine, TokenFormsFollowOneAnother)
{
    const std::wstring program = L"\"" + kModule + L"\" ";
    EXPECT_EQ(Parse(program + L"\"-o\" \"C:\\my data\\a b.bin\""),
              (std::vector{Quoted(L"-o"), Sep(), Quoted(L"C:\\my data\\a b.bin")}));
    // A quote ends a word and opens a quoted token; a closing quote ends it at once.
    EXPECT_EQ(Parse(program + L"ab\"c d\"ef  g"),
              (std::vector{Word(L"ab"), Quoted(L"c d"), Word(L"ef"), Sep(L"  "), Word(L"g")}));
    // Empty quotes vanish; only one leading separator is removed.
    EXPECT_EQ(Parse(program + L"a\"\"b"), (std::vector{Word(L"a"), Word(L"b")}));
    EXPECT_EQ(Parse(program + L"\"\" x"), (std::vector{Sep(), Word(L"x")}));
    // Everything from a NUL on is not part of the line.
    EXPECT_EQ(Parse(program + std::wstring(L"a\0\tb", 4)), std::vector{Word(L"a")});
}

TEST(ParseCommandLine, CharactersOfAnyScriptStayWhole)
{
    const std::wstring program = L"\"" + kModule + L"\" ";
    // Names no code page spells whole: accented Latin, Hangul, accented Greek, an emoji (a
    // surrogate pair), and characters whose Shift-JIS forms end in a backslash byte.
    for (const std::wstring name : {L"C:\\Café\\Ünïcödé.bin", L"C:\\한국어\\파일.bin", L"C:\\Ελληνικά\\ύψος.bin",
                                    L"C:\\\U0001F600\\\U0001F4BE.bin", L"C:\\ソ\\ポ|表.bin", L"C:\\纊\\髙橋﨑.bin"}) {
        SCOPED_TRACE(Shown(name));
        EXPECT_EQ(Parse(program + L"-o " + name), (std::vector{Word(L"-o"), Sep(), Word(name)}));
        EXPECT_EQ(Parse(program + L"\"" + name + L" x\""), std::vector{Quoted(name + L" x")});
    }
    // A program path in another script, with a blank, unquoted.
    const std::wstring module = L"C:\\프로그램 파일\\ソフト.exe";
    EXPECT_EQ(Parse(module + L" \"-o\" x", module), (std::vector{Quoted(L"-o"), Sep(), Word(L"x")}));
}

TEST(ParseCommandLine, AControlCharacterRejectsTheWholeLine)
{
    const std::wstring program = L"\"" + kModule + L"\" ";
    for (const std::wstring& arguments : {
             std::wstring(L"C:\\a\tb.bin"),      // tab outside quotes
             std::wstring(L"\"C:\\a\tb.bin\""),  // and inside
             std::wstring(L"x\x7F"), std::wstring(L"-o C:\\\x80.bin"), std::wstring(L"x\x9F y"),
             std::wstring(L"-o \"C:\\a b.bin"),  // unclosed quote
             std::wstring(L"\r\n"),
         }) {
        SCOPED_TRACE(Shown(arguments));
        EXPECT_TRUE(Parse(program + arguments).empty());
    }
    // The first characters past the control ones, and a lone surrogate, are plain.
    EXPECT_EQ(Parse(program + L"\xA0\xD800\x20AC"), std::vector{Word(L"\xA0\xD800\x20AC")});
}

TEST(ParseCommandLine, ComposedArgumentsComeBackUnchanged)
{
    // Every ASCII character a quoted token may hold, and characters of other scripts.
    std::vector<std::wstring> characters;
    for (int c = 0x20; c <= 0x7E; ++c)
        if (c != '"')
            characters.emplace_back(1, static_cast<wchar_t>(c));
    for (const wchar_t* other : {L"\xA0", L"é", L"ﾊ", L"ソ", L"表", L"髙", L"한", L"ύ", L"\U0001F600", L"\xFFFD"})
        characters.emplace_back(other);

    std::mt19937 random(5);
    auto pick = [&random](size_t count) { return static_cast<size_t>(random() % count); };
    const std::vector<std::wstring> modules{kModule, L"C:\\v.exe", L"C:\\表示\\ソフト ポ.exe", L"\\\\서버\\공유\\v.exe"};
    for (int round = 0; round < 3000; ++round) {
        ACommandLine line(modules[pick(modules.size())]);
        std::vector<std::wstring> arguments(1 + pick(5));
        for (std::wstring& argument : arguments) {
            for (size_t length = 1 + pick(12); length > 0; --length)
                argument += characters[pick(characters.size())];
            line.AddArgument(argument);
        }

        const std::wstring composed = ComposeCommandLine(line);
        const ACommandLine parsed = ParseCommandLine(composed, line.ProgramPath);
        std::vector<std::wstring> back;
        for (size_t at = 0; at < parsed.Tokens.size(); ++at) {
            const TCommandToken& token = parsed.Tokens[at];
            if (at % 2 == 1) {
                ASSERT_EQ(token, Sep()) << round;
            } else {
                ASSERT_EQ(token.kind, Kind::Quoted) << round;
                back.push_back(token.text);
            }
        }
        ASSERT_EQ(back, arguments) << round;
    }
}
