// ACommandLine: a program path and its argument tokens, and the command line composed from them.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One piece of a command line. A separator is a run of blanks, a word a run of other
// characters, a quoted token a double-quoted string whose text excludes the quotes.
struct TCommandToken {
    enum class Kind : uint8_t { Separator, Word, Quoted };

    Kind kind = Kind::Word;
    std::wstring text;

    bool operator==(const TCommandToken&) const = default;
};

// A value object (UTF-16, as the W calls take and give command lines): the arguments this process was started with, or those of a process
// about to be started.
struct ACommandLine {
    std::wstring ProgramPath;            // full path of the program's module file
    std::vector<TCommandToken> Tokens;  // the arguments, in order

    ACommandLine() = default;
    explicit ACommandLine(std::wstring programPath) : ProgramPath(std::move(programPath)) {}

    // Appends an argument as a word token, after a one-blank separator unless it is the
    // first; so composed arguments are always one blank apart.
    void AddArgument(std::wstring_view argument);

    bool operator==(const ACommandLine&) const = default;
};

// The argument text: separators as they stand, word and quoted tokens wrapped in quotes.
[[nodiscard]] std::wstring ComposeArgumentText(const ACommandLine& commandLine);

// The full command line a new process receives: the program path in quotes, then one
// blank and the argument text when there is any.
[[nodiscard]] std::wstring ComposeCommandLine(const ACommandLine& commandLine);
