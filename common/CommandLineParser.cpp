// ParseCommandLine: the command-line scanner built on the automaton component.
#include "common/CommandLineParser.h"

#include "common/AAutomaton.h"
#include "common/PathString.h"
#include "common/ShiftJis.h"

#include <algorithm>

namespace {

using Kind = TCommandToken::Kind;

// The character classes of a command line.
struct CommandLineClasses {
    AByteSet blank = ByteRange(0x20, 0x20);
    AByteSet quote = ByteRange(0x22, 0x22);
    AByteSet plain = (ByteRange(0x21, 0x7E) & ~ByteRange(0x22, 0x22)) | ByteRange(0xA1, 0xDF);
    AByteSet quotedCharacter = plain | blank;
    AByteSet leadByte = ByteRange(SjisLeadRanges[0][0], SjisLeadRanges[0][1])
                      | ByteRange(SjisLeadRanges[1][0], SjisLeadRanges[1][1]);
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

// How many leading tokens name the program. The system's own argument parsing ends the
// program part at the first blank outside quotes, however the program was named there (a
// bare name, a relative or short path), and a name that opens with a quote at its closing
// quote, so an argument may follow it without a blank; only a path with blanks that is the
// module path itself may stand unquoted or partly quoted, and then it is taken whole.
size_t ProgramTokenCount(const std::vector<TCommandToken>& tokens, std::string_view modulePath)
{
    size_t at = 0;
    while (at < tokens.size() && tokens[at].kind == Kind::Separator)
        ++at;
    size_t firstRunEnd = at < tokens.size() && tokens[at].kind == Kind::Quoted ? at + 1 : std::string_view::npos;
    std::string joined;
    for (;; ++at) {
        if (at == tokens.size() || tokens[at].kind == Kind::Separator) {
            if (SameName(joined, modulePath))
                return at;
            if (firstRunEnd == std::string_view::npos)
                firstRunEnd = at;
        }
        if (at == tokens.size() || (firstRunEnd != std::string_view::npos && joined.size() > modulePath.size()))
            return firstRunEnd;
        joined += tokens[at].text;
    }
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

    tokens.erase(tokens.begin(), tokens.begin() + static_cast<std::ptrdiff_t>(ProgramTokenCount(tokens, modulePath)));

    if (!tokens.empty() && tokens.front().kind == Kind::Separator)
        tokens.erase(tokens.begin());
    return result;
}
