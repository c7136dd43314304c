// Keyboard shortcuts: a virtual-key code with Shift/Ctrl/Alt, and their text form ("Shift+Ctrl+Z").
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The virtual-key codes the program names, as plain numbers (the values of the system's VK_ set).
namespace Vk {
inline constexpr uint8_t Back = 0x08;
inline constexpr uint8_t Tab = 0x09;
inline constexpr uint8_t Return = 0x0D;
inline constexpr uint8_t Escape = 0x1B;
inline constexpr uint8_t Space = 0x20;
inline constexpr uint8_t Prior = 0x21;  // Page Up
inline constexpr uint8_t Next = 0x22;   // Page Down
inline constexpr uint8_t End = 0x23;
inline constexpr uint8_t Home = 0x24;
inline constexpr uint8_t Left = 0x25;
inline constexpr uint8_t Up = 0x26;
inline constexpr uint8_t Right = 0x27;
inline constexpr uint8_t Down = 0x28;
inline constexpr uint8_t Insert = 0x2D;
inline constexpr uint8_t Delete = 0x2E;
inline constexpr uint8_t Digit0 = 0x30;  // '0' ... '9' are 0x30 ... 0x39
inline constexpr uint8_t LetterA = 0x41; // 'A' ... 'Z' are 0x41 ... 0x5A
inline constexpr uint8_t F1 = 0x70;      // F1 ... F24 are 0x70 ... 0x87
// Punctuation keys, named by what they carry on a Japanese keyboard.
inline constexpr uint8_t Oem1 = 0xBA;      // ":"
inline constexpr uint8_t OemPlus = 0xBB;   // ";"
inline constexpr uint8_t OemComma = 0xBC;  // ","
inline constexpr uint8_t OemMinus = 0xBD;  // "-"
inline constexpr uint8_t OemPeriod = 0xBE; // "."
inline constexpr uint8_t Oem2 = 0xBF;      // "/"
inline constexpr uint8_t Oem3 = 0xC0;      // "@"
inline constexpr uint8_t Oem4 = 0xDB;      // "["
inline constexpr uint8_t Oem5 = 0xDC;      // "\" (the yen key)
inline constexpr uint8_t Oem6 = 0xDD;      // "]"
inline constexpr uint8_t Oem7 = 0xDE;      // "^"
inline constexpr uint8_t Oem102 = 0xE2;    // "\" (the key beside the right Shift)
} // namespace Vk

enum ShortcutModifier : uint8_t {
    ShortcutShift = 1,
    ShortcutCtrl = 2,
    ShortcutAlt = 4,
};

// One key combination. key 0 is "no shortcut"; such a value always has no modifiers.
struct Shortcut {
    uint8_t key = 0;       // virtual-key code
    uint8_t modifiers = 0; // ShortcutShift | ShortcutCtrl | ShortcutAlt

    [[nodiscard]] constexpr bool empty() const noexcept { return key == 0; }
    [[nodiscard]] constexpr bool shift() const noexcept { return modifiers & ShortcutShift; }
    [[nodiscard]] constexpr bool ctrl() const noexcept { return modifiers & ShortcutCtrl; }
    [[nodiscard]] constexpr bool alt() const noexcept { return modifiers & ShortcutAlt; }
    friend constexpr bool operator==(const Shortcut&, const Shortcut&) = default;
};

[[nodiscard]] constexpr Shortcut PlainKey(uint8_t key) noexcept { return {key, 0}; }
[[nodiscard]] constexpr Shortcut ShiftKey(uint8_t key) noexcept { return {key, ShortcutShift}; }
[[nodiscard]] constexpr Shortcut CtrlKey(uint8_t key) noexcept { return {key, ShortcutCtrl}; }
[[nodiscard]] constexpr Shortcut ShiftCtrlKey(uint8_t key) noexcept
{
    return {key, ShortcutShift | ShortcutCtrl};
}

// The name of a key in shortcut texts: "A", "7", "F12", "PgUp", "Del", ":", ...; empty for a
// key without a name.
[[nodiscard]] std::string_view KeyName(uint8_t key) noexcept;

// "Shift+", "Ctrl+", "Alt+" as set, in that order, then the key's name. Empty for no shortcut
// and for a key without a name (such a shortcut has no text and is stored as none).
[[nodiscard]] std::string ShortcutToText(Shortcut shortcut);

// The reverse: any number of "Shift+", "Ctrl+", "Alt+" prefixes in any order and letter case,
// then a key name (letter case ignored). A text that names no key gives no shortcut. The
// backslash names two keys; the text "\" reads as the first of them, Vk::Oem5, and the
// stored name of the second, "Oem102", as Vk::Oem102.
[[nodiscard]] Shortcut TextToShortcut(std::string_view text) noexcept;

// The text a shortcut is stored under: ShortcutToText, but the second backslash key is named
// "Oem102", so both backslash keys read back as themselves.
[[nodiscard]] std::string ShortcutToStoredText(Shortcut shortcut);
