// The selectable shortcuts, shortcut reassignment, and the backup-time and tab-size combos.
#include "app/settings/SettingsRules.h"

#include "app/texts/ProgramTexts.h"

#include <algorithm>

namespace {

constexpr uint8_t kPunctuationKeys[] = {
    Vk::Oem1, Vk::OemPlus, Vk::OemComma, Vk::OemMinus, Vk::OemPeriod, Vk::Oem2,
    Vk::Oem3, Vk::Oem4,    Vk::Oem5,     Vk::Oem6,     Vk::Oem7,      Vk::Oem102,
};

constexpr uint8_t kPagingKeys[] = {Vk::Prior, Vk::Next, Vk::End, Vk::Home};
constexpr uint8_t kArrowKeys[] = {Vk::Left, Vk::Right, Vk::Up, Vk::Down};

std::vector<ShortcutChoice> BuildShortcutChoices()
{
    std::vector<ShortcutChoice> choices;
    choices.reserve(ShortcutChoiceCount);
    choices.push_back({std::string(kTextNoShortcut), {}});
    const auto add = [&choices](uint8_t modifiers, uint8_t key) {
        const Shortcut shortcut{key, modifiers};
        choices.push_back({ShortcutToText(shortcut), shortcut});
    };
    const auto addRange = [&add](uint8_t modifiers, uint8_t first, int count) {
        for (int i = 0; i < count; ++i)
            add(modifiers, static_cast<uint8_t>(first + i));
    };
    const auto addAll = [&add](uint8_t modifiers, const auto& keys) {
        for (const uint8_t key : keys)
            add(modifiers, key);
    };

    add(0, Vk::End);
    add(0, Vk::Home);
    add(0, Vk::Tab);
    addRange(0, Vk::F1, 24);
    addAll(0, kArrowKeys);

    for (const uint8_t modifiers : {uint8_t{ShortcutCtrl}, uint8_t{ShortcutShift | ShortcutCtrl}}) {
        addAll(modifiers, kPagingKeys);
        addRange(modifiers, Vk::Digit0, 10);
        addRange(modifiers, Vk::LetterA, 26);
        addAll(modifiers, kPunctuationKeys);
        addRange(modifiers, Vk::F1, 24);
        if (modifiers == ShortcutCtrl) {
            addAll(modifiers, kArrowKeys);
            // Shift+ alone comes between the Ctrl+ and the Shift+Ctrl+ items.
            addAll(ShortcutShift, kPagingKeys);
            addRange(ShortcutShift, Vk::F1, 24);
        }
    }
    return choices;
}

} // namespace

const std::vector<ShortcutChoice>& ShortcutChoices()
{
    static const std::vector<ShortcutChoice> choices = BuildShortcutChoices();
    return choices;
}

std::string ShortcutInfoText(Shortcut shortcut)
{
    std::string text = ShortcutToText(shortcut);
    return text.empty() ? std::string(kTextNoShortcut) : text;
}

std::optional<ActionId> ShortcutHolder(const ActionShortcuts& shortcuts, Shortcut shortcut) noexcept
{
    if (shortcut.empty())
        return std::nullopt;
    for (size_t i = 0; i < shortcuts.size(); ++i)
        if (shortcuts[i] == shortcut)
            return static_cast<ActionId>(i);
    return std::nullopt;
}

std::string ReassignQuestion(std::string_view shortcutText, ActionId holder)
{
    const ActionInfo& info = InfoOf(holder);
    std::string question(shortcutText);
    question += kTextReassignUsedBy;
    question += info.category;
    question += kTextReassignSeparator;
    question += info.caption;
    question += kTextReassignQuestion;
    return question;
}

void AssignShortcut(ActionShortcuts& shortcuts, ActionId target, Shortcut shortcut) noexcept
{
    if (const std::optional<ActionId> holder = ShortcutHolder(shortcuts, shortcut))
        shortcuts[IndexOf(*holder)] = {};
    shortcuts[IndexOf(target)] = shortcut;
}

std::optional<ActionId> ActionOfCaption(const std::vector<ActionId>& candidates,
                                        std::string_view caption) noexcept
{
    for (const ActionId action : candidates)
        if (caption == InfoOf(action).caption)
            return action;
    return std::nullopt;
}

std::string BackupTimeText(int index)
{
    return std::to_string(BackupTimeOfIndex(index));
}

int BackupTimeIndexOf(int seconds) noexcept
{
    if (seconds < 10)
        return 0;
    return std::min(seconds / 10, BackupTimeItemCount) - 1;
}

int BackupTimeOfIndex(int index) noexcept
{
    return 10 * (std::clamp(index, 0, BackupTimeItemCount - 1) + 1);
}

std::string TabSizeText(int index)
{
    return std::to_string(TabSizeOfIndex(index));
}

int TabSizeIndexOf(int tabSize) noexcept
{
    for (int index = 0; index < TabSizeItemCount; ++index)
        if (tabSize == 1 << index)
            return index;
    return 2;
}

int TabSizeOfIndex(int index) noexcept
{
    return index >= 0 && index < TabSizeItemCount ? 1 << index : 4;
}
