// TControl: the base of every component with a window: handle, parent, bounds, alignment, colours, font, hint.
#include "app/win/ui/TControl.h"

#include "app/win/ui/TForm.h"

#include "common/AError.h"

#include <algorithm>
#include <utility>

namespace {

constexpr char kComponentProperty[] = "QuilletComponent";

} // namespace

TControl::TControl(std::string name) : name_(std::move(name)) {}

TControl::~TControl()
{
    if (form_ && form_ != this)
        form_->ForEach([this](TControl& control) {
            if (&control != this)
                control.Forget(this);
        });
    DestroyHandle();
    Detach();
    for (TControl* child : children_)
        child->parent_ = nullptr;
    if (brush_)
        DeleteObject(brush_);
}

void TControl::Detach() noexcept
{
    if (parent_) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        parent_ = nullptr;
    }
}

TControl* TControl::FromHandle(HWND window) noexcept
{
    return window ? static_cast<TControl*>(GetPropA(window, kComponentProperty)) : nullptr;
}

void TControl::AttachHandle(HWND window) noexcept
{
    handle_ = window;
    SetPropA(window, kComponentProperty, this);
}

void TControl::Create(TControl& parent)
{
    if (handle_)
        return;
    if (parent_ != &parent) {
        Detach();
        parent_ = &parent;
        parent.children_.push_back(this);
    }
    form_ = parent.form_;
    if (!id_ && form_)
        id_ = form_->NextControlId();
    const HWND window = CreateWindowHandle(parent.Handle(), id_);
    if (!window)
        throw ASystemError("CreateWindowEx");
    AttachHandle(window);
    ApplyFont();
    Created();
    if (!hint_.empty() && form_)
        form_->Hints().Add(*this);
    if (align_ != TAlign::None)
        parent.Realign();
}

void TControl::ForgetHandles() noexcept
{
    if (handle_ && IsWindow(handle_) && GetPropA(handle_, kComponentProperty) == this)
        RemovePropA(handle_, kComponentProperty);
    handle_ = nullptr;
    for (TControl* child : children_)
        child->ForgetHandles();
}

void TControl::DestroyHandle() noexcept
{
    const HWND window = handle_;
    const bool ours = window && IsWindow(window) && GetPropA(window, kComponentProperty) == this;
    ForgetHandles();
    if (ours)
        DestroyWindow(window);
}

HWND TControl::MakeWindow(const char* className, std::string_view text, DWORD style, DWORD exStyle, HWND parent,
                          int id)
{
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_)
        style |= WS_VISIBLE;
    if (!enabled_)
        style |= WS_DISABLED;
    if (tabStop_)
        style |= WS_TABSTOP;
    const std::string caption(text);
    return CreateWindowExA(exStyle, className, caption.c_str(), style, left_, top_, width_, height_, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                           nullptr);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    if (handle_)
        SetWindowPos(handle_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TControl::CacheBounds(int left, int top, int width, int height) noexcept
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

RECT TControl::ClientRect() const
{
    RECT rect{0, 0, width_, height_};
    if (handle_)
        GetClientRect(handle_, &rect);
    return rect;
}

RECT TControl::AlignRect() const { return ClientRect(); }

void TControl::Realign()
{
    if (!handle_)
        return;
    RECT area = AlignRect();
    const auto place = [&](TAlign kind) {
        for (TControl* child : children_) {
            if (child->align_ != kind || !child->visible_)
                continue;
            const int width = child->width_, height = child->height_;
            switch (kind) {
            case TAlign::Top:
                child->SetBounds(area.left, area.top, area.right - area.left, height);
                area.top += height;
                break;
            case TAlign::Bottom:
                area.bottom -= height;
                child->SetBounds(area.left, area.bottom, area.right - area.left, height);
                break;
            case TAlign::Left:
                child->SetBounds(area.left, area.top, width, area.bottom - area.top);
                area.left += width;
                break;
            case TAlign::Right:
                area.right -= width;
                child->SetBounds(area.right, area.top, width, area.bottom - area.top);
                break;
            case TAlign::Client:
                child->SetBounds(area.left, area.top, area.right - area.left, area.bottom - area.top);
                break;
            case TAlign::None:
                break;
            }
        }
    };
    for (TAlign kind : {TAlign::Top, TAlign::Bottom, TAlign::Left, TAlign::Right, TAlign::Client})
        place(kind);
}

void TControl::SetAlign(TAlign align)
{
    align_ = align;
    if (parent_)
        parent_->Realign();
}

void TControl::SetVisible(bool visible)
{
    visible_ = visible;
    if (handle_)
        ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
    if (parent_ && align_ != TAlign::None)
        parent_->Realign();
}

void TControl::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    if (handle_)
        EnableWindow(handle_, enabled ? TRUE : FALSE);
}

void TControl::SetTabStop(bool tabStop)
{
    tabStop_ = tabStop;
    if (handle_) {
        LONG_PTR style = GetWindowLongPtrA(handle_, GWL_STYLE);
        style = tabStop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
        SetWindowLongPtrA(handle_, GWL_STYLE, style);
    }
}

