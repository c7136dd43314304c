// Library-wide state of talvine.dll: class registration, owner window, wheel setting.
#pragma once
#include <windows.h>

struct LibraryState {
    bool classRegistered = false;
    HINSTANCE classModule = nullptr;   // the main program's module, not the library's
    int wheelScrollLines = 0;          // lines per wheel notch, read at load
    HWND owner = nullptr;              // owner of the most recent QX_Create: gets dropped files
};

LibraryState& Library() noexcept;

// Registers "TALVINEWINDOW" once per process under the main program's module handle.
bool RegisterControlClass() noexcept;

LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
