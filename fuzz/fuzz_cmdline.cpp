// Fuzz target: command lines through ParseCommandLine and InterpretArguments. The input's
// byte pairs are the UTF-16 units of the command line; those after its first NUL, if any,
// are the module path.
#include "app/backup/StartArguments.h"
#include "common/ACommandLine.h"
#include "common/CommandLineParser.h"
#include "common/PathString.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

std::vector<std::wstring> OperandTexts(const ACommandLine& commandLine)
{
    std::vector<std::wstring> texts;
    for (const TCommandToken& token : commandLine.Tokens)
        if (token.kind != TCommandToken::Kind::Separator)
            texts.push_back(token.text);
    return texts;
}

void CheckTokens(const ACommandLine& parsed)
{
    for (const TCommandToken& token : parsed.Tokens) {
        Require(!token.text.empty());
        Require(token.text.find(L'"') == std::wstring::npos);
        if (token.kind == TCommandToken::Kind::Separator)
            Require(token.text.find_first_not_of(L' ') == std::wstring::npos);
        if (token.kind == TCommandToken::Kind::Word)
            Require(token.text.find(L' ') == std::wstring::npos);
    }
}

// Composing the parsed tokens for a new process and parsing that line gives the same
// texts, provided the module path itself can stand in quotes (a file name holds no quote
// and no NUL).
void CheckRoundTrip(const ACommandLine& parsed)
{
    if (parsed.ProgramPath.find_first_of(std::wstring_view(L"\"\0", 2)) != std::wstring::npos)
        return;
    const std::wstring probe = L"\"" + parsed.ProgramPath + L"\" x";
    if (ParseCommandLine(probe, parsed.ProgramPath).Tokens.size() != 1)
        return;
    const ACommandLine again = ParseCommandLine(ComposeCommandLine(parsed), parsed.ProgramPath);
    Require(OperandTexts(again) == OperandTexts(parsed));
}

void CheckStart(const TStartArguments& start)
{
    Require(start.FileToLoad.size() < NameLengthLimit && start.DocumentName.size() < NameLengthLimit);
    if (start.RecoveryStart) {
        Require(IsAbsoluteName(start.BackupFile) && start.FileToLoad == start.BackupFile);
    } else {
        Require(start.BackupFile.empty() && start.FileToLoad == start.DocumentName);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so a read past the text is caught.
    const size_t units = size / 2;
    std::unique_ptr<wchar_t[]> text(new wchar_t[units]);
    for (size_t at = 0; at < units; ++at)
        text[at] = static_cast<wchar_t>(data[2 * at] | data[2 * at + 1] << 8);
    const std::wstring_view line(text.get(), units);
    const size_t nul = line.find(L'\0');
    const std::wstring module(nul == std::wstring_view::npos ? std::wstring_view() : line.substr(nul + 1, 300));

    const ACommandLine parsed = ParseCommandLine(line, module);
    Require(parsed.ProgramPath == module);
    CheckTokens(parsed);
    CheckRoundTrip(parsed);

    const FileExistsCheck fileExists = [](std::wstring_view path) {
        Require(IsAbsoluteName(path) && path.size() < NameLengthLimit);
        return path.size() % 2 == 0;
    };
    CheckStart(InterpretArguments(parsed, fileExists));
    return 0;
}
