// TPanel: a container with a background colour and raised or lowered bevels; TFrame, a panel built by a class.
#include "app/win/ui/TPanel.h"

#include "app/win/ui/TApplication.h"

namespace {

constexpr char kPanelClass[] = "TPanel";

UINT EdgeOf(TBevel bevel, bool outer) noexcept
{
    if (bevel == TBevel::Raised)
        return outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
    if (bevel == TBevel::Lowered)
        return outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
    return 0;
}

} // namespace

void TPanel::SetBevelOuter(TBevel bevel)
{
    outer_ = bevel;
    if (Handle()) {
        InvalidateRect(Handle(), nullptr, TRUE);
        Realign();
    }
}

void TPanel::SetBevelInner(TBevel bevel)
{
    inner_ = bevel;
    if (Handle()) {
        InvalidateRect(Handle(), nullptr, TRUE);
        Realign();
    }
}

int TPanel::BevelWidth() const noexcept
{
    return (outer_ != TBevel::None ? 1 : 0) + (inner_ != TBevel::None ? 1 : 0);
}

HWND TPanel::CreateWindowHandle(HWND parent, int id)
{
    static const bool registered = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = PanelProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        windowClass.lpszClassName = kPanelClass;
        return RegisterClassExA(&windowClass) != 0;
    }();
    if (!registered)
        return nullptr;
    return MakeWindow(kPanelClass, text_, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, parent, id);
}

RECT TPanel::AlignRect() const
{
    RECT area = ClientRect();
    const int bevel = BevelWidth();
    InflateRect(&area, -bevel, -bevel);
    return area;
}

bool TPanel::PanelMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void TPanel::Paint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(Handle(), &paint);
    RECT area = ClientRect();
    if (outer_ != TBevel::None) {
        DrawEdge(dc, &area, EdgeOf(outer_, true), BF_RECT);
        InflateRect(&area, -1, -1);
    }
    if (inner_ != TBevel::None)
        DrawEdge(dc, &area, EdgeOf(inner_, false), BF_RECT);
    EndPaint(Handle(), &paint);
}

LRESULT CALLBACK TPanel::PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* panel = dynamic_cast<TPanel*>(TControl::FromHandle(window));
    if (!panel)
        return DefWindowProcA(window, message, wParam, lParam);
    try {
        return panel->Dispatch(message, wParam, lParam);
    } catch (...) {
        Application.HandleException(window);
        return 0;
    }
}

LRESULT TPanel::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (PanelMessage(message, wParam, lParam, result))
        return result;
    if (Reflect(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_ERASEBKGND: {
        // Transparent children (a flat tool bar) have their background painted this way too.
        RECT area = ClientRect();
        FillRect(reinterpret_cast<HDC>(wParam), &area, BackgroundBrush());
        return 1;
    }
    case WM_PAINT:
        Paint();
        return 0;
    case WM_SIZE:
        Realign();
        InvalidateRect(Handle(), nullptr, TRUE);
        return 0;
    case WM_LBUTTONDOWN:
        if (OnEnter)
            ::SetFocus(Handle());
        return 0;
    case WM_SETFOCUS:
        if (OnEnter)
            OnEnter();
        return 0;
    case WM_KILLFOCUS:
        if (OnExit)
            OnExit();
        return 0;
    default:
        return DefWindowProcA(Handle(), message, wParam, lParam);
    }
}
