// The help file's name: the program's own path with ".chm" in place of its extension.
#pragma once
#include <string>
#include <string_view>

// "C:\Quillet\vornalix.exe" gives "C:\Quillet\vornalix.chm". Only the file name's last dot
// starts the extension (a dot in a folder name does not, nor does a Shift-JIS trail byte end
// a folder name); a name without an extension gets ".chm" appended.
[[nodiscard]] std::string HelpFileName(std::string_view programPath);
