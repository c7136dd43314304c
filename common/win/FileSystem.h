// File-system queries: the program's path, the system's form of long names, existing files and folders.
#pragma once
#include <string>
#include <string_view>

// The full path of the program's own module file (GetModuleFileNameW), however long.
[[nodiscard]] std::wstring ProgramPath();

// The name as the system's file calls take it: as it is below ShortPathLimit units; from there
// on its full form (GetFullPathNameW) in the \\?\ form, which the system takes at any length.
[[nodiscard]] std::wstring SystemName(std::wstring_view name);

// The short name (GetShortPathNameW) of an existing file or folder; empty when it has none.
[[nodiscard]] std::wstring ShortNameOf(std::wstring_view name);

// True when the name is absolute (a drive letter and a colon, or a network name) and its
// attributes can be read and do not mark a folder. The system's critical-error boxes are
// suppressed meanwhile.
[[nodiscard]] bool FileExists(std::wstring_view name);

// True when the name is absolute and its attributes mark a folder.
[[nodiscard]] bool FolderExists(std::wstring_view name);

// The folder when FolderExists says so, else its nearest existing parent by FolderOf; the
// program's own folder when none of them exists (or the folder is empty).
[[nodiscard]] std::wstring NearestExistingFolder(std::wstring_view folder);
