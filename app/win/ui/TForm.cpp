// TForm: a top-level window holding components, with handlers named after its events and a modal loop.
#include "app/win/ui/TForm.h"

#include "app/win/ui/TActionList.h"
#include "app/win/ui/TApplication.h"
#include "app/win/ui/TButton.h"
#include "app/win/ui/Dpi.h"
#include "app/win/ui/TMenu.h"

#include "common/AError.h"

#include <set>
#include <utility>

namespace {

bool RegisterFormClass(const std::string& name, WNDPROC procedure)
{
    static std::set<std::string> registered;
    if (registered.count(name))
        return true;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = LoadIconA(windowClass.hInstance, MAKEINTRESOURCEA(1));
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = name.c_str();
    if (!RegisterClassExA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return false;
    registered.insert(name);
    return true;
}

struct DisabledWindows {
    HWND keep;
    std::vector<HWND> windows;
};

BOOL CALLBACK DisableWindow(HWND window, LPARAM param)
{
    auto& disabled = *reinterpret_cast<DisabledWindows*>(param);
    if (window != disabled.keep && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        disabled.windows.push_back(window);
    }
    return TRUE;
}

} // namespace

TForm::TForm(std::string className, HWND owner) : TControl(className), className_(std::move(className)), owner_(owner)
{
    BecomeForm(this);
    SetFont(TFont("ＭＳ Ｐゴシック", 15));
}

TForm::~TForm()
{
    hints_.Destroy();
    DestroyHandle();
}

void TForm::DestroyHandle() noexcept
{
    if (Handle() && IsWindow(Handle())) {
        // The menu bar belongs to its TMainMenu, not to the window.
        ::SetMenu(Handle(), nullptr);
        DestroyWindow(Handle());
    }
    TControl::DestroyHandle();
}

void TForm::Forget(TControl* gone)
{
    if (defaultButton_ == gone)
        defaultButton_ = nullptr;
    if (cancelButton_ == gone)
        cancelButton_ = nullptr;
    if (activeControl_ == gone)
        activeControl_ = nullptr;
}

DWORD TForm::Style() const noexcept
{
    switch (borderStyle_) {
    case TBorderStyle::Sizeable: return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    case TBorderStyle::Dialog:
        return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (minimizeBox_ ? WS_MINIMIZEBOX : 0);
    case TBorderStyle::Single:
        return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (minimizeBox_ ? WS_MINIMIZEBOX : 0);
    case TBorderStyle::None: return WS_POPUP | WS_CLIPCHILDREN;
    }
    return WS_OVERLAPPEDWINDOW;
}

DWORD TForm::ExStyle() const noexcept
{
    return WS_EX_CONTROLPARENT | (borderStyle_ == TBorderStyle::Dialog ? WS_EX_DLGMODALFRAME : 0);
}

SIZE TForm::FrameSize(int clientWidth, int clientHeight) const
{
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, Style(), menu_ != nullptr, ExStyle());
    return {frame.right - frame.left, frame.bottom - frame.top};
}

void TForm::SetBounds(int left, int top, int width, int height)
{
    positioned_ = true;
    TControl::SetBounds(left, top, width, height);
}

void TForm::SetClientSize(int width, int height)
{
    clientWidth_ = width;
    clientHeight_ = height;
    if (!Handle())
        return;
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_STYLE)), GetMenu(Handle()) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrA(Handle(), GWL_EXSTYLE)));
    SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TForm::ClientWidth() const
{
    return Handle() ? static_cast<int>(ClientRect().right) : clientWidth_;
}

int TForm::ClientHeight() const
{
    return Handle() ? static_cast<int>(ClientRect().bottom) : clientHeight_;
}

void TForm::SetMinSize(int width, int height) noexcept { minSize_ = {width, height}; }

void TForm::ChangeScale(int multiplier, int divisor)
{
    clientWidth_ = MulDiv(clientWidth_, multiplier, divisor);
    clientHeight_ = MulDiv(clientHeight_, multiplier, divisor);
    minSize_ = {MulDiv(minSize_.cx, multiplier, divisor), MulDiv(minSize_.cy, multiplier, divisor)};
    TControl::ChangeScale(multiplier, divisor);
}

void TForm::SetMenu(TMainMenu& menu)
{
    menu_ = &menu;
    if (Handle()) {
        ::SetMenu(Handle(), menu.Handle());
        menu.SetWindow(Handle());
    }
}