void TControl::SetFocus()
{
    if (handle_)
        ::SetFocus(handle_);
}

bool TControl::Focused() const
{
    const HWND focus = GetFocus();
    return handle_ && (focus == handle_ || IsChild(handle_, focus));
}

void TControl::SetHint(std::string hint)
{
    hint_ = std::move(hint);
    if (handle_ && form_)
        form_->Hints().Add(*this);
}

void TControl::SetColor(COLORREF color)
{
    color_ = color;
    if (handle_)
        InvalidateRect(handle_, nullptr, TRUE);
}

void TControl::SetFontColor(COLORREF color)
{
    fontColor_ = color;
    if (handle_)
        InvalidateRect(handle_, nullptr, TRUE);
}

COLORREF TControl::EffectiveColor() const
{
    for (const TControl* control = this; control; control = control->parent_)
        if (control->color_ != clNone)
            return control->color_;
    return GetSysColor(COLOR_BTNFACE);
}

COLORREF TControl::EffectiveFontColor() const
{
    for (const TControl* control = this; control; control = control->parent_)
        if (control->fontColor_ != clNone)
            return control->fontColor_;
    return GetSysColor(COLOR_BTNTEXT);
}

HBRUSH TControl::BackgroundBrush()
{
    const COLORREF color = EffectiveColor();
    if (!brush_ || brushColor_ != color) {
        if (brush_)
            DeleteObject(brush_);
        brush_ = CreateSolidBrush(color);
        brushColor_ = color;
    }
    return brush_;
}

void TControl::SetFont(const TFont& font)
{
    font_ = std::make_unique<TFont>(font);
    ForEach([](TControl& control) {
        if (control.handle_)
            control.ApplyFont();
    });
}

const TFont& TControl::Font() const
{
    for (const TControl* control = this; control; control = control->parent_)
        if (control->font_)
            return *control->font_;
    static const TFont fallback("ＭＳ Ｐゴシック", 12);
    return fallback;
}

void TControl::ChangeScale(int multiplier, int divisor)
{
    if (font_)
        font_ = std::make_unique<TFont>(font_->Face(), MulDiv(font_->Height(), multiplier, divisor),
                                        font_->CharSet());
    if (form_ != this)
        SetBounds(MulDiv(left_, multiplier, divisor), MulDiv(top_, multiplier, divisor),
                  MulDiv(width_, multiplier, divisor), MulDiv(height_, multiplier, divisor));
    for (TControl* child : children_)
        child->ChangeScale(multiplier, divisor);
    ApplyFont();
    // The children were placed by their old sizes when this control took its new one.
    Realign();
}

void TControl::ApplyFont()
{
    if (handle_)
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
}

void TControl::SetText(std::string_view text)
{
    text_ = text;
    if (handle_)
        SetWindowTextA(handle_, text_.c_str());
}

std::string TControl::Text() const
{
    if (!handle_)
        return text_;
    const int length = GetWindowTextLengthA(handle_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(handle_, text.data(), length + 1)));
    return text;
}

void TControl::SetWideText(std::wstring_view text)
{
    if (handle_)
        SetWindowTextW(handle_, std::wstring(text).c_str());
}

std::wstring TControl::WideText() const
{
    if (!handle_)
        return {};
    const int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), length + 1)));
    return text;
}

bool TControl::Command(WORD, WORD) { return false; }

bool TControl::FocusCommand(WORD code, WORD setFocusCode, WORD killFocusCode)
{
    if (code == setFocusCode) {
        if (OnEnter)
            OnEnter();
        return true;
    }
    if (code == killFocusCode) {
        if (OnExit)
            OnExit();
        return true;
    }
    return false;
}

bool TControl::Notify(NMHDR&, LRESULT&) { return false; }

HBRUSH TControl::CtlColor(HDC) { return nullptr; }

void TControl::Forget(TControl*) {}

void TControl::ShowHintChanged(bool) {}

void TControl::ForEach(const std::function<void(TControl&)>& visit)
{
    visit(*this);
    // The list may change while visiting (a handler creating a control): walk a copy.
    const std::vector<TControl*> children = children_;
    for (TControl* child : children)
        child->ForEach(visit);
}

bool TControl::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND:
        if (TControl* control = FromHandle(reinterpret_cast<HWND>(lParam))) {
            if (control->Command(HIWORD(wParam), LOWORD(wParam))) {
                result = 0;
                return true;
            }
        }
        return false;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (TControl* control = FromHandle(header->hwndFrom))
            return control->Notify(*header, result);
        return false;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (TControl* control = FromHandle(reinterpret_cast<HWND>(lParam))) {
            if (const HBRUSH brush = control->CtlColor(reinterpret_cast<HDC>(wParam))) {
                result = reinterpret_cast<LRESULT>(brush);
                return true;
            }
        }
        return false;
    default:
        return false;
    }
}
