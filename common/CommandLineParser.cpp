// ParseCommandLine: the command-line scanner built on the automaton component.
#include "common/CommandLineParser.h"

#include "common/AAutomaton.h"

#include <algorithm>

namespace {

using Kind = TCommandToken::Kind;

// The character classes of a command line.
struct CommandLineClasses {
    AByteSet blank = ByteRange(0x20, 0x20);
    AByteSet quote = ByteRange(0x22, 0x22);
    AByteSet plain = (ByteRange(0x21, 0x7E) & ~ByteRange(0x22, 0x22)) | ByteRange(0xA1, 0xDF);
    AByteSet quotedCharacter = plain | blank;
    AByteSet leadByte = ByteRange(0x81, 0x9F) | ByteRange(0xE0, 0xEF);
    AByteSet trailByte = ByteRange(0x40, 0xFC);
};

// The token forms: a run of blanks; a run of plain or double-byte characters; a quote,
// quoted or double-byte characters, and a closing quote. Built anew for each parse.
ADfa<TCommandToken, char> MakeCommandLineScanner()
{
    const CommandLineClasses classes;
    ANfa<TCommandToken, char> nfa;
    const size_t start = ANfa<TCommandToken, char>::Start;

    const size_t separator = nfa.AddAcceptingState({Kind::Separator, {}});
    nfa.AddEdge(start, classes.blank, separator);
    nfa.AddEdge(separator, classes.blank, separator);

    const size_t word = nfa.AddAcceptingState({Kind::Word, {}});
    const size_t wordLead = nfa.AddState();
    for (size_t from : {start, word}) {
        nfa.AddEdge(from, classes.plain, word);
        nfa.AddEdge(from, classes.leadByte, wordLead);
    }
    nfa.AddEdge(wordLead, classes.trailByte, word);

    const size_t open = nfa.AddState();
    const size_t openLead = nfa.AddState();
    const size_t closed = nfa.AddAcceptingState({Kind::Quoted, {}});
    nfa.AddEdge(start, classes.quote, open);
    nfa.AddEdge(open, classes.quotedCharacter, open);
    nfa.AddEdge(open, classes.leadByte, openLead);
    nfa.AddEdge(openLead, classes.trailByte, open);
    nfa.AddEdge(open, classes.quote, closed);

    return ADfa<TCommandToken, char>(nfa);
}

} // namespace

ACommandLine ParseCommandLine(std::string_view commandLine, std::string_view modulePath)
{
    ACommandLine result{std::string(modulePath)};
    commandLine = commandLine.substr(0, commandLine.find('\0'));

    const ADfa<TCommandToken, char> scanner = MakeCommandLineScanner();
    std::vector<TCommandToken>& tokens = result.Tokens;
    const bool accepted = ScanLongestMatch(scanner, commandLine, [&tokens](const TCommandToken& form, std::string_view lexeme) {
        if (form.kind == Kind::Quoted)
            lexeme = lexeme.substr(1, lexeme.size() - 2);
        tokens.push_back({form.kind, std::string(lexeme)});
    });
    if (!accepted) {
        tokens.clear();
        return result;
    }

    std::erase_if(tokens, [](const TCommandToken& token) { return token.text.empty(); });

    // The program path may stand in quotes (one token) or bare with blanks (several), so
    // tokens are dropped until their lengths cover the module path's length.
    size_t covered = 0;
    auto programEnd = tokens.begin();
    while (covered < modulePath.size() && programEnd != tokens.end())
        covered += (programEnd++)->text.size();
    tokens.erase(tokens.begin(), programEnd);

    if (!tokens.empty() && tokens.front().kind == Kind::Separator)
        tokens.erase(tokens.begin());
    return result;
}
