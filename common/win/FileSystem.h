// File-system queries: the program's path, existing files and folders, the nearest existing folder.
#pragma once
#include <string>
#include <string_view>

// The full path of the program's own module file (GetModuleFileNameA), however long.
[[nodiscard]] std::string ProgramPath();

// True when the name has a drive letter and a colon and its attributes can be read and do
// not mark a folder. The system's critical-error boxes are suppressed meanwhile.
[[nodiscard]] bool FileExists(std::string_view name);

// True when the name has a drive letter and a colon and its attributes mark a folder.
[[nodiscard]] bool FolderExists(std::string_view name);

// The folder when FolderExists says so, else its nearest existing parent by FolderOf; the
// program's own folder when none of them exists (or the folder is empty).
[[nodiscard]] std::string NearestExistingFolder(std::string_view folder);
