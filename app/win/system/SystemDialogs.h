// The system's font and colour dialogs for the control's look, centred on the window that asks.
#pragma once
#include <windows.h>

// Both dialogs keep their owner in one process-wide slot for the hook that centres them; a
// request while either dialog is open returns false at once, as if cancelled.

// Fixed-pitch screen fonts only, with the colour, underline and strike-out effects; starts
// from `font` and `color` and replaces them when the user confirms.
bool ChooseControlFont(HWND owner, LOGFONTA& font, COLORREF& color);

// Opened in full, solid colours only, the 16 custom colours black; starts from `color` and
// replaces it when the user confirms.
bool ChooseBackgroundColor(HWND owner, COLORREF& color);

// The owner of the font or colour dialog open now; null when neither is.
[[nodiscard]] HWND SystemDialogOwner() noexcept;
