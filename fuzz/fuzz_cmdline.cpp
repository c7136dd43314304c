// Fuzz target: command lines through ParseCommandLine and InterpretArguments. The input is
// the command line; the bytes after its first NUL, if any, are the module path.
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

std::vector<std::string> OperandTexts(const ACommandLine& commandLine)
{
    std::vector<std::string> texts;
    for (const TCommandToken& token : commandLine.Tokens)
        if (token.kind != TCommandToken::Kind::Separator)
            texts.push_back(token.text);
    return texts;
}

void CheckTokens(const ACommandLine& parsed)
{
    for (const TCommandToken& token : parsed.Tokens) {
        Require(!token.text.empty());
        Require(token.text.find('"') == std::string::npos);
        if (token.kind == TCommandToken::Kind::Separator)
            Require(token.text.find_first_not_of(' ') == std::string::npos);
        if (token.kind == TCommandToken::Kind::Word)
            Require(token.text.find(' ') == std::string::npos);
    }
}

// Composing the parsed tokens for a new process and parsing that line gives the same
// texts, provided the module path itself can stand in quotes (a file name holds no quote
// and no NUL).
void CheckRoundTrip(const ACommandLine& parsed)
{
    if (parsed.ProgramPath.find_first_of(std::string_view("\"\0", 2)) != std::string::npos)
        return;
    const std::string probe = "\"" + parsed.ProgramPath + "\" x";
    if (ParseCommandLine(probe, parsed.ProgramPath).Tokens.size() != 1)
        return;
    const ACommandLine again = ParseCommandLine(ComposeCommandLine(parsed), parsed.ProgramPath);
    Require(OperandTexts(again) == OperandTexts(parsed));
}

void CheckStart(const TStartArguments& start)
{
    Require(start.FileToLoad.size() < PathStringLimit && start.DocumentName.size() < PathStringLimit);
    if (start.RecoveryStart) {
        Require(HasDriveLetter(start.BackupFile) && start.FileToLoad == start.BackupFile);
    } else {
        Require(start.BackupFile.empty() && start.FileToLoad == start.DocumentName);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // An exact-size copy, so a read past the text is caught.
    std::unique_ptr<char[]> text(new char[size]);
    std::copy(data, data + size, text.get());
    const std::string_view line(text.get(), size);
    const size_t nul = line.find('\0');
    const std::string module(nul == std::string_view::npos ? std::string_view() : line.substr(nul + 1, 300));

    const ACommandLine parsed = ParseCommandLine(line, module);
    Require(parsed.ProgramPath == module);
    CheckTokens(parsed);
    CheckRoundTrip(parsed);

    const FileExistsCheck fileExists = [](std::string_view path) {
        Require(HasDriveLetter(path) && path.size() < PathStringLimit);
        return path.size() % 2 == 0;
    };
    CheckStart(InterpretArguments(parsed, fileExists));
    return 0;
}
