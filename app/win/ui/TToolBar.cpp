// TToolBar: a flat tool bar of 16 x 16 image buttons bound to actions, with separators and hints.
#include "app/win/ui/TToolBar.h"

#include "app/win/ui/TAction.h"
#include "app/win/ui/TForm.h"
#include "app/win/ui/TImageList.h"

#include <commctrl.h>

#include <cstring>

TToolBar::TToolBar(std::string name) : TControl(std::move(name)) {}

TToolBar::~TToolBar()
{
    for (const auto& button : buttons_)
        if (button->action)
            button->action->RemoveObserver(button->observer);
}

HWND TToolBar::CreateWindowHandle(HWND parent, int id)
{
    const DWORD style = TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN | WS_CLIPCHILDREN;
    return MakeWindow(TOOLBARCLASSNAMEA, {}, style, 0, parent, id);
}

void TToolBar::Created()
{
    SendMessageA(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    InsertAll();
    SetWindowSubclass(Handle(), SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    if (Form())
        ShowHintChanged(Form()->ShowHint());
}

LRESULT CALLBACK TToolBar::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR data)
{
    auto* self = reinterpret_cast<TToolBar*>(data);
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, SubclassProc, 1);
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_SIZE && self->OnResize)
        self->OnResize();
    return result;
}

void TToolBar::AddButton(std::string name, TAction& action, int imageIndex, std::string hint)
{
    auto button = std::make_unique<Button>();
    button->name = std::move(name);
    button->action = &action;
    button->image = imageIndex >= 0 ? imageIndex : action.ImageIndex();
    button->hint = std::move(hint);
    button->commandId = nextCommand_++;
    Button* raw = button.get();
    button->observer = action.AddObserver([this, raw] { Refresh(*raw); });
    buttons_.push_back(std::move(button));
    if (Handle())
        Insert(*raw, ButtonCount() - 1);
}

void TToolBar::AddSeparator(std::string name, int width)
{
    auto button = std::make_unique<Button>();
    button->name = std::move(name);
    button->width = width;
    button->commandId = nextCommand_++;
    buttons_.push_back(std::move(button));
    if (Handle())
        Insert(*buttons_.back(), ButtonCount() - 1);
}

void TToolBar::ChangeScale(int multiplier, int divisor)
{
    buttonHeight_ = MulDiv(buttonHeight_, multiplier, divisor);
    for (const auto& button : buttons_)
        if (!button->action)
            button->width = MulDiv(button->width, multiplier, divisor);
    TControl::ChangeScale(multiplier, divisor);
    if (!Handle())
        return;
    while (SendMessageA(Handle(), TB_BUTTONCOUNT, 0, 0) > 0)
        SendMessageA(Handle(), TB_DELETEBUTTON, 0, 0);
    InsertAll();
    if (OnResize)
        OnResize();
}

void TToolBar::InsertAll()
{
    if (images_)
        SendMessageA(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
    SendMessageA(Handle(), TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonHeight_, buttonHeight_));
    int position = 0;
    for (const auto& button : buttons_)
        Insert(*button, position++);
}

void TToolBar::Insert(Button& button, int position)
{
    TBBUTTON item{};
    item.idCommand = button.commandId;
    if (button.action) {
        item.iBitmap = button.image;
        item.fsStyle = BTNS_BUTTON;
        item.fsState = static_cast<BYTE>((button.action->Enabled() ? TBSTATE_ENABLED : 0) |
                                         (button.action->Visible() ? 0 : TBSTATE_HIDDEN));
    } else {
        item.iBitmap = button.width;
        item.fsStyle = BTNS_SEP;
    }
    SendMessageA(Handle(), TB_INSERTBUTTONA, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&item));
}

void TToolBar::Refresh(const Button& button)
{
    if (!Handle() || !button.action)
        return;
    SendMessageA(Handle(), TB_ENABLEBUTTON, static_cast<WPARAM>(button.commandId), button.action->Enabled());
    SendMessageA(Handle(), TB_HIDEBUTTON, static_cast<WPARAM>(button.commandId), !button.action->Visible());
}

RECT TToolBar::ButtonRect(int index) const
{
    RECT rect{};
    if (Handle())
        SendMessageA(Handle(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

int TToolBar::ButtonIndex(std::string_view name) const noexcept
{
    for (size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->name == name)
            return static_cast<int>(i);
    return -1;
}

bool TToolBar::ButtonEnabled(int index) const
{
    if (index < 0 || index >= ButtonCount() || !Handle())
        return false;
    const int command = buttons_[static_cast<size_t>(index)]->commandId;
    return SendMessageA(Handle(), TB_ISBUTTONENABLED, static_cast<WPARAM>(command), 0) != 0;
}

HWND TToolBar::ToolTips() const
{
    return Handle() ? reinterpret_cast<HWND>(SendMessageA(Handle(), TB_GETTOOLTIPS, 0, 0)) : nullptr;
}

void TToolBar::ShowHintChanged(bool show)
{
    if (const HWND tips = ToolTips())
        SendMessageA(tips, TTM_ACTIVATE, show, 0);
}

bool TToolBar::Command(WORD, WORD id)
{
    for (const auto& button : buttons_)
        if (button->commandId == id && button->action) {
            button->action->Execute();
            return true;
        }
    return false;
}

bool TToolBar::Notify(NMHDR& header, LRESULT& result)
{
    if (header.code != TBN_GETINFOTIPA && header.code != TBN_GETINFOTIPW)
        return false;
    const auto& tip = reinterpret_cast<NMTBGETINFOTIPA&>(header);
    for (const auto& button : buttons_) {
        if (button->commandId != tip.iItem || !button->action)
            continue;
        tipText_ = button->hint.empty() ? button->action->Hint() : button->hint;
        if (header.code == TBN_GETINFOTIPA) {
            if (tip.pszText && tip.cchTextMax > 0)
                lstrcpynA(tip.pszText, tipText_.c_str(), tip.cchTextMax);
        } else {
            auto& wide = reinterpret_cast<NMTBGETINFOTIPW&>(header);
            if (wide.pszText && wide.cchTextMax > 0)
                MultiByteToWideChar(CP_ACP, 0, tipText_.c_str(), -1, wide.pszText, wide.cchTextMax);
        }
        break;
    }
    result = 0;
    return true;
}
