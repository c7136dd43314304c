// TPanel: a container with a background colour and raised or lowered bevels; TFrame, a panel built by a class.
#pragma once
#include "app/win/ui/TControl.h"

enum class TBevel { None, Lowered, Raised };

// The bevels are drawn inside the panel, the outer one at its edge and the inner one within
// it; children aligned in the panel stay inside them. A panel takes the focus only to pass it
// on: OnEnter runs when it receives it (a click on the panel gives it).
class TPanel : public TControl {
public:
    using TControl::TControl;

    void SetBevelOuter(TBevel bevel);
    void SetBevelInner(TBevel bevel);
    [[nodiscard]] int BevelWidth() const noexcept;

protected:
    HWND CreateWindowHandle(HWND parent, int id) override;
    [[nodiscard]] RECT AlignRect() const override;
    // Any message of the panel's window before the panel's handling; true when handled.
    virtual bool PanelMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    static LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    TBevel outer_ = TBevel::None;
    TBevel inner_ = TBevel::None;
};

// A group of components written as a class, like a form but placed inside one: a subclass
// keeps them as members and sets them up in CreateComponents, which runs once its window exists.
class TFrame : public TPanel {
public:
    using TPanel::TPanel;

protected:
    virtual void CreateComponents() {}
    void Created() override { CreateComponents(); }
};
