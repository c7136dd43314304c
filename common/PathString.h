// File-name texts: the program's path-string form, the drive-letter test, SameName and FolderOf.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Paths of this length or longer do not fit the system's path buffers and are kept empty.
inline constexpr size_t PathStringLimit = 259;

// The path-string form of a name: a run of leading backslashes becomes one, trailing
// backslashes are dropped (a Shift-JIS trail byte 0x5C is not a backslash), and a result
// of PathStringLimit bytes or more becomes empty.
[[nodiscard]] std::string MakePathString(std::string_view name);

// True when the name begins with an ASCII letter and a colon, the only names that file
// operations accept.
[[nodiscard]] constexpr bool HasDriveLetter(std::string_view name) noexcept
{
    if (name.size() < 2 || name[1] != ':')
        return false;
    const char drive = name[0];
    return (drive >= 'A' && drive <= 'Z') || (drive >= 'a' && drive <= 'z');
}

// Two file names are the same when they have the same length in bytes and agree character
// by character: single-byte characters without regard to ASCII letter case, double-byte
// characters byte for byte.
[[nodiscard]] bool SameName(std::string_view first, std::string_view second) noexcept;

// The folder part of a name: the text before its last backslash (a Shift-JIS trail byte 0x5C is
// not one), "\" when that backslash is the first character, empty when the name has no
// backslash or at most one character. C:\data\a.bin gives C:\data, C:\a.bin gives C:.
[[nodiscard]] std::string FolderOf(std::string_view name);

// The program's own name as its registry key and shared objects use it: the file name after the
// last backslash without its last four characters (".exe").
[[nodiscard]] std::string_view ProgramNameOf(std::string_view programPath) noexcept;
