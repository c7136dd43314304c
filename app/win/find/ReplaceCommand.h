// RunReplaceCommand: a replacement run on the control, steered at each match by the strip.
#pragma once
#include <windows.h>

class ReplaceRun;
class TStatusBar;

// Starts `run` (made on the control `control`) and shows the strip TFormReplaceNext (owned by
// `owner`) at each match until the run ends; the run then tells what it did. Once the answer
// is "all", the rest of the run does not wait for the user: the control and the status bar (if
// any) hold back their painting until it ends and are then painted once.
void RunReplaceCommand(HWND owner, HWND control, ReplaceRun& run, TStatusBar* statusBar);
