// TFormVornalix: the data inspector pane beside the control.
#include "app/win/main/TFormVornalix.h"

#include "app/win/system/EditorLibrary.h"
#include "app/win/ui/TApplication.h"

#include <algorithm>
#include <array>

namespace {

// What the pane leaves the control when it is shown in a narrow window.
constexpr int kControlMinWidth = 160;

} // namespace

void TFormVornalix::SetUpInspector()
{
    TimerInspector.SetEnabled(false);
    TimerInspector.SetInterval(InspectorInterval);
    TimerInspector.OnTimer = [this] {
        TimerInspector.SetEnabled(false);
        RefreshInspector();
    };
    Application.OnIdle = [this] { RefreshInspector(); };
}

void TFormVornalix::ActionToolInspectorExecute(TAction&)
{
    ShowInspector(!FrameInspector.Visible());
    FocusControl();
}

void TFormVornalix::ShowInspector(bool shown)
{
    Preferences.inspectorShown = shown;
    if (shown) {
        // A stored width wider than the window leaves the control a usable width.
        const RECT client = ClientRect();
        const int widest = client.right - client.left - SplitterInspector.Width() - Scaled(kControlMinWidth);
        const int width = std::min(Scaled(Preferences.inspectorWidth), widest);
        FrameInspector.SetWidth(std::max(Scaled(InspectorMinWidth), width));
    }
    FrameInspector.SetVisible(shown);
    SplitterInspector.SetVisible(shown);
    MenuItem("MenuToolInspector").SetChecked(shown);
    Realign();
    FormResize();
    inspectorStale_ = true;
    inspectorShownAt_ = 0;
    RefreshInspector();
}

void TFormVornalix::RefreshInspector()
{
    if (!ControlHandle || !FrameInspector.Visible())
        return;
    const int caret = Editor.QX_GetCaretPos(ControlHandle);
    const int size = Editor.QX_GetDataSize(ControlHandle);
    if (!inspectorStale_ && caret == inspectorCaret_ && size == inspectorSize_)
        return;
    const ULONGLONG now = GetTickCount64();
    if (now - inspectorShownAt_ < InspectorInterval) {
        // Started once: a restart with every key would hold the rows back while keys come.
        if (!TimerInspector.Enabled())
            TimerInspector.SetEnabled(true);
        return;
    }
    inspectorShownAt_ = now;
    inspectorStale_ = false;
    inspectorCaret_ = caret;
    inspectorSize_ = size;
    std::array<uint8_t, InspectorByteCount> bytes{};
    size_t count = 0;
    if (caret >= 0 && caret / 2 < size) {
        count = std::min<size_t>(InspectorByteCount, static_cast<size_t>(size - caret / 2));
        if (!Editor.QX_GetData(ControlHandle, bytes.data(), caret, static_cast<int>(count)))
            count = 0;
    }
    FrameInspector.ShowBytes(std::span(bytes.data(), count));
}
