// File-name texts: the program's path-string form, SameName and FolderOf.
#include "common/PathString.h"

#include "common/ShiftJis.h"

#include <algorithm>

namespace {

[[nodiscard]] constexpr char AsciiLower(char c) noexcept
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string MakePathString(std::string_view name)
{
    // A name starts with a character, so a leading 0x5C is always a real backslash.
    size_t leading = 0;
    while (leading < name.size() && name[leading] == '\\')
        ++leading;
    if (leading > 1)
        name.remove_prefix(leading - 1);

    // The trailing run must start on a character boundary, so walk the characters.
    size_t end = 0;
    for (size_t at = 0; at < name.size();) {
        const size_t length = SjisCharLength(name, at);
        at += length;
        if (length == 2 || name[at - 1] != '\\')
            end = at;
    }
    name = name.substr(0, end);

    if (name.size() >= PathStringLimit)
        return {};
    return std::string(name);
}

bool SameName(std::string_view first, std::string_view second) noexcept
{
    if (first.size() != second.size())
        return false;
    for (size_t at = 0; at < first.size();) {
        const size_t length = SjisCharLength(first, at);
        if (length == 2) {
            if (first[at] != second[at] || first[at + 1] != second[at + 1])
                return false;
        } else if (AsciiLower(first[at]) != AsciiLower(second[at])) {
            return false;
        }
        at += length;
    }
    return true;
}

std::string FolderOf(std::string_view name)
{
    if (name.size() <= 1)
        return {};
    const size_t last = SjisFindLast(name, '\\');
    if (last == std::string_view::npos)
        return {};
    if (last == 0)
        return "\\";
    return std::string(name.substr(0, last));
}

std::string_view ProgramNameOf(std::string_view programPath) noexcept
{
    const size_t slash = SjisFindLast(programPath, '\\');
    std::string_view file = programPath;
    if (slash != std::string_view::npos)
        file.remove_prefix(slash + 1);
    file.remove_suffix(std::min<size_t>(file.size(), 4));
    return file;
}
