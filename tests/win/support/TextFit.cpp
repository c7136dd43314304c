// TextFit: measuring each caption and label against its control and the ancestors that cut it.
#include "tests/win/support/TextFit.h"

#include <algorithm>

namespace {

// The text as drawn: "&x" shows x, "&&" shows one "&".
std::string WithoutPrefixes(const std::string& text)
{
    std::string shown;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '&' && at + 1 < text.size())
            ++at;
        shown += text[at];
    }
    return shown;
}

int WidestLine(HWND control, const std::string& text)
{
    const HDC dc = GetDC(control);
    auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    const HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    int widest = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        SIZE size{};
        GetTextExtentPoint32A(dc, line.c_str(), static_cast<int>(line.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
        start = end + 1;
    }
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return widest;
}

// What the control's own frame takes from its width, or -1 for controls whose texts are
// the user's (edits, lists) or are not captions.
int FrameOf(HWND control)
{
    char className[64] = {};
    GetClassNameA(control, className, sizeof className);
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
    if (lstrcmpiA(className, "Static") == 0)
        return (style & SS_TYPEMASK) <= SS_RIGHT ? 0 : -1;
    if (lstrcmpiA(className, "Button") != 0)
        return -1;
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return GetSystemMetrics(SM_CXMENUCHECK) + 4;
    case BS_GROUPBOX:
        return 16;
    default:
        return 2 * (GetSystemMetrics(SM_CXEDGE) + 2);
    }
}

// The right edge, in screen pixels, up to which the control's ancestors show it.
LONG VisibleRight(HWND control, HWND top)
{
    RECT own{};
    GetWindowRect(control, &own);
    LONG right = own.right;
    for (HWND parent = GetParent(control); parent; parent = GetParent(parent)) {
        RECT client{};
        GetClientRect(parent, &client);
        POINT corner{client.right, client.bottom};
        ClientToScreen(parent, &corner);
        right = std::min(right, corner.x);
        if (parent == top)
            break;
    }
    return right;
}

struct Walk {
    HWND top;
    std::vector<ClippedText> clipped;
};

BOOL CALLBACK Measure(HWND control, LPARAM param)
{
    auto& walk = *reinterpret_cast<Walk*>(param);
    const int frame = FrameOf(control);
    if (!IsWindowVisible(control))
        return TRUE;
    char text[1024] = {};
    GetWindowTextA(control, text, sizeof text);
    if (frame < 0 || text[0] == '\0')
        return TRUE;
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
    const bool noPrefix = FrameOf(control) == 0 && (style & SS_NOPREFIX);
    const std::string shown = noPrefix ? std::string(text) : WithoutPrefixes(text);
    RECT client{};
    GetClientRect(control, &client);
    POINT left{0, 0};
    ClientToScreen(control, &left);
    const int room = static_cast<int>(std::min<LONG>(client.right, VisibleRight(control, walk.top) - left.x)) - frame;
    const int needed = WidestLine(control, shown);
    if (needed > room)
        walk.clipped.push_back({control, shown, needed, room});
    return TRUE;
}

} // namespace

std::vector<ClippedText> ClippedTexts(HWND window)
{
    Walk walk{window, {}};
    EnumChildWindows(window, Measure, reinterpret_cast<LPARAM>(&walk));
    return walk.clipped;
}

std::string Describe(const std::vector<ClippedText>& clipped)
{
    std::string lines;
    for (const ClippedText& text : clipped)
        lines += "\"" + text.text + "\" needs " + std::to_string(text.needed) + " px, has " + std::to_string(text.room) + "\n";
    return lines;
}
