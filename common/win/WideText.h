// WideText: the program's UTF-16 names and texts against the narrow forms at the system's edges.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A narrow text of the ANSI code page, as the system's A calls of older editors wrote names
// into lists, journals and registry values. Bytes that are no character there become U+FFFD.
[[nodiscard]] std::wstring WideFromAnsi(std::string_view text);

// The ANSI form that spells exactly these characters, read back as the same text; none when
// a character has no such form (no "best fit": é never becomes e, which would name another
// file).
[[nodiscard]] std::optional<std::string> ExactAnsi(std::wstring_view text);

// The ANSI form as the system's A calls would make it, "?" for characters it cannot spell: for
// the names of the program's own registry key and system objects, never for a file's name.
[[nodiscard]] std::string AnsiText(std::wstring_view text);

// The program's own narrow texts (Shift-JIS, code page 932 whatever the ANSI code page) as
// UTF-16, for the texts that are shown together with a name.
[[nodiscard]] std::wstring WideFromProgramText(std::string_view text);

// A name as an older editor's A calls can use it: its exact ANSI form when that is shorter
// than `limit` bytes, else the exact ANSI form of the file's short name (GetShortPathNameW,
// for an existing file) when that is; empty when neither is.
[[nodiscard]] std::string LegacyName(std::wstring_view name, size_t limit);

// A name for a narrow field or text that the user reads and may give back as a name: its exact
// ANSI form, or its short name's, at any length; else AnsiText's form, which names no file.
[[nodiscard]] std::string ShownName(std::wstring_view name);
