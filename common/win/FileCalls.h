// FileCalls: the one place where the program's file-changing system calls are made, each asking
// FileFaults first, so that tests can fail any step of a save or a backup with a chosen error.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

// Names are the program's (UTF-16); those of ShortPathLimit units or more go to the system in
// the \\?\ form (SystemName).
namespace FileCalls {
// CreateFileW; counted as a creation whether the disposition creates or opens.
HANDLE Open(std::wstring_view name, DWORD access, DWORD sharing, DWORD disposition, DWORD attributes) noexcept;
BOOL Write(HANDLE file, const void* bytes, DWORD count, DWORD* written) noexcept;
BOOL Flush(HANDLE file) noexcept;
// SetEndOfFile at the file's position.
BOOL EndHere(HANDLE file) noexcept;
BOOL SetTimes(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess, const FILETIME* lastWrite) noexcept;
BOOL Move(std::wstring_view from, std::wstring_view to, DWORD flags) noexcept;
// Renames the file open as `file` (with DELETE access) to `to`, replacing it with the POSIX
// semantics: a target that others hold open, sharing its deletion, is replaced as well. Counted
// as a rename.
BOOL RenameReplacing(HANDLE file, std::wstring_view to) noexcept;
BOOL Remove(std::wstring_view name) noexcept;
BOOL SetAttributes(std::wstring_view name, DWORD attributes) noexcept;
// A new empty file in the folder named `prefix`, hexadecimal digits and ".tmp", made by
// GetTempFileNameW with a system-chosen number, or, in a folder too long for it, the same way
// by CreateFileW; its name, empty when none could be made.
std::wstring MakeTemporary(std::wstring_view folder, std::wstring_view prefix) noexcept;
} // namespace FileCalls
