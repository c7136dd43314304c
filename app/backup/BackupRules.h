// The backup manager's rules about names: own temporary files, staging names, list states, lost records.
#pragma once
#include "app/backup/Profile.h"

#include <string>
#include <string_view>
#include <vector>

// The prefix of every backup and process-list file the editors make in the temporary folder.
inline constexpr wchar_t TemporaryPrefix[] = L"QX";

// True when `path` is a file the system's temporary-name service could have made for the
// editors directly inside `tempDir`: "QX", one to eight hexadecimal digits, ".tmp" (letters
// in either case), in that folder (SameName). Only such files may be overwritten or deleted
// by a backup manager; any other name an editor is given stays untouched.
[[nodiscard]] bool IsOwnTemporaryFile(std::wstring_view path, std::wstring_view tempDir);

// True when the last path component looks like such a temporary file, whatever its folder.
[[nodiscard]] bool HasTemporaryFileName(std::wstring_view path);

// The name a new version of the file is written under before it replaces the file: the
// same name with the extension ".new". Temporary names always end in ".tmp", so the staging
// name belongs to whoever owns the file, and a version left half-written by a process that
// died is overwritten by the next one and deleted with the file.
[[nodiscard]] std::wstring StagingFileName(std::wstring_view path);

// The name the backup journal had before it was last written anew: the same name with the
// extension ".old". It is kept until the next new journal replaces it, so a journal damaged
// from its start still leaves the document as it was one generation earlier.
[[nodiscard]] std::wstring PreviousGenerationName(std::wstring_view path);

// What a starting editor finds: no list (the registry value is empty), a list of editors
// that are alive (the value is the path in the shared block), or the list of editors that
// ended abnormally (any other value: nobody alive has set up the block with it).
enum class ProcessListState { None, Alive, Abandoned };

[[nodiscard]] ProcessListState ClassifyProcessList(std::wstring_view registryValue, std::wstring_view sharedPath);

// The records of an abandoned list that can be recovered: those naming a backup file by an
// absolute name (IsAbsoluteName). A record without one (a damaged list) would start an editor that reads
// some other file as its backup.
[[nodiscard]] std::vector<Profile> RecoverableProfiles(const std::vector<Profile>& profiles);

// The name of the editors' mutex or shared block (`baseName`) for the program file named
// `programName` (ProgramNameOf): the base name itself for "vornalix" in any letter case; for a
// copy under another name the base name, "_" and that name with its ASCII letters in upper
// case. Such a copy has a registry key of its own, so it keeps its own instance count,
// process list and recovery too, and never disturbs the other's.
[[nodiscard]] std::string SharedObjectName(std::string_view baseName, std::string_view programName);
