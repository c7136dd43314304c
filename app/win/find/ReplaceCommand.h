// RunReplaceCommand: a replacement run on the control, steered at each match by the strip.
#pragma once
#include "common/_CVec.h"

#include <windows.h>

#include <cstdint>

class TStatusBar;

// Searches from the caret and shows the strip TFormReplaceNext (owned by `owner`) at each
// match until the run ends; returns the number of replacements. Once the answer is "all",
// the rest of the run does not wait for the user: the control and the status bar (if any)
// hold back their painting until it ends and are then painted once. `readFailed` (if any)
// tells whether the run ended because a search could not read the document.
int RunReplaceCommand(HWND owner, HWND control, const _CVec<uint8_t>& findBytes, const _CVec<uint8_t>& replaceBytes,
                      TStatusBar* statusBar, bool* readFailed = nullptr);
