// Starting further editor processes: the composed command line, a new editor, an editor on a file.
#pragma once
#include "common/ACommandLine.h"

#include <windows.h>

#include <cstdint>
#include <string_view>

// Starts the program at the command line's ProgramPath with the command line composed
// from it (the path and every word or quoted token in quotes), inheriting no handles,
// shown with SW_SHOWDEFAULT. With `waitForIdle` it then waits, without a time limit, until
// the new process is idle for input, and is true only when the start and the wait both
// succeeded; otherwise it is true when the process started. Nothing is kept of the new
// process: it runs on its own.
bool StartEditorProcess(const ACommandLine& commandLine, bool waitForIdle);

// The process start of ActionFileEditorNew: this program again, without arguments. A
// failed start is not reported; running out of memory is, to `owner`.
void ActionFileEditorNew(HWND owner);

// The process start of ActionFileEditorOpen: this program with "-o" (or "-r" for a read-only
// open) and the chosen file, which the new editor opens, with its caret on the byte
// `caretOffset` when that is not -1. Failures as for ActionFileEditorNew.
void ActionFileEditorOpen(HWND owner, std::wstring_view chosenFile, bool readOnly = false, int64_t caretOffset = -1);
