// InspectorPane: the data inspector pane beside the control: shown or hidden, sized by its splitter, its rows following the caret.
#pragma once
#include "app/win/ui/TTimer.h"

#include <windows.h>

#include <cstdint>
#include <functional>

class EditorControl;
class TForm;
class TFrameInspector;
class TSplitter;
struct Preferences;

// The rows are read when the message queue goes idle, and only when the caret, the data size
// or the data (DataChanged) changed since they were shown. They change at most once per
// Interval: a change sooner than that is shown by a timer at the interval's end, so held or
// fast keys do not wait for the pane.
class InspectorPane {
public:
    // The shortest time between two changes of the rows, in milliseconds.
    static constexpr unsigned Interval = 40;

    // The pane is `frame`, sized by `splitter` at its left, both the window's components. It
    // follows and records the preferences' inspectorShown and inspectorWidth. `layoutChanged`
    // runs after the pane was shown or hidden, with whether it is shown now.
    InspectorPane(TForm& window, TFrameInspector& frame, TSplitter& splitter, EditorControl& control,
                  Preferences& preferences, std::function<void(bool shown)> layoutChanged);
    ~InspectorPane();
    InspectorPane(const InspectorPane&) = delete;
    InspectorPane& operator=(const InspectorPane&) = delete;

    // ActionToolInspector: shown when hidden and hidden when shown.
    void Toggle();
    // The pane shown or hidden, with a stored width that leaves the control a usable width.
    void Show(bool shown);
    // The control's data changed: the rows are read again even at the same caret and size.
    void DataChanged() noexcept { stale_ = true; }
    // The splitter was dragged: the pane's width is recorded at 96 DPI.
    void SplitterMoved();

private:
    void Refresh();

    TForm& window_;
    TFrameInspector& frame_;
    TSplitter& splitter_;
    EditorControl& control_;
    Preferences& preferences_;
    std::function<void(bool shown)> layoutChanged_;
    TTimer timer_;
    // What the rows show: the caret and data size they were read at; stale after a change of
    // the data.
    int64_t caret_ = -1;
    int64_t size_ = -1;
    bool stale_ = true;
    ULONGLONG shownAt_ = 0;  // GetTickCount64 of the rows' last change
};
