// TForm: a top-level window holding components, with handlers named after its events and a modal loop.
#pragma once
#include "app/win/ui/TControl.h"
#include "app/win/ui/TToolTips.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

class TActionList;
class TButton;
class TMainMenu;

// The value a modal form returns: the button that closed it.
enum TModalResult : int {
    mrNone = 0,
    mrOk = IDOK,
    mrCancel = IDCANCEL,
    mrAbort = IDABORT,
    mrRetry = IDRETRY,
    mrIgnore = IDIGNORE,
    mrYes = IDYES,
    mrNo = IDNO,
};

// Normal, minimised to the task bar, or filling the screen.
enum class TWindowState { Normal, Minimized, Maximized };

enum class TBorderStyle {
    Sizeable,  // caption, all buttons, resizable border
    Dialog,    // dialog frame, only the system-menu button
    Single,    // single fixed border, only the system-menu button
    None,      // no caption or border
};

// A form is written as a subclass: its components are members, CreateComponents sets them up
// and creates them, and it overrides the handlers it needs. The window is made on first use
// (HandleNeeded, Show, ShowModal); `this` is stored at WM_NCCREATE. A subclass's destructor
// should call DestroyHandle first, so no handler runs while its members are going away.
class TForm : public TControl {
public:
    // `className` names the window class of this kind of form ("TFormVornalix").
    explicit TForm(std::string className, HWND owner = nullptr);
    ~TForm() override;

    void SetCaption(std::string_view caption) { SetText(caption); }
    [[nodiscard]] std::string Caption() const { return Text(); }
    // Screen position and window size; a form never given them is placed by the system.
    void SetBounds(int left, int top, int width, int height) override;
    void SetClientSize(int width, int height);
    [[nodiscard]] int ClientWidth() const;
    [[nodiscard]] int ClientHeight() const;
    // The smallest window size the user can drag the form to.
    void SetMinSize(int width, int height) noexcept;
    void SetBorderStyle(TBorderStyle style) noexcept { borderStyle_ = style; }
    // A minimise button beside the system-menu button of a dialog or single border.
    void SetMinimizeBox(bool on) noexcept { minimizeBox_ = on; }
    void SetOwner(HWND owner) noexcept { owner_ = owner; }
    [[nodiscard]] HWND Owner() const noexcept { return owner_; }
    void SetMenu(TMainMenu& menu);
    [[nodiscard]] TMainMenu* Menu() const noexcept { return menu_; }
    // The action list whose shortcuts the form runs before its controls see the keys.
    void SetActionList(TActionList& actions) noexcept { actions_ = &actions; }
    // Tab, Enter and Esc move between the controls and press the default and cancel buttons.
    void SetDialogKeys(bool on) noexcept { dialogKeys_ = on; }

    void SetShowHint(bool show);
    [[nodiscard]] bool ShowHint() const noexcept { return hints_.Active(); }
    [[nodiscard]] TToolTips& Hints() noexcept { return hints_; }

    void SetDefaultButton(TButton* button) noexcept { defaultButton_ = button; }
    void SetCancelButton(TButton* button) noexcept { cancelButton_ = button; }
    [[nodiscard]] TButton* DefaultButton() const noexcept { return defaultButton_; }
    [[nodiscard]] TButton* CancelButton() const noexcept { return cancelButton_; }
    // The control that has the focus when the form is first shown.
    void SetActiveControl(TControl* control) noexcept { activeControl_ = control; }

    // Makes the window and the components and runs FormCreate, once.
    void HandleNeeded();
    // Shows the window with the show command (SW_SHOW, SW_SHOWMAXIMIZED, ...). A plain show
    // (SW_SHOW, SW_SHOWNORMAL, SW_SHOWDEFAULT) shows it in its WindowState.
    void Show(int showCommand = SW_SHOW);
    // Set while hidden, it is the state the next plain show gives; set while shown, it applies
    // at once. Read while shown, the window's own state.
    void SetWindowState(TWindowState state);
    [[nodiscard]] TWindowState WindowState() const;
    void Hide();
    // Asks FormCloseQuery; a modal form then ends its loop with mrCancel (unless a result is
    // set already), the main form is destroyed, another form hidden.
    void Close();
    // Shows the form with every other window of the thread disabled and runs its own message
    // loop until a modal result is set and FormCloseQuery agrees; returns the result.
    int ShowModal();
    void SetModalResult(int result) noexcept { modalResult_ = result; }
    [[nodiscard]] int ModalResult() const noexcept { return modalResult_; }
    [[nodiscard]] bool Modal() const noexcept { return modal_; }

    [[nodiscard]] int NextControlId() noexcept { return nextControlId_++; }
    // The DPI the form is laid out for; lengths given for 96 DPI scaled to it.
    [[nodiscard]] int Dpi() const noexcept { return dpi_; }
    [[nodiscard]] int Scaled(int designPixels) const noexcept { return MulDiv(designPixels, dpi_, 96); }
    void ChangeScale(int multiplier, int divisor) override;
    // The form whose window is the top-level ancestor of `window`.
    [[nodiscard]] static TForm* FormOf(HWND window) noexcept;
    // Shortcuts of the action list, then dialog keys; true when the message was taken.
    virtual bool PreTranslateMessage(MSG& message);

    void Forget(TControl* gone) override;
    // Destroys the window (its handlers run while the components still know their windows).
    void DestroyHandle() noexcept override;

protected:
    // Sets up the components and creates them as children of the form.
    virtual void CreateComponents() {}
    virtual void FormCreate() {}
    virtual void FormShow() {}
    virtual void FormResize() {}
    virtual void FormCloseQuery(bool& canClose) { (void)canClose; }
    virtual void FormClose() {}
    virtual void FormDestroy() {}
    // Any other message, before the toolkit's handling; true when handled.
    virtual bool FormMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND CreateWindowHandle(HWND parent, int id) override;

private:
    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool Command(WPARAM wParam, LPARAM lParam);
    void RestoreFocus();
    [[nodiscard]] DWORD Style() const noexcept;
    [[nodiscard]] DWORD ExStyle() const noexcept;
    [[nodiscard]] SIZE FrameSize(int clientWidth, int clientHeight) const;

    std::string className_;
    HWND owner_ = nullptr;
    TBorderStyle borderStyle_ = TBorderStyle::Sizeable;
    bool minimizeBox_ = false;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool positioned_ = false;
    TWindowState windowState_ = TWindowState::Normal;
    SIZE minSize_{0, 0};
    TMainMenu* menu_ = nullptr;
    TActionList* actions_ = nullptr;
    bool dialogKeys_ = true;
    TToolTips hints_;
    TButton* defaultButton_ = nullptr;
    TButton* cancelButton_ = nullptr;
    TControl* activeControl_ = nullptr;
    HWND lastFocus_ = nullptr;
    int modalResult_ = mrNone;
    bool modal_ = false;
    bool created_ = false;
    int nextControlId_ = 100;
    int dpi_ = 96;
};
