// The editor's main window around one control.
#pragma once
#include <windows.h>

// Creates the main window, runs the message loop until it closes; returns the exit code.
int RunMainWindow(HINSTANCE instance, int showCommand);
