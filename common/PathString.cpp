// File-name texts: the program's path-string form, SameName and FolderOf.
#include "common/PathString.h"

#include "common/ShiftJis.h"

#include <algorithm>

namespace {

template <typename Char>
[[nodiscard]] constexpr Char AsciiLower(Char c) noexcept
{
    return c >= Char('A') && c <= Char('Z') ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

// The length of a run of a character at the name's start.
[[nodiscard]] size_t LeadingRun(std::wstring_view name, wchar_t c) noexcept
{
    size_t run = 0;
    while (run < name.size() && name[run] == c)
        ++run;
    return run;
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

bool IsNetworkName(std::wstring_view name) noexcept
{
    if (name.size() < 5 || name.substr(0, 2) != L"\\\\")
        return false;
    const size_t serverEnd = name.find(L'\\', 2);
    if (serverEnd == std::wstring_view::npos || serverEnd == 2)
        return false;
    const std::wstring_view server = name.substr(2, serverEnd - 2);
    if (server == L"?" || server == L".")
        return false;
    return serverEnd + 1 < name.size() && name[serverEnd + 1] != L'\\';
}

std::wstring MakePathString(std::wstring_view name)
{
    const size_t leading = LeadingRun(name, L'\\');
    if (leading > 2)
        name.remove_prefix(leading - 2);
    const size_t last = name.find_last_not_of(L'\\');
    name = last == std::wstring_view::npos ? std::wstring_view() : name.substr(0, last + 1);
    if (name.size() >= NameLengthLimit)
        return {};
    return std::wstring(name);
}

std::wstring ExtendedLengthName(std::wstring_view fullName)
{
    if (HasDriveLetter(fullName) && fullName.size() > 2 && fullName[2] == L'\\')
        return L"\\\\?\\" + std::wstring(fullName);
    if (IsNetworkName(fullName))
        return L"\\\\?\\UNC" + std::wstring(fullName.substr(1));
    return std::wstring(fullName);
}

std::wstring WithoutExtendedLength(std::wstring_view name)
{
    if (name.starts_with(L"\\\\?\\UNC\\"))
        return L"\\" + std::wstring(name.substr(7));
    if (name.starts_with(L"\\\\?\\") && HasDriveLetter(name.substr(4)))
        return std::wstring(name.substr(4));
    return std::wstring(name);
}

bool SameName(std::wstring_view first, std::wstring_view second) noexcept
{
    if (first.size() != second.size())
        return false;
    for (size_t at = 0; at < first.size(); ++at)
        if (AsciiLower(first[at]) != AsciiLower(second[at]))
            return false;
    return true;
}

std::wstring FolderOf(std::wstring_view name)
{
    if (name.size() <= 1)
        return {};
    const size_t last = name.rfind(L'\\');
    if (last == std::wstring_view::npos)
        return {};
    if (last == 0)
        return L"\\";
    return std::wstring(name.substr(0, last));
}
