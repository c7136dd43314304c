// File-system queries of the program: its own path, whether a name is an existing file or folder.
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
