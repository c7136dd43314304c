// TLabel: a static text; with a focus control it focuses it on a click and shows whether it has the focus.
#include "app/win/ui/TLabel.h"

#include "app/win/ui/DialogLook.h"

HWND TLabel::CreateWindowHandle(HWND parent, int id)
{
    DWORD style = SS_NOTIFY;
    if (alignment_ == TTextAlign::Center)
        style |= SS_CENTER;
    else if (alignment_ == TTextAlign::Right)
        style |= SS_RIGHT;
    const HWND window = MakeWindow("STATIC", text_, style, 0, parent, id);
    return window;
}

void TLabel::ApplyFont()
{
    if (!Handle())
        return;
    shownHighlighted_ = Highlighted();
    const HFONT font = shownHighlighted_ ? Font().UnderlinedHandle() : Font().Handle();
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    FitText();
}

void TLabel::FitText()
{
    if (!autoSize_ || !Handle())
        return;
    const HDC dc = GetDC(Handle());
    const HGDIOBJ old = SelectObject(dc, Font().Handle());
    RECT box{0, 0, 0, 0};
    const std::string text = text_.empty() ? std::string(" ") : text_;
    DrawTextA(dc, text.c_str(), -1, &box, DT_CALCRECT | DT_LEFT);
    SelectObject(dc, old);
    ReleaseDC(Handle(), dc);
    SetBounds(Left(), Top(), box.right, box.bottom);
}

void TLabel::SetText(std::string_view text)
{
    TControl::SetText(text);
    FitText();
}

void TLabel::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    FitText();
}

void TLabel::SetFocusControl(TControl* control, bool focusLook)
{
    focusControl_ = control;
    focusLook_ = control && focusLook;
    FocusMoved();
}

bool TLabel::Highlighted() const
{
    return focusLook_ && focusControl_ && focusControl_->Focused();
}

void TLabel::FocusMoved()
{
    if (Handle() && Highlighted() != shownHighlighted_) {
        ApplyFont();
        InvalidateRect(Handle(), nullptr, TRUE);
    }
}

void TLabel::Forget(TControl* gone)
{
    if (focusControl_ == gone)
        focusControl_ = nullptr;
}

bool TLabel::Command(WORD code, WORD)
{
    if (code != STN_CLICKED)
        return false;
    if (focusControl_ && focusControl_->Enabled())
        focusControl_->SetFocus();
    if (OnClick)
        OnClick();
    return true;
}

HBRUSH TLabel::CtlColor(HDC dc)
{
    COLORREF text = EffectiveFontColor();
    if (focusLook_)
        text = Highlighted() ? clWhite : clSilver;
    if (!Enabled())
        text = GetSysColor(COLOR_GRAYTEXT);
    SetTextColor(dc, text);
    SetBkColor(dc, EffectiveColor());
    return BackgroundBrush();
}
