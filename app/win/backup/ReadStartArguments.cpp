// ReadStartArguments: the process's command line through ParseCommandLine and InterpretArguments.
#include "app/win/backup/ReadStartArguments.h"

#include "common/CommandLineParser.h"
#include "common/win/FileSystem.h"

#include <windows.h>

TStartArguments ReadStartArguments()
{
    const ACommandLine commandLine = ParseCommandLine(GetCommandLineW(), ProgramPath());
    return InterpretArguments(commandLine, [](std::wstring_view path) { return FileExists(path); });
}
