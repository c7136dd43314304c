// ACommandLine: the argument-adding rule and the composed command line.
#include "common/ACommandLine.h"

void ACommandLine::AddArgument(std::wstring_view argument)
{
    if (!Tokens.empty())
        Tokens.push_back({TCommandToken::Kind::Separator, L" "});
    Tokens.push_back({TCommandToken::Kind::Word, std::wstring(argument)});
}

std::wstring ComposeArgumentText(const ACommandLine& commandLine)
{
    std::wstring text;
    for (const TCommandToken& token : commandLine.Tokens) {
        if (token.kind == TCommandToken::Kind::Separator) {
            text += token.text;
        } else {
            text += L'"';
            text += token.text;
            text += L'"';
        }
    }
    return text;
}

std::wstring ComposeCommandLine(const ACommandLine& commandLine)
{
    std::wstring line = L"\"" + commandLine.ProgramPath + L"\"";
    const std::wstring arguments = ComposeArgumentText(commandLine);
    if (!arguments.empty()) {
        line += L' ';
        line += arguments;
    }
    return line;
}
