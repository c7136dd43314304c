// TMainMenu and TMenuItem: a form's menu bar, with items that show and run actions.
#pragma once
#include "app/win/ui/TAction.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TMainMenu;

// An item of the bar (a menu of its own), an item of a menu, or a separator ("-"). An item
// bound to an action shows the action's caption and shortcut text and follows its enabling
// and visibility; the action must outlive the item.
class TMenuItem {
public:
    TMenuItem(TMainMenu& menu, std::string name, std::string caption);
    ~TMenuItem();
    TMenuItem(const TMenuItem&) = delete;
    TMenuItem& operator=(const TMenuItem&) = delete;

    [[nodiscard]] const std::string& Name() const noexcept { return name_; }
    [[nodiscard]] bool IsSeparator() const noexcept { return caption_ == "-"; }
    [[nodiscard]] UINT Id() const noexcept { return id_; }
    [[nodiscard]] HMENU SubMenu() const noexcept { return subMenu_; }
    [[nodiscard]] TAction* Action() const noexcept { return action_; }

    void SetAction(TAction* action);
    void SetCaption(std::string caption);
    // The caption shown, and after a tab the shortcut text of the action.
    [[nodiscard]] std::string DisplayText() const;
    void SetEnabled(bool enabled);
    [[nodiscard]] bool Enabled() const noexcept { return enabled_; }
    void SetChecked(bool checked);
    [[nodiscard]] bool Checked() const noexcept { return checked_; }
    void SetVisible(bool visible);
    [[nodiscard]] bool Visible() const noexcept { return visible_; }

    TMenuItem& Add(std::string name, std::string caption);
    TMenuItem& AddSeparator();
    [[nodiscard]] const std::vector<std::unique_ptr<TMenuItem>>& Items() const noexcept { return items_; }

    // A menu's handler runs each time the menu opens; an item's when it is chosen (the
    // action's handler instead, for an item bound to an action).
    std::function<void()> OnClick;
    void Click();

private:
    friend class TMainMenu;
    void ActionChanged();
    void Update();
    void Rebuild();

    TMainMenu& menu_;
    TMenuItem* parent_ = nullptr;
    std::string name_;
    std::string caption_;
    UINT id_;
    HMENU subMenu_ = nullptr;
    TAction* action_ = nullptr;
    int observer_ = 0;
    bool enabled_ = true;
    bool checked_ = false;
    bool visible_ = true;
    std::vector<std::unique_ptr<TMenuItem>> items_;
};

class TMainMenu {
public:
    TMainMenu();
    ~TMainMenu();
    TMainMenu(const TMainMenu&) = delete;
    TMainMenu& operator=(const TMainMenu&) = delete;

    [[nodiscard]] HMENU Handle() const noexcept { return bar_; }
    // A menu of the bar, left to right.
    TMenuItem& Add(std::string name, std::string caption);
    [[nodiscard]] const std::vector<std::unique_ptr<TMenuItem>>& Items() const noexcept { return items_; }
    [[nodiscard]] TMenuItem* Find(std::string_view name) const noexcept;

    // WM_COMMAND of a menu item; true when the id is one of this menu's.
    bool Dispatch(UINT id);
    // WM_INITMENUPOPUP: the opening menu's handler.
    void Popup(HMENU menu);

    // The window showing the bar, redrawn when the bar changes.
    void SetWindow(HWND window) noexcept { window_ = window; }

private:
    friend class TMenuItem;
    [[nodiscard]] UINT NextId() noexcept { return nextId_++; }
    [[nodiscard]] TMenuItem* FindById(UINT id) const noexcept;
    void RebuildBar();

    HMENU bar_;
    HWND window_ = nullptr;
    UINT nextId_ = 0x8000;
    std::vector<std::unique_ptr<TMenuItem>> items_;
};
