// The main window's stored state: placement on the screen, show state, font and colours.
#pragma once
#include "app/settings/PreferenceStore.h"
#include "app/ui/WindowGeometry.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

inline constexpr int MainWindowMinWidth = 400;
inline constexpr int MainWindowMinHeight = 200;

enum class ShowState : int { Normal = 1, Minimised = 2, Maximised = 3 };

// 2 and 3 are minimised and maximised; every other number is normal.
[[nodiscard]] constexpr ShowState ShowStateOf(int stored) noexcept
{
    return stored == 2 ? ShowState::Minimised : stored == 3 ? ShowState::Maximised : ShowState::Normal;
}

// The values as stored: edges in screen pixels, right = left + width, bottom = top + height.
struct StoredWindowState {
    int state = 1;
    int left = 0;
    int top = 0;
    int right = 300;
    int bottom = 300;
};

// Where the window goes: width and height at least the window's minimum size.
struct WindowPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    ShowState show = ShowState::Normal;
    friend constexpr bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// The system's LOGFONTA, byte for byte: five 4-byte fields, eight single bytes, and the face
// name in the last 32 bytes.
struct LogFontBytes {
    static constexpr size_t size = 60;
    static constexpr size_t faceNameOffset = 28;
    std::array<uint8_t, size> bytes{};

    // The face name is terminated inside its 32 bytes.
    [[nodiscard]] bool hasTerminatedFaceName() const noexcept;
};

// The control's look as stored at exit. Colours are COLORREF values (0x00BBGGRR).
struct WindowLook {
    LogFontBytes font;
    uint32_t fontColor = 0;
    uint32_t bkColor = 0;
};

[[nodiscard]] StoredWindowState ReadWindowState(PreferenceStore& store);

// Pulls a stored state onto a screenWidth x screenHeight screen: a left edge at or beyond the
// screen's right edge becomes screenWidth - 300, a negative one 0 (top edge likewise); the right and
// bottom edges are cut to the screen; then the minimum size applies, and a window that this takes
// past the right or bottom edge moves back left or up as far as the screen allows.
[[nodiscard]] WindowPlacement PlacementOnScreen(const StoredWindowState& stored, int screenWidth,
                                                int screenHeight) noexcept;

// Where a new window goes while other windows of the program have their top-left corners at
// `others`: `step` pixels right and down while its corner meets one of them, as windows
// cascade, and back to the screen's top-left corner when a step would take it past the
// screen's right or bottom edge.
[[nodiscard]] WindowPlacement CascadePlacement(WindowPlacement placement, const std::vector<ScreenPoint>& others,
                                               int step, int screenWidth, int screenHeight);

// ReadWindowState and PlacementOnScreen together, as the window loads its state.
[[nodiscard]] WindowPlacement LoadWindowState(PreferenceStore& store, int screenWidth, int screenHeight);

// Replaces the font and colours in `look` (the control's current ones) by the stored values.
// A font value that is not exactly 60 bytes of hex text, or whose face name is not terminated,
// keeps the current font; each colour likewise needs exactly 4 bytes.
void LoadWindowLook(PreferenceStore& store, WindowLook& look);

// Writes the show state; the edges of `normal` only when the window is normal, so a minimised
// or maximised window keeps the last normal placement stored. Then the font and colours.
void SaveWindowState(PreferenceStore& store, ShowState show, const WindowPlacement& normal,
                     const WindowLook& look);
