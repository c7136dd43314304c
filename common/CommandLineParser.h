// ParseCommandLine: a process's command-line text cut into an ACommandLine.
#pragma once
#include "common/ACommandLine.h"

#include <string_view>

// Cuts the command line (UTF-16, as GetCommandLineW gives it) into separator, word and quoted
// tokens, drops empty tokens, drops the program part at the front and then one leading
// separator. The program part ends at the first blank outside quotes, whatever name the
// program was started by, or at the closing quote of a name that opens with one
// (`"C:\q\vornalix.exe"C:\a.bin` keeps C:\a.bin), unless the tokens up to a later blank spell
// `modulePath` itself (an unquoted path with blanks). A line holding a control character
// (U+0001 to U+001F, U+007F to U+009F) or an unclosed quote gives no tokens at all; every
// other character, in any script, may stand in a token. The text ends at its first NUL.
// ProgramPath is `modulePath`.
[[nodiscard]] ACommandLine ParseCommandLine(std::wstring_view commandLine, std::wstring_view modulePath);
