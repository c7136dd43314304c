// The look of the program's dialogs: navy client panel, white texts, teal bottom panel, silver labels.
#pragma once
#include <windows.h>

inline constexpr COLORREF clNavy = RGB(0, 0, 128);
inline constexpr COLORREF clTeal = RGB(0, 128, 128);
inline constexpr COLORREF clWhite = RGB(255, 255, 255);
inline constexpr COLORREF clSilver = RGB(192, 192, 192);
inline constexpr COLORREF clBlack = RGB(0, 0, 0);

class TControl;
class TPanel;

// The two panels of the look on a form: `bottom` along the bottom edge, `bottomHeight` high and
// teal, then `client` over the rest, navy with white texts.
void CreateDialogPanels(TControl& form, TPanel& client, TPanel& bottom, int bottomHeight);

// Lets a button-class control (check box, radio button, group box) take the colours its parent
// gives it; a visual theme would draw its text in the theme's colour instead.
void UseClassicLook(HWND window) noexcept;
