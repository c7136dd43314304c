// InterpretArguments: the option forms of an editor's command line.
#include "app/backup/StartArguments.h"

#include "app/find/BytePosition.h"

#include "common/PathString.h"

#include <cstdint>
#include <vector>

namespace {

using Tokens = std::vector<TCommandToken>;

// A hexadecimal byte offset ("1A2B"); -1 for any other text.
int64_t CaretOffsetOf(std::wstring_view text)
{
    std::string digits;
    for (const wchar_t c : text)
        digits += c < 0x80 ? static_cast<char>(c) : '?';
    const auto value = ParsePosition(digits, PositionRadix::Hex);
    return value && *value <= INT64_MAX / 2 ? static_cast<int64_t>(*value) : -1;
}

// The first token after `from` that is not a separator; null when there is none.
const TCommandToken* NextOperand(const Tokens& tokens, const TCommandToken* from) noexcept
{
    const TCommandToken* end = tokens.data() + tokens.size();
    for (const TCommandToken* token = from + 1; token < end; ++token)
        if (token->kind != TCommandToken::Kind::Separator)
            return token;
    return nullptr;
}

TStartArguments OpenFile(std::wstring_view file)
{
    TStartArguments start;
    start.FileToLoad = MakePathString(file);
    start.DocumentName = start.FileToLoad;
    return start;
}

TStartArguments Recover(std::wstring_view backup, std::wstring_view name)
{
    TStartArguments start;
    const std::wstring backupFile = MakePathString(backup);
    // The backup becomes this editor's own backup file; a name file operations refuse
    // would leave the recovered document without one.
    if (!IsAbsoluteName(backupFile))
        return start;
    start.RecoveryStart = true;
    start.BackupFile = backupFile;
    start.FileToLoad = backupFile;
    if (name != L"-null")
        start.DocumentName = MakePathString(name);
    return start;
}

// Names as the shell passes several files, every one absolute: those naming an
// existing file are opened, the first here, the others in other editors. Any other word
// (an option spelt differently, a relative name) leaves the line one name.
TStartArguments OpenSeveral(const Tokens& tokens, const FileExistsCheck& fileExists)
{
    std::vector<std::wstring> names;
    for (const TCommandToken& token : tokens) {
        if (token.kind == TCommandToken::Kind::Separator)
            continue;
        std::wstring path = MakePathString(token.text);
        if (!IsAbsoluteName(path))
            return {};
        names.push_back(std::move(path));
    }
    std::vector<std::wstring> files;
    if (names.size() > 1)
        for (std::wstring& name : names)
            if (fileExists(name))
                files.push_back(std::move(name));
    if (files.empty())
        return {};
    TStartArguments start = OpenFile(files.front());
    start.FurtherFiles.assign(files.begin() + 1, files.end());
    return start;
}

TStartArguments OpenJoined(const Tokens& tokens, const FileExistsCheck& fileExists)
{
    std::wstring joined;
    for (const TCommandToken& token : tokens)
        joined += token.text;
    const size_t first = joined.find_first_not_of(L' ');
    if (first == std::wstring::npos)
        return {};
    const size_t last = joined.find_last_not_of(L' ');
    const std::wstring path = MakePathString(std::wstring_view(joined).substr(first, last - first + 1));
    if (IsAbsoluteName(path) && fileExists(path))
        return OpenFile(path);
    return OpenSeveral(tokens, fileExists);
}

} // namespace

TStartArguments InterpretArguments(const ACommandLine& commandLine, const FileExistsCheck& fileExists)
{
    const Tokens& tokens = commandLine.Tokens;
    if (tokens.empty())
        return {};
    const TCommandToken* option = tokens.data();

    if (option->text == L"-o" || option->text == L"-r") {
        const TCommandToken* file = NextOperand(tokens, option);
        if (!file)
            return {};
        TStartArguments start = OpenFile(file->text);
        start.ReadOnly = option->text == L"-r";
        if (const TCommandToken* offset = NextOperand(tokens, file))
            start.CaretOffset = CaretOffsetOf(offset->text);
        return start;
    }
    if (option->text == L"-c") {
        const TCommandToken* first = NextOperand(tokens, option);
        const TCommandToken* second = first ? NextOperand(tokens, first) : nullptr;
        if (!second)
            return {};
        TStartArguments start;
        start.CompareStart = true;
        start.CompareFirst = MakePathString(first->text);
        start.CompareSecond = MakePathString(second->text);
        return start;
    }
    if (option->text == L"-b") {
        const TCommandToken* backup = NextOperand(tokens, option);
        const TCommandToken* name = backup ? NextOperand(tokens, backup) : nullptr;
        return name ? Recover(backup->text, name->text) : TStartArguments{};
    }
    return OpenJoined(tokens, fileExists);
}
