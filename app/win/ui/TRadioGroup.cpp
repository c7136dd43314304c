// TRadioGroup: a captioned frame of radio buttons, one of them selected, laid out in columns.
#include "app/win/ui/TRadioGroup.h"

#include "app/win/ui/DialogLook.h"

TRadioGroup::TRadioGroup(std::string name) : TPanel(std::move(name)) {}

void TRadioGroup::SetCaption(std::string_view caption)
{
    text_ = caption;
    if (frame_)
        SetWindowTextA(frame_, text_.c_str());
}

void TRadioGroup::SetCaptionColor(COLORREF color)
{
    captionColor_ = color;
    if (frame_)
        InvalidateRect(frame_, nullptr, TRUE);
}

void TRadioGroup::Created()
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    frame_ = CreateWindowExA(0, "BUTTON", text_.c_str(), WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0, Width(), Height(),
                             Handle(), nullptr, instance, nullptr);
    UseClassicLook(frame_);
    for (size_t i = 0; i < items_.size(); ++i) {
        const DWORD style = WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON | BS_NOTIFY | (i == 0 ? WS_GROUP | WS_TABSTOP : 0);
        const HWND button = CreateWindowExA(0, "BUTTON", items_[i].c_str(), style, 0, 0, 0, 0, Handle(),
                                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), instance, nullptr);
        UseClassicLook(button);
        buttons_.push_back(button);
    }
    ApplyFont();
    Layout();
    SetItemIndex(itemIndex_);
}

void TRadioGroup::ApplyFont()
{
    if (!Handle())
        return;
    const auto font = reinterpret_cast<WPARAM>(Font().Handle());
    if (frame_)
        SendMessageA(frame_, WM_SETFONT, font, TRUE);
    for (const HWND button : buttons_)
        SendMessageA(button, WM_SETFONT, font, TRUE);
}

void TRadioGroup::Layout()
{
    const RECT client = ClientRect();
    if (frame_)
        MoveWindow(frame_, 0, 0, client.right, client.bottom, TRUE);
    if (buttons_.empty())
        return;
    const int lineHeight = Font().Height() + 4;
    const int rows = static_cast<int>((buttons_.size() + static_cast<size_t>(columns_) - 1) / static_cast<size_t>(columns_));
    const int top = lineHeight;
    const int width = (client.right - 16) / columns_;
    const int rowHeight = rows > 0 ? (client.bottom - top - 4) / rows : lineHeight;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const int column = static_cast<int>(i) % columns_;
        const int row = static_cast<int>(i) / columns_;
        MoveWindow(buttons_[i], 8 + column * width, top + row * rowHeight + (rowHeight - lineHeight) / 2, width - 4,
                   lineHeight, TRUE);
    }
}

void TRadioGroup::SetItemIndex(int index)
{
    itemIndex_ = index;
    for (size_t i = 0; i < buttons_.size(); ++i)
        SendMessageA(buttons_[i], BM_SETCHECK, static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED, 0);
}

HWND TRadioGroup::ItemHandle(int index) const noexcept
{
    return index >= 0 && index < static_cast<int>(buttons_.size()) ? buttons_[static_cast<size_t>(index)] : nullptr;
}

bool TRadioGroup::PanelMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND: {
        const int index = static_cast<int>(LOWORD(wParam)) - 1;
        if (index < 0 || index >= static_cast<int>(buttons_.size()))
            return false;
        switch (HIWORD(wParam)) {
        case BN_CLICKED:
            if (index != itemIndex_) {
                SetItemIndex(index);
                if (OnClick)
                    OnClick();
            }
            break;
        case BN_SETFOCUS:
            // Arrow keys move the focus among the buttons; the focused one is the choice.
            if (index != itemIndex_ && GetKeyState(VK_LBUTTON) >= 0) {
                SetItemIndex(index);
                if (OnClick)
                    OnClick();
            }
            if (OnEnter)
                OnEnter();
            break;
        case BN_KILLFOCUS:
            if (OnExit && !IsChild(Handle(), reinterpret_cast<HWND>(GetFocus())))
                OnExit();
            break;
        default:
            break;
        }
        result = 0;
        return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        const bool caption = reinterpret_cast<HWND>(lParam) == frame_ && captionColor_ != clNone;
        SetTextColor(dc, caption ? captionColor_ : EffectiveFontColor());
        SetBkColor(dc, EffectiveColor());
        result = reinterpret_cast<LRESULT>(BackgroundBrush());
        return true;
    }
    case WM_SIZE:
        Layout();
        return false;
    default:
        return false;
    }
}