void TForm::SetShowHint(bool show)
{
    hints_.Activate(show);
    ForEach([show](TControl& control) { control.ShowHintChanged(show); });
}

HWND TForm::CreateWindowHandle(HWND, int)
{
    if (!RegisterFormClass(className_, FormProc))
        return nullptr;
    const SIZE frame = FrameSize(clientWidth_, clientHeight_);
    const int width = positioned_ ? Width() : frame.cx;
    const int height = positioned_ ? Height() : frame.cy;
    const int left = positioned_ ? Left() : CW_USEDEFAULT;
    const int top = positioned_ ? Top() : CW_USEDEFAULT;
    const std::string caption = Text();
    return CreateWindowExA(ExStyle(), className_.c_str(), caption.c_str(), Style(), left, top, width, height, owner_,
                           menu_ ? menu_->Handle() : nullptr, GetModuleHandleA(nullptr), this);
}

void TForm::HandleNeeded()
{
    if (Handle())
        return;
    if (!CreateWindowHandle(nullptr, 0))
        throw ASystemError("CreateWindowEx");
    if (menu_)
        menu_->SetWindow(Handle());
    ApplyFont();
    hints_.Create(Handle());
    CreateComponents();
    // Components are laid out for 96 DPI; a window on another monitor takes them to its own.
    if (const int dpi = WindowDpi(Handle()); dpi != dpi_) {
        ChangeScale(dpi, dpi_);
        dpi_ = dpi;
        if (clientWidth_ > 0 && clientHeight_ > 0)
            SetClientSize(clientWidth_, clientHeight_);
    }
    Realign();
    created_ = true;
    FormCreate();
    Realign();
    FormResize();
}

void TForm::Show(int showCommand)
{
    HandleNeeded();
    if (showCommand == SW_SHOW || showCommand == SW_SHOWNORMAL || showCommand == SW_SHOWDEFAULT) {
        if (windowState_ == TWindowState::Maximized)
            showCommand = SW_SHOWMAXIMIZED;
        else if (windowState_ == TWindowState::Minimized)
            showCommand = SW_SHOWMINIMIZED;
    }
    ShowWindow(Handle(), showCommand);
    UpdateWindow(Handle());
}

void TForm::SetWindowState(TWindowState state)
{
    windowState_ = state;
    if (Handle() && IsWindowVisible(Handle()))
        ShowWindow(Handle(), state == TWindowState::Maximized   ? SW_MAXIMIZE
                             : state == TWindowState::Minimized ? SW_MINIMIZE
                                                                : SW_RESTORE);
}

TWindowState TForm::WindowState() const
{
    if (!Handle() || !IsWindowVisible(Handle()))
        return windowState_;
    if (IsIconic(Handle()))
        return TWindowState::Minimized;
    return IsZoomed(Handle()) ? TWindowState::Maximized : TWindowState::Normal;
}

void TForm::Hide()
{
    if (Handle())
        ShowWindow(Handle(), SW_HIDE);
}

void TForm::Close()
{
    if (!Handle())
        return;
    if (modal_) {
        if (modalResult_ == mrNone)
            modalResult_ = mrCancel;
        return;
    }
    bool canClose = true;
    FormCloseQuery(canClose);
    if (!canClose)
        return;
    FormClose();
    if (Application.MainForm() == this)
        DestroyHandle();
    else
        Hide();
}

int TForm::ShowModal()
{
    HandleNeeded();
    // A collapse effect played when the form was last left leaves a region behind.
    SetWindowRgn(Handle(), nullptr, FALSE);
    const HWND previousActive = GetActiveWindow();
    DisabledWindows disabled{Handle(), {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&disabled));
    modalResult_ = mrNone;
    modal_ = true;
    lastFocus_ = nullptr;
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    SetActiveWindow(Handle());
    RestoreFocus();
    bool quit = false;
    WPARAM quitCode = 0;
    for (;;) {
        if (modalResult_ != mrNone) {
            bool canClose = true;
            FormCloseQuery(canClose);
            if (canClose)
                break;
            modalResult_ = mrNone;
        }
        MSG message;
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
            quit = true;
            quitCode = message.wParam;
            modalResult_ = mrCancel;
            break;
        }
        Application.ProcessMessage(message);
    }
    FormClose();
    for (HWND window : disabled.windows)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
    if (previousActive && IsWindow(previousActive))
        SetActiveWindow(previousActive);
    Hide();
    modal_ = false;
    if (quit)
        PostQuitMessage(static_cast<int>(quitCode));
    return modalResult_;
}

