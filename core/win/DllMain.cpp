// Library entry: registers the control's window class and reads the wheel setting.
#include "core/win/Library.h"

#include "talvine.h"

LibraryState& Library() noexcept
{
    static LibraryState state;
    return state;
}

bool RegisterControlClass() noexcept
{
    LibraryState& library = Library();
    if (library.classRegistered)
        return true;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = ControlWindowProc;
    windowClass.cbWndExtra = sizeof(LONG_PTR);  // slot 0: the AVornalixor of the window
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = TALVINE_CLASS_NAME;
    if (!RegisterClassExA(&windowClass))
        return false;
    library.classRegistered = true;
    library.classModule = windowClass.hInstance;
    return true;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    if (!RegisterControlClass())
        return FALSE;
    UINT lines = 0;
    if (!SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0))
        lines = 0;
    Library().wheelScrollLines = static_cast<int>(lines);
    return TRUE;
}
