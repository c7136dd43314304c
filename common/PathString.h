// File-name texts: the program's path-string form, the absolute-name tests, SameName and FolderOf,
// for the program's names (UTF-16, std::wstring) and for the Shift-JIS names of older editors'
// lists and values.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Shift-JIS paths of this length or longer do not fit the system's path buffers and are kept
// empty.
inline constexpr size_t PathStringLimit = 259;

// Names of this many UTF-16 units or more are longer than any the system can open once the
// \\?\UNC\ prefix is added, and are kept empty.
inline constexpr size_t NameLengthLimit = 32767 - 8;

// A name of this many units or more needs the \\?\ form for the system's file calls.
inline constexpr size_t ShortPathLimit = 260;

// The path-string form of a name: a run of leading backslashes becomes one, trailing
// backslashes are dropped (a Shift-JIS trail byte 0x5C is not a backslash), and a result
// of PathStringLimit bytes or more becomes empty.
[[nodiscard]] std::string MakePathString(std::string_view name);

// True when the name begins with an ASCII letter and a colon.
template <typename Char>
[[nodiscard]] constexpr bool HasDriveLetter(std::basic_string_view<Char> name) noexcept
{
    if (name.size() < 2 || name[1] != Char(':'))
        return false;
    const Char drive = name[0];
    return (drive >= Char('A') && drive <= Char('Z')) || (drive >= Char('a') && drive <= Char('z'));
}
[[nodiscard]] constexpr bool HasDriveLetter(std::string_view name) noexcept { return HasDriveLetter<char>(name); }
[[nodiscard]] constexpr bool HasDriveLetter(std::wstring_view name) noexcept { return HasDriveLetter<wchar_t>(name); }

// True for a network name: two backslashes, a server name, a backslash and a share name
// (\\server\share...). The system's own forms \\?\ and \\.\ are no network names.
[[nodiscard]] bool IsNetworkName(std::wstring_view name) noexcept;

// The names file operations accept: a drive letter and a colon, or a network name.
[[nodiscard]] inline bool IsAbsoluteName(std::wstring_view name) noexcept
{
    return HasDriveLetter(name) || IsNetworkName(name);
}

// The path-string form of a program name: a run of two or more leading backslashes becomes
// two (a network name keeps its own), a single one stays, trailing backslashes are dropped, and
// a result of NameLengthLimit units or more becomes empty.
[[nodiscard]] std::wstring MakePathString(std::wstring_view name);

// The \\?\ form of a full name, which the system takes at any length without changing it:
// \\?\C:\... for a drive name, \\?\UNC\server\share... for a network name. Other names
// (relative ones, and those already in a \\?\ form) come back as they are.
[[nodiscard]] std::wstring ExtendedLengthName(std::wstring_view fullName);
// Back from the \\?\ form: \\?\UNC\server\... gives \\server\..., \\?\C:\... gives C:\...;
// other names come back as they are.
[[nodiscard]] std::wstring WithoutExtendedLength(std::wstring_view name);

// Two names are the same when they have the same length in UTF-16 units and agree unit by
// unit, ASCII letters without regard to case.
[[nodiscard]] bool SameName(std::wstring_view first, std::wstring_view second) noexcept;

// FolderOf for program names: the text before the last backslash, "\" when that is the first
// character, empty when there is none or the name has at most one character.
[[nodiscard]] std::wstring FolderOf(std::wstring_view name);

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
