// ParseCommandLine: the command-line scanner built on the automaton component.
#include "common/CommandLineParser.h"

#include "common/AAutomaton.h"
#include "common/PathString.h"

#include <algorithm>

namespace {

using Kind = TCommandToken::Kind;

// The scanner reads one byte per character: the character itself for printable ASCII, 0x80
// for any character beyond (U+00A0 on, surrogates included), and 0x00, which no token takes,
// for control characters.
constexpr unsigned char kOtherCharacter = 0x80;
constexpr unsigned char kControl = 0x00;

[[nodiscard]] constexpr char ClassOf(wchar_t c) noexcept
{
    const auto value = static_cast<uint32_t>(c);
    if (value < 0x20 || (value >= 0x7F && value < 0xA0))
        return static_cast<char>(kControl);
    return static_cast<char>(value < 0x7F ? value : kOtherCharacter);
}

// The character classes of a command line.
struct CommandLineClasses {
    AByteSet blank = ByteRange(0x20, 0x20);
    AByteSet quote = ByteRange(0x22, 0x22);
    AByteSet plain = (ByteRange(0x21, 0x7E) & ~ByteRange(0x22, 0x22)) | ByteRange(kOtherCharacter, kOtherCharacter);
    AByteSet quotedCharacter = plain | blank;
};

// The token forms: a run of blanks; a run of plain characters; a quote, quoted characters and
// a closing quote. Built anew for each parse.
ADfa<TCommandToken, char> MakeCommandLineScanner()
{
    const CommandLineClasses classes;
    ANfa<TCommandToken, char> nfa;
    const size_t start = ANfa<TCommandToken, char>::Start;

    const size_t separator = nfa.AddAcceptingState({Kind::Separator, {}});
    nfa.AddEdge(start, classes.blank, separator);
    nfa.AddEdge(separator, classes.blank, separator);

    const size_t word = nfa.AddAcceptingState({Kind::Word, {}});
    nfa.AddEdge(start, classes.plain, word);
    nfa.AddEdge(word, classes.plain, word);

    const size_t open = nfa.AddState();
    const size_t closed = nfa.AddAcceptingState({Kind::Quoted, {}});
    nfa.AddEdge(start, classes.quote, open);
    nfa.AddEdge(open, classes.quotedCharacter, open);
    nfa.AddEdge(open, classes.quote, closed);

    return ADfa<TCommandToken, char>(nfa);
}

// How many leading tokens name the program. The system's own argument parsing ends the
// program part at the first blank outside quotes, however the program was named there (a
// bare name, a relative or short path), and a name that opens with a quote at its closing
// quote, so an argument may follow it without a blank; only a path with blanks that is the
// module path itself may stand unquoted or partly quoted, and then it is taken whole.
size_t ProgramTokenCount(const std::vector<TCommandToken>& tokens, std::wstring_view modulePath)
{
    size_t at = 0;
    while (at < tokens.size() && tokens[at].kind == Kind::Separator)
        ++at;
    size_t firstRunEnd = at < tokens.size() && tokens[at].kind == Kind::Quoted ? at + 1 : std::string_view::npos;
    std::wstring joined;
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

ACommandLine ParseCommandLine(std::wstring_view commandLine, std::wstring_view modulePath)
{
    ACommandLine result{std::wstring(modulePath)};
    commandLine = commandLine.substr(0, commandLine.find(L'\0'));

    std::string classes(commandLine.size(), '\0');
    std::transform(commandLine.begin(), commandLine.end(), classes.begin(), ClassOf);
    const std::string_view scanned(classes);
    const ADfa<TCommandToken, char> scanner = MakeCommandLineScanner();
    std::vector<TCommandToken>& tokens = result.Tokens;
    const bool accepted = ScanLongestMatch(scanner, scanned, [&](const TCommandToken& form, std::string_view lexeme) {
        size_t from = static_cast<size_t>(lexeme.data() - scanned.data());
        size_t length = lexeme.size();
        if (form.kind == Kind::Quoted) {
            ++from;
            length -= 2;
        }
        tokens.push_back({form.kind, std::wstring(commandLine.substr(from, length))});
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
