// ParseCommandLine: a process's command-line text cut into an ACommandLine.
#pragma once
#include "common/ACommandLine.h"

#include <string_view>

// Cuts the command line into separator, word and quoted tokens (Shift-JIS double-byte
// characters stay whole), drops empty tokens, drops the program part at the front and then
// one leading separator. The program part ends at the first blank outside quotes, whatever
// name the program was started by, or at the closing quote of a name that opens with one
// (`"C:\q\vornalix.exe"C:\a.bin` keeps C:\a.bin), unless the tokens up to a later blank
// spell `modulePath` itself (an unquoted path with blanks). A line holding a byte no token may
// hold (a control byte, 0x7F, 0x80, 0xA0, 0xFD-0xFF outside a double-byte character), a
// lead byte without its trail byte, or an unclosed quote gives no tokens at all. The text
// ends at its first NUL byte. ProgramPath is `modulePath`.
[[nodiscard]] ACommandLine ParseCommandLine(std::string_view commandLine, std::string_view modulePath);
