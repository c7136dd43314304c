// Starting further editor processes with CreateProcessW.
#include "app/win/system/EditorProcess.h"

#include "app/find/BytePosition.h"

#include "common/win/AHourglass.h"
#include "common/win/FileSystem.h"
#include "common/win/MessageBox.h"
#include "common/win/WideText.h"

#include <new>
#include <string>

namespace {

// Runs one new-editor command: hourglass meanwhile, out of memory shown to the owner.
template <typename Command>
void RunEditorCommand(HWND owner, Command command)
{
    AHourglass hourglass;
    try {
        command();
    } catch (const std::bad_alloc&) {
        ShowOutOfMemory(owner);
    }
}

} // namespace

bool StartEditorProcess(const ACommandLine& commandLine, bool waitForIdle)
{
    // CreateProcessW may write into the command line, so it gets its own copy.
    std::wstring line = ComposeCommandLine(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWDEFAULT;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(commandLine.ProgramPath.c_str(), line.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process))
        return false;
    const bool started = !waitForIdle || WaitForInputIdle(process.hProcess, INFINITE) == 0;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return started;
}

void ActionFileEditorNew(HWND owner)
{
    RunEditorCommand(owner, [] { StartEditorProcess(ACommandLine(ProgramPath()), false); });
}

void ActionFileEditorOpen(HWND owner, std::wstring_view chosenFile, bool readOnly, int64_t caretOffset)
{
    RunEditorCommand(owner, [chosenFile, readOnly, caretOffset] {
        ACommandLine commandLine(ProgramPath());
        commandLine.AddArgument(readOnly ? L"-r" : L"-o");
        commandLine.AddArgument(chosenFile);
        if (caretOffset >= 0)
            commandLine.AddArgument(WideFromAnsi(PositionText(static_cast<uint64_t>(caretOffset), PositionRadix::Hex)));
        StartEditorProcess(commandLine, false);
    });
}