TForm* TForm::FormOf(HWND window) noexcept
{
    if (!window)
        return nullptr;
    return dynamic_cast<TForm*>(TControl::FromHandle(GetAncestor(window, GA_ROOT)));
}

bool TForm::PreTranslateMessage(MSG& message)
{
    if (actions_ && (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) &&
        actions_->IsShortcut(KeyShortcut(message.wParam)))
        return true;
    return dialogKeys_ && IsDialogMessageA(Handle(), &message);
}

bool TForm::FormMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void TForm::RestoreFocus()
{
    if (lastFocus_ && IsWindow(lastFocus_) && IsChild(Handle(), lastFocus_) && IsWindowEnabled(lastFocus_)) {
        ::SetFocus(lastFocus_);
        return;
    }
    if (activeControl_ && activeControl_->Handle() && IsWindowVisible(activeControl_->Handle())) {
        activeControl_->SetFocus();
        return;
    }
    if (const HWND first = GetNextDlgTabItem(Handle(), nullptr, FALSE))
        ::SetFocus(first);
}

bool TForm::Command(WPARAM wParam, LPARAM lParam)
{
    LRESULT ignored = 0;
    if (lParam)
        return Reflect(WM_COMMAND, wParam, lParam, ignored);
    const WORD id = LOWORD(wParam);
    if (HIWORD(wParam) == 0 && menu_ && menu_->Dispatch(id))
        return true;
    // Enter and Esc as IsDialogMessage reports them.
    if (defaultButton_ && (id == IDOK || id == defaultButton_->Id())) {
        if (defaultButton_->Enabled() && defaultButton_->Visible())
            defaultButton_->Click();
        return true;
    }
    if (id == IDCANCEL) {
        if (cancelButton_ && cancelButton_->Enabled())
            cancelButton_->Click();
        return true;
    }
    return false;
}

LRESULT CALLBACK TForm::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* form = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->AttachHandle(window);
    }
    auto* form = dynamic_cast<TForm*>(TControl::FromHandle(window));
    if (!form)
        return DefWindowProcA(window, message, wParam, lParam);
    try {
        return form->Dispatch(message, wParam, lParam);
    } catch (...) {
        Application.HandleException(window);
        return 0;
    }
}

LRESULT TForm::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND window = Handle();
    LRESULT result = 0;
    if (created_ && FormMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_COMMAND:
        if (Command(wParam, lParam))
            return 0;
        break;
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (Reflect(message, wParam, lParam, result))
            return result;
        break;
    case WM_INITMENUPOPUP:
        if (menu_)
            menu_->Popup(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, BackgroundBrush());
        return 1;
    }
    case WM_WINDOWPOSCHANGED: {
        RECT frame;
        GetWindowRect(window, &frame);
        CacheBounds(frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top);
        break;
    }
    case WM_SIZE:
        if (created_) {
            Realign();
            FormResize();
        }
        return 0;
    case WM_DPICHANGED: {
        // Moved to a monitor of another DPI: the components follow, the window takes the
        // size the system suggests.
        if (const int dpi = HIWORD(wParam); created_ && dpi != dpi_) {
            ChangeScale(dpi, dpi_);
            dpi_ = dpi;
        }
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        Realign();
        return 0;
    }
    case WM_GETMINMAXINFO:
        if (minSize_.cx || minSize_.cy) {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize.x = minSize_.cx;
            info->ptMinTrackSize.y = minSize_.cy;
            return 0;
        }
        break;
    case WM_SHOWWINDOW:
        if (wParam && created_)
            FormShow();
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(window, focus))
                lastFocus_ = focus;
        } else if (!HIWORD(wParam)) {
            RestoreFocus();
        }
        return 0;
    case WM_SETFOCUS:
        RestoreFocus();
        return 0;
    case DM_GETDEFID:
        if (defaultButton_)
            return MAKELRESULT(defaultButton_->Id(), DC_HASDEFID);
        return 0;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_DESTROY:
        if (created_)
            FormDestroy();
        created_ = false;
        if (Application.MainForm() == this)
            PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
