// TActionList: a form's actions in order, and the shortcut keys that run them.
#include "app/win/ui/TActionList.h"

#include <utility>

TAction& TActionList::Add(std::string name, std::string category, std::string caption, std::string hint,
                          Shortcut shortcut)
{
    actions_.push_back(std::make_unique<TAction>(std::move(name), std::move(category), std::move(caption),
                                                 std::move(hint), shortcut));
    return *actions_.back();
}

TAction* TActionList::Find(std::string_view name) const noexcept
{
    for (const auto& action : actions_)
        if (action->Name() == name)
            return action.get();
    return nullptr;
}

TAction* TActionList::ActionOfShortcut(Shortcut shortcut) const noexcept
{
    if (shortcut.empty())
        return nullptr;
    for (const auto& action : actions_)
        if (action->Enabled() && action->ShortCut() == shortcut)
            return action.get();
    return nullptr;
}

bool TActionList::IsShortcut(Shortcut shortcut)
{
    TAction* action = ActionOfShortcut(shortcut);
    return action && action->Execute();
}

Shortcut KeyShortcut(WPARAM virtualKey) noexcept
{
    if (virtualKey == 0 || virtualKey > 0xFF)
        return {};
    Shortcut shortcut{static_cast<uint8_t>(virtualKey), 0};
    if (GetKeyState(VK_SHIFT) < 0)
        shortcut.modifiers |= ShortcutShift;
    if (GetKeyState(VK_CONTROL) < 0)
        shortcut.modifiers |= ShortcutCtrl;
    if (GetKeyState(VK_MENU) < 0)
        shortcut.modifiers |= ShortcutAlt;
    return shortcut;
}
