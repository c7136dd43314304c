// FileCalls: the one place where the program's file-changing system calls are made, each asking
// FileFaults first, so that tests can fail any step of a save or a backup with a chosen error.
#pragma once
#include <windows.h>

#include <cstdint>

namespace FileCalls {
// CreateFileA; counted as a creation whether the disposition creates or opens.
HANDLE Open(const char* name, DWORD access, DWORD sharing, DWORD disposition, DWORD attributes) noexcept;
BOOL Write(HANDLE file, const void* bytes, DWORD count, DWORD* written) noexcept;
BOOL Flush(HANDLE file) noexcept;
// SetEndOfFile at the file's position.
BOOL EndHere(HANDLE file) noexcept;
BOOL SetTimes(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess, const FILETIME* lastWrite) noexcept;
BOOL Move(const char* from, const char* to, DWORD flags) noexcept;
// Renames the file open as `file` (with DELETE access) to `to`, replacing it with the POSIX
// semantics: a target that others hold open, sharing its deletion, is replaced as well. Counted
// as a rename.
BOOL RenameReplacing(HANDLE file, const char* to) noexcept;
BOOL Remove(const char* name) noexcept;
BOOL SetAttributes(const char* name, DWORD attributes) noexcept;
// GetTempFileNameA with a system-chosen number, which creates the file.
UINT MakeTemporary(const char* folder, const char* prefix, char* name) noexcept;
} // namespace FileCalls
