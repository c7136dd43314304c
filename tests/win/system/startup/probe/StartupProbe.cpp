// A stand-in editor for the start-up tests: reports its command line and what it makes of it.
//
// QX_PROBE_OUT names the report file: "line=", "file=", "name=", "recovery=" and "backup="
// lines, written whole under a temporary name and then renamed, so a reader never sees
// half a report. QX_PROBE_ACTION=new or open:<file> runs that new-editor command instead
// (which starts this program again, and that one reports). With QX_PROBE_WINDOW set the
// probe then opens a window of class "QxStartupProbe" and runs until the window is closed.
#include "app/win/system/EditorProcess.h"
#include "common/win/WideText.h"
#include "app/win/backup/ReadStartArguments.h"

#include <windows.h>

#include <fstream>
#include <string>

namespace {

std::string Environment(const wchar_t* name)
{
    // Read as UTF-16 and converted here: the ANSI form drops the tail of a value with
    // double-byte characters under Wine.
    wchar_t wide[1024] = {};
    const DWORD length = GetEnvironmentVariableW(name, wide, 1024);
    if (length == 0 || length >= 1024)
        return {};
    char value[2048] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, value, sizeof value, nullptr, nullptr);
    return value;
}

bool WriteReport(const std::string& path)
{
    const TStartArguments start = ReadStartArguments();
    const std::string partial = path + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << "line=" << GetCommandLineA() << '\n'
            << "file=" << AnsiText(start.FileToLoad) << '\n'
            << "name=" << AnsiText(start.DocumentName) << '\n'
            << "recovery=" << (start.RecoveryStart ? 1 : 0) << '\n'
            << "backup=" << AnsiText(start.BackupFile) << '\n';
        if (!out)
            return false;
    }
    return MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

bool RunAction(const std::string& action)
{
    // The started copy must report, not act again.
    SetEnvironmentVariableA("QX_PROBE_ACTION", nullptr);
    if (action == "new")
        ActionFileEditorNew(nullptr);
    else if (action.starts_with("open:"))
        ActionFileEditorOpen(nullptr, WideFromAnsi(std::string_view(action).substr(5)));
    else
        return false;
    return true;
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RunWindow(HINSTANCE instance)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ProbeProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "QxStartupProbe";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "QxStartupProbe", "probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    const std::string action = Environment(L"QX_PROBE_ACTION");
    if (!action.empty())
        return RunAction(action) ? 0 : 2;
    const std::string out = Environment(L"QX_PROBE_OUT");
    if (out.empty() || !WriteReport(out))
        return 2;
    if (!Environment(L"QX_PROBE_WINDOW").empty())
        RunWindow(instance);
    return 0;
}
