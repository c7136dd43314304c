// TextFit: the captions and labels of a window that do not fit the room their controls give them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// A text that is cut off: the pixels it needs with its control's font, the pixels it has.
struct ClippedText {
    HWND control = nullptr;
    std::string text;
    int needed = 0;
    int room = 0;
};

// Every static text, button, check box and radio button among the window's descendants whose
// longest line, measured with GetTextExtentPoint32 in the control's own font ("&" prefixes
// taken out), is wider than the control leaves for it: its client width less the button
// frame or the check mark, and no further than the client edges of its ancestors, which cut
// off what passes them. Only shown controls count: a page control's other pages are measured
// once they are shown.
[[nodiscard]] std::vector<ClippedText> ClippedTexts(HWND window);

// One line per clipped text, for a test's failure message.
[[nodiscard]] std::string Describe(const std::vector<ClippedText>& clipped);
