// The help file in the HTML Help viewer: hhctrl.ocx loaded at run time, its entry imported by ordinal 14.
#pragma once
#include <windows.h>

#include <string>

enum class HelpView { Contents, Index };

// The program's own path with ".chm" in place of its extension.
[[nodiscard]] std::string HelpFilePath();

// Opens the help file at its table of contents, or at its index with an empty keyword, and
// centres the viewer on `mainWindow`. False when the viewer is missing or cannot open the file.
bool ShowHelp(HWND mainWindow, HelpView view);
