// TActionList: a form's actions in order, and the shortcut keys that run them.
#pragma once
#include "app/win/ui/TAction.h"

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

class TActionList {
public:
    TAction& Add(std::string name, std::string category, std::string caption, std::string hint,
                 Shortcut shortcut = {});

    [[nodiscard]] size_t Count() const noexcept { return actions_.size(); }
    [[nodiscard]] TAction& operator[](size_t index) const noexcept { return *actions_[index]; }
    [[nodiscard]] TAction* Find(std::string_view name) const noexcept;

    // The first enabled action with this shortcut, or none.
    [[nodiscard]] TAction* ActionOfShortcut(Shortcut shortcut) const noexcept;
    // Runs the enabled action of the shortcut; true when one ran, so the key goes no further.
    bool IsShortcut(Shortcut shortcut);

private:
    std::vector<std::unique_ptr<TAction>> actions_;
};

// The shortcut a key-down message makes with the modifier keys held at the moment.
[[nodiscard]] Shortcut KeyShortcut(WPARAM virtualKey) noexcept;
