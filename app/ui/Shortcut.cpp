// Shortcut texts: the key-name table and the conversions both ways.
#include "app/ui/Shortcut.h"

namespace {

constexpr std::string_view kDigitsAndLetters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

constexpr std::string_view kFunctionKeys[24] = {
    "F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",  "F9",  "F10", "F11", "F12",
    "F13", "F14", "F15", "F16", "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24",
};

struct NamedKey {
    uint8_t key;
    std::string_view name;
};

constexpr NamedKey kNamedKeys[] = {
    {Vk::Back, "BkSp"},     {Vk::Tab, "Tab"},        {Vk::Return, "Enter"},   {Vk::Escape, "Esc"},
    {Vk::Space, "Space"},   {Vk::Prior, "PgUp"},     {Vk::Next, "PgDn"},      {Vk::End, "End"},
    {Vk::Home, "Home"},     {Vk::Left, "Left"},      {Vk::Up, "Up"},          {Vk::Right, "Right"},
    {Vk::Down, "Down"},     {Vk::Insert, "Ins"},     {Vk::Delete, "Del"},     {Vk::Oem1, ":"},
    {Vk::OemPlus, ";"},     {Vk::OemComma, ","},     {Vk::OemMinus, "-"},     {Vk::OemPeriod, "."},
    {Vk::Oem2, "/"},        {Vk::Oem3, "@"},         {Vk::Oem4, "["},         {Vk::Oem5, "\\"},
    {Vk::Oem6, "]"},        {Vk::Oem7, "^"},         {Vk::Oem102, "\\"},
};

constexpr char AsciiUpper(char c) noexcept
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool EqualIgnoringCase(std::string_view a, std::string_view b) noexcept
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
            return false;
    return true;
}

// Removes `prefix` from the front of text when it stands there in any letter case.
constexpr bool TakePrefix(std::string_view& text, std::string_view prefix) noexcept
{
    if (text.size() < prefix.size() || !EqualIgnoringCase(text.substr(0, prefix.size()), prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

} // namespace

std::string_view KeyName(uint8_t key) noexcept
{
    if (key >= Vk::Digit0 && key <= Vk::Digit0 + 9)
        return kDigitsAndLetters.substr(key - Vk::Digit0, 1);
    if (key >= Vk::LetterA && key < Vk::LetterA + 26)
        return kDigitsAndLetters.substr(10 + key - Vk::LetterA, 1);
    if (key >= Vk::F1 && key < Vk::F1 + 24)
        return kFunctionKeys[key - Vk::F1];
    for (const NamedKey& named : kNamedKeys)
        if (named.key == key)
            return named.name;
    return {};
}

namespace {

// The name of the key beside the right Shift in stored texts, where "\\" is the yen key's.
constexpr std::string_view kStoredOem102Name = "Oem102";

std::string ShortcutText(Shortcut shortcut, std::string_view name)
{
    if (shortcut.empty() || name.empty())
        return {};
    std::string text;
    if (shortcut.shift())
        text += "Shift+";
    if (shortcut.ctrl())
        text += "Ctrl+";
    if (shortcut.alt())
        text += "Alt+";
    text += name;
    return text;
}

} // namespace

std::string ShortcutToText(Shortcut shortcut) { return ShortcutText(shortcut, KeyName(shortcut.key)); }

std::string ShortcutToStoredText(Shortcut shortcut)
{
    return ShortcutText(shortcut, shortcut.key == Vk::Oem102 ? kStoredOem102Name : KeyName(shortcut.key));
}

Shortcut TextToShortcut(std::string_view text) noexcept
{
    uint8_t modifiers = 0;
    for (bool taken = true; taken;) {
        taken = false;
        if (TakePrefix(text, "Shift+")) {
            modifiers |= ShortcutShift;
            taken = true;
        }
        if (TakePrefix(text, "Ctrl+")) {
            modifiers |= ShortcutCtrl;
            taken = true;
        }
        if (TakePrefix(text, "Alt+")) {
            modifiers |= ShortcutAlt;
            taken = true;
        }
    }
    if (text.empty())
        return {};
    if (EqualIgnoringCase(text, kStoredOem102Name))
        return {Vk::Oem102, modifiers};
    // Lowest key code first, so the doubled backslash reads as the yen key.
    for (unsigned key = 1; key <= 0xFF; ++key)
        if (EqualIgnoringCase(KeyName(static_cast<uint8_t>(key)), text))
            return {static_cast<uint8_t>(key), modifiers};
    return {};
}
