// The help file's name: the program's own path with ".chm" in place of its extension.
#include "app/system/HelpFileName.h"

#include "common/ShiftJis.h"

std::string HelpFileName(std::string_view programPath)
{
    const size_t separator = SjisFindLast(programPath, '\\');
    const size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    const size_t dot = SjisFindLast(programPath.substr(nameStart), '.');
    const std::string_view stem =
        dot == std::string_view::npos ? programPath : programPath.substr(0, nameStart + dot);
    return std::string(stem) + ".chm";
}
