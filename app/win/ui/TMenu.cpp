// TMainMenu and TMenuItem: a form's menu bar, with items that show and run actions.
#include "app/win/ui/TMenu.h"

#include <utility>

TMenuItem::TMenuItem(TMainMenu& menu, std::string name, std::string caption)
    : menu_(menu), name_(std::move(name)), caption_(std::move(caption)), id_(menu.NextId())
{
}

TMenuItem::~TMenuItem()
{
    if (action_)
        action_->RemoveObserver(observer_);
}

void TMenuItem::SetAction(TAction* action)
{
    if (action_)
        action_->RemoveObserver(observer_);
    action_ = action;
    if (action_) {
        observer_ = action_->AddObserver([this] { ActionChanged(); });
        ActionChanged();
    }
}

void TMenuItem::ActionChanged()
{
    const bool wasVisible = visible_;
    enabled_ = action_->Enabled();
    visible_ = action_->Visible();
    if (visible_ != wasVisible) {
        if (parent_)
            parent_->Rebuild();
        else
            menu_.RebuildBar();
    } else {
        Update();
    }
}

std::string TMenuItem::DisplayText() const
{
    if (!action_)
        return caption_;
    std::string text = action_->Caption();
    if (const std::string shortcut = ShortcutToText(action_->ShortCut()); !shortcut.empty())
        text += '\t' + shortcut;
    return text;
}

void TMenuItem::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    Update();
}

void TMenuItem::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Update();
}

void TMenuItem::SetChecked(bool checked)
{
    checked_ = checked;
    Update();
}

void TMenuItem::SetVisible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    if (parent_)
        parent_->Rebuild();
    else
        menu_.RebuildBar();
}

TMenuItem& TMenuItem::Add(std::string name, std::string caption)
{
    auto item = std::make_unique<TMenuItem>(menu_, std::move(name), std::move(caption));
    item->parent_ = this;
    items_.push_back(std::move(item));
    const bool newMenu = !subMenu_;
    if (newMenu)
        subMenu_ = CreatePopupMenu();
    Rebuild();
    if (newMenu) {
        if (parent_)
            parent_->Rebuild();
        else
            menu_.RebuildBar();
    }
    return *items_.back();
}

TMenuItem& TMenuItem::AddSeparator() { return Add({}, "-"); }

namespace {

MENUITEMINFOA InfoOf(const TMenuItem& item, std::string& text)
{
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
    info.wID = item.Id();
    info.hSubMenu = item.SubMenu();
    if (item.IsSeparator()) {
        info.fType = MFT_SEPARATOR;
        return info;
    }
    info.fMask |= MIIM_STRING;
    info.fType = MFT_STRING;
    info.fState = (item.Enabled() ? MFS_ENABLED : MFS_DISABLED) | (item.Checked() ? MFS_CHECKED : MFS_UNCHECKED);
    text = item.DisplayText();
    info.dwTypeData = text.data();
    return info;
}

void FillMenu(HMENU menu, const std::vector<std::unique_ptr<TMenuItem>>& items)
{
    while (GetMenuItemCount(menu) > 0)
        RemoveMenu(menu, 0, MF_BYPOSITION);
    UINT position = 0;
    for (const auto& item : items) {
        if (!item->Visible())
            continue;
        std::string text;
        MENUITEMINFOA info = InfoOf(*item, text);
        InsertMenuItemA(menu, position++, TRUE, &info);
    }
}

} // namespace

void TMenuItem::Rebuild()
{
    if (subMenu_)
        FillMenu(subMenu_, items_);
}

void TMenuItem::Update()
{
    if (!visible_)
        return;
    const HMENU container = parent_ ? parent_->subMenu_ : menu_.bar_;
    if (!container)
        return;
    std::string text;
    MENUITEMINFOA info = InfoOf(*this, text);
    info.fMask &= ~static_cast<UINT>(MIIM_ID | MIIM_SUBMENU);
    SetMenuItemInfoA(container, id_, FALSE, &info);
    if (!parent_ && menu_.window_)
        DrawMenuBar(menu_.window_);
}

void TMenuItem::Click()
{
    if (action_) {
        action_->Execute();
        return;
    }
    if (OnClick)
        OnClick();
}

TMainMenu::TMainMenu() : bar_(CreateMenu()) {}

TMainMenu::~TMainMenu()
{
    items_.clear();
    if (window_ && IsWindow(window_) && GetMenu(window_) == bar_)
        SetMenu(window_, nullptr);
    DestroyMenu(bar_);
}

TMenuItem& TMainMenu::Add(std::string name, std::string caption)
{
    items_.push_back(std::make_unique<TMenuItem>(*this, std::move(name), std::move(caption)));
    RebuildBar();
    return *items_.back();
}

void TMainMenu::RebuildBar()
{
    FillMenu(bar_, items_);
    if (window_)
        DrawMenuBar(window_);
}

namespace {

TMenuItem* FindIn(const std::vector<std::unique_ptr<TMenuItem>>& items, const auto& matches)
{
    for (const auto& item : items) {
        if (matches(*item))
            return item.get();
        if (TMenuItem* found = FindIn(item->Items(), matches))
            return found;
    }
    return nullptr;
}

} // namespace

TMenuItem* TMainMenu::Find(std::string_view name) const noexcept
{
    return FindIn(items_, [name](const TMenuItem& item) { return !item.Name().empty() && item.Name() == name; });
}

TMenuItem* TMainMenu::FindById(UINT id) const noexcept
{
    return FindIn(items_, [id](const TMenuItem& item) { return item.Id() == id; });
}

bool TMainMenu::Dispatch(UINT id)
{
    TMenuItem* item = FindById(id);
    if (!item)
        return false;
    if (item->Enabled())
        item->Click();
    return true;
}

void TMainMenu::Popup(HMENU menu)
{
    TMenuItem* item = FindIn(items_, [menu](const TMenuItem& candidate) { return candidate.SubMenu() == menu; });
    if (item && item->OnClick)
        item->OnClick();
}
