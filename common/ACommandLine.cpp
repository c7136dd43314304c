// ACommandLine: the argument-adding rule and the composed command line.
#include "common/ACommandLine.h"

void ACommandLine::AddArgument(std::string_view argument)
{
    if (!Tokens.empty())
        Tokens.push_back({TCommandToken::Kind::Separator, " "});
    Tokens.push_back({TCommandToken::Kind::Word, std::string(argument)});
}

std::string ComposeArgumentText(const ACommandLine& commandLine)
{
    std::string text;
    for (const TCommandToken& token : commandLine.Tokens) {
        if (token.kind == TCommandToken::Kind::Separator) {
            text += token.text;
        } else {
            text += '"';
            text += token.text;
            text += '"';
        }
    }
    return text;
}

std::string ComposeCommandLine(const ACommandLine& commandLine)
{
    std::string line = "\"" + commandLine.ProgramPath + "\"";
    const std::string arguments = ComposeArgumentText(commandLine);
    if (!arguments.empty()) {
        line += ' ';
        line += arguments;
    }
    return line;
}
