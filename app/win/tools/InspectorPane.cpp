// InspectorPane: the pane's visibility, width and the throttled reading of its rows.
#include "app/win/tools/InspectorPane.h"

#include "app/settings/Preferences.h"
#include "app/tools/InspectorValues.h"
#include "app/win/system/EditorControl.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/tools/TFrameInspector.h"
#include "app/win/ui/Dpi.h"
#include "app/win/ui/TApplication.h"
#include "app/win/ui/TForm.h"
#include "app/win/ui/TSplitter.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

namespace {

// What the pane leaves the control when it is shown in a narrow window.
constexpr int kControlMinWidth = 160;

} // namespace

InspectorPane::InspectorPane(TForm& window, TFrameInspector& frame, TSplitter& splitter, EditorControl& control,
                             Preferences& preferences, std::function<void(bool shown)> layoutChanged)
    : window_(window), frame_(frame), splitter_(splitter), control_(control), preferences_(preferences),
      layoutChanged_(std::move(layoutChanged))
{
    timer_.SetEnabled(false);
    timer_.SetInterval(Interval);
    timer_.OnTimer = [this] {
        timer_.SetEnabled(false);
        Refresh();
    };
    Application.OnIdle = [this] { Refresh(); };
}

InspectorPane::~InspectorPane()
{
    timer_.SetEnabled(false);
    Application.OnIdle = nullptr;
}

void InspectorPane::Toggle()
{
    Show(!frame_.Visible());
    control_.Focus();
}

void InspectorPane::Show(bool shown)
{
    preferences_.inspectorShown = shown;
    if (shown) {
        // A stored width wider than the window leaves the control a usable width.
        const RECT client = window_.ClientRect();
        const int widest = client.right - client.left - splitter_.Width() - window_.Scaled(kControlMinWidth);
        const int width = std::min(window_.Scaled(preferences_.inspectorWidth), widest);
        frame_.SetWidth(std::max(window_.Scaled(InspectorMinWidth), width));
    }
    frame_.SetVisible(shown);
    splitter_.SetVisible(shown);
    layoutChanged_(shown);
    stale_ = true;
    shownAt_ = 0;
    Refresh();
}

void InspectorPane::SplitterMoved()
{
    preferences_.inspectorWidth = MulDiv(frame_.Width(), DesignDpi, window_.Dpi());
}

void InspectorPane::Refresh()
{
    const HWND control = control_.Handle();
    if (!control || !frame_.Visible())
        return;
    const int64_t caret = control_.caretPos();
    const int64_t size = control_.dataSize();
    if (!stale_ && caret == caret_ && size == size_)
        return;
    const ULONGLONG now = GetTickCount64();
    if (now - shownAt_ < Interval) {
        // Started once: a restart with every key would hold the rows back while keys come.
        if (!timer_.Enabled())
            timer_.SetEnabled(true);
        return;
    }
    shownAt_ = now;
    stale_ = false;
    caret_ = caret;
    size_ = size;
    std::array<uint8_t, InspectorByteCount> bytes{};
    size_t count = 0;
    if (caret >= 0 && caret / 2 < size) {
        count = std::min<size_t>(InspectorByteCount, static_cast<size_t>(size - caret / 2));
        if (!Editor.QX_GetData64(control, bytes.data(), caret, static_cast<int64_t>(count)))
            count = 0;
    }
    frame_.ShowBytes(std::span(bytes.data(), count));
}
