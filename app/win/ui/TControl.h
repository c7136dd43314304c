// TControl: the base of every component with a window: handle, parent, bounds, alignment, colours, font, hint.
#pragma once
#include "app/win/ui/TFont.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TForm;

// How a control fills its parent: aligned controls are laid out in the order top, bottom,
// left, right, client, each kind in creation order; None keeps its own bounds.
enum class TAlign { None, Top, Bottom, Left, Right, Client };

// No colour of its own: the control shows its parent's.
inline constexpr COLORREF clNone = CLR_INVALID;

// Components are members of their form; the properties are set before Create and may be
// changed afterwards. The window holds a property pointing back at its component, so the
// parent's window procedure hands WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR... to the
// component that sent them (Command, Notify, CtlColor).
class TControl {
public:
    explicit TControl(std::string name);
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    [[nodiscard]] const std::string& Name() const noexcept { return name_; }
    [[nodiscard]] HWND Handle() const noexcept { return handle_; }
    [[nodiscard]] TControl* Parent() const noexcept { return parent_; }
    [[nodiscard]] TForm* Form() const noexcept { return form_; }
    [[nodiscard]] int Id() const noexcept { return id_; }

    // Makes the window as a child of `parent`, which must have its window already.
    void Create(TControl& parent);
    // Destroys the window with its children's; the components stay and may be created again.
    virtual void DestroyHandle() noexcept;

    virtual void SetBounds(int left, int top, int width, int height);
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    [[nodiscard]] int Left() const noexcept { return left_; }
    [[nodiscard]] int Top() const noexcept { return top_; }
    [[nodiscard]] int Width() const noexcept { return width_; }
    [[nodiscard]] int Height() const noexcept { return height_; }
    [[nodiscard]] RECT ClientRect() const;

    void SetAlign(TAlign align);
    [[nodiscard]] TAlign Align() const noexcept { return align_; }
    virtual void SetVisible(bool visible);
    [[nodiscard]] bool Visible() const noexcept { return visible_; }
    virtual void SetEnabled(bool enabled);
    [[nodiscard]] bool Enabled() const noexcept { return enabled_; }
    void SetTabStop(bool tabStop);
    void SetFocus();
    [[nodiscard]] bool Focused() const;

    void SetHint(std::string hint);
    [[nodiscard]] const std::string& Hint() const noexcept { return hint_; }

    // Background and text colours; clNone takes the parent's (at the top, the system's).
    void SetColor(COLORREF color);
    void SetFontColor(COLORREF color);
    [[nodiscard]] COLORREF EffectiveColor() const;
    [[nodiscard]] COLORREF EffectiveFontColor() const;
    // A font of its own; otherwise the parent's.
    void SetFont(const TFont& font);
    [[nodiscard]] const TFont& Font() const;

    virtual void SetText(std::string_view text);
    [[nodiscard]] virtual std::string Text() const;
    // The text in UTF-16, for names of any script; once the window exists.
    void SetWideText(std::wstring_view text);
    [[nodiscard]] std::wstring WideText() const;

    // The keyboard focus came into the control, or left it.
    std::function<void()> OnEnter;
    std::function<void()> OnExit;

    // A notification of this control, reflected from its parent; true when handled.
    virtual bool Command(WORD code, WORD id);
    virtual bool Notify(NMHDR& header, LRESULT& result);
    // The colours of a standard control; null leaves the system's.
    virtual HBRUSH CtlColor(HDC dc);
    // The focus moved within the form.
    virtual void FocusMoved() {}
    // `gone` is being destroyed: drop every reference to it.
    virtual void Forget(TControl* gone);
    // The form's show-hint flag changed.
    virtual void ShowHintChanged(bool show);

    [[nodiscard]] static TControl* FromHandle(HWND window) noexcept;
    [[nodiscard]] const std::vector<TControl*>& Children() const noexcept { return children_; }
    // This control and every descendant, parents first.
    void ForEach(const std::function<void(TControl&)>& visit);

    // Lays out the aligned children in AlignRect.
    void Realign();
    // A change of DPI: bounds, own font and whatever else is measured in pixels are scaled by
    // multiplier / divisor, and so are the children's.
    virtual void ChangeScale(int multiplier, int divisor);

protected:
    // Makes the control's window; MakeWindow does the common part.
    virtual HWND CreateWindowHandle(HWND parent, int id) = 0;
    // The window exists and knows its component.
    virtual void Created() {}
    // The area aligned children share (the client area; panels leave out their bevels).
    [[nodiscard]] virtual RECT AlignRect() const;
    // The font was set or inherited anew.
    virtual void ApplyFont();
    // A window of the class with the control's bounds, visibility, enabling and tab stop.
    HWND MakeWindow(const char* className, std::string_view text, DWORD style, DWORD exStyle, HWND parent,
                    int id);
    // A brush of the effective background colour, kept until the colour changes.
    HBRUSH BackgroundBrush();
    // Runs OnEnter or OnExit for the control's own focus notifications; false for any other code.
    bool FocusCommand(WORD code, WORD setFocusCode, WORD killFocusCode);
    // For containers' window procedures: hands a child's notification to its component.
    static bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // A form is its own form.
    void BecomeForm(TForm* form) noexcept { form_ = form; }
    void AttachHandle(HWND window) noexcept;
    // The bounds as the window has them now, without moving it.
    void CacheBounds(int left, int top, int width, int height) noexcept;

    std::string text_;

private:
    void Detach() noexcept;
    void ForgetHandles() noexcept;

    std::string name_;
    HWND handle_ = nullptr;
    TControl* parent_ = nullptr;
    TForm* form_ = nullptr;
    std::vector<TControl*> children_;
    int id_ = 0;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = TAlign::None;
    bool visible_ = true;
    bool enabled_ = true;
    bool tabStop_ = false;
    std::string hint_;
    COLORREF color_ = clNone;
    COLORREF fontColor_ = clNone;
    std::unique_ptr<TFont> font_;
    HBRUSH brush_ = nullptr;
    COLORREF brushColor_ = clNone;
};
