// Loading, clamping and saving the main window's state.
#include "app/settings/WindowState.h"

#include "app/settings/Preferences.h"

#include <algorithm>

namespace {

constexpr std::string_view kWindowState = "window state";
constexpr std::string_view kWindowLeft = "window left";
constexpr std::string_view kWindowTop = "window top";
constexpr std::string_view kWindowRight = "window right";
constexpr std::string_view kWindowBottom = "window bottom";
constexpr std::string_view kFontStyle = "font style";
constexpr std::string_view kFontColor = "font color";
constexpr std::string_view kBkColor = "bk color";

std::array<uint8_t, 4> ColorBytes(uint32_t color) noexcept
{
    return {static_cast<uint8_t>(color), static_cast<uint8_t>(color >> 8),
            static_cast<uint8_t>(color >> 16), static_cast<uint8_t>(color >> 24)};
}

void ReadColor(PreferenceStore& store, std::string_view name, uint32_t& color)
{
    std::array<uint8_t, 4> bytes = ColorBytes(color);
    if (store.ReadBinary(PrefKey::Preference, name, bytes))
        color = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

// Start edge pulled onto the screen: at or beyond its far edge (where not one pixel of the
// window would show), 300 back from that edge; never negative.
int64_t StartEdge(int64_t edge, int64_t screen) noexcept
{
    if (edge >= screen)
        edge = screen - 300;
    return std::max<int64_t>(edge, 0);
}

} // namespace

bool LogFontBytes::hasTerminatedFaceName() const noexcept
{
    return std::find(bytes.begin() + faceNameOffset, bytes.end(), 0) != bytes.end();
}

StoredWindowState ReadWindowState(PreferenceStore& store)
{
    using PrefKey::Preference;
    StoredWindowState stored;
    stored.state = store.ReadInt(Preference, kWindowState, 1);
    stored.left = store.ReadInt(Preference, kWindowLeft, 0);
    stored.top = store.ReadInt(Preference, kWindowTop, 0);
    stored.right = store.ReadInt(Preference, kWindowRight, 300);
    stored.bottom = store.ReadInt(Preference, kWindowBottom, 300);
    return stored;
}

WindowPlacement PlacementOnScreen(const StoredWindowState& stored, int screenWidth, int screenHeight) noexcept
{
    // In 64 bits: stored edges may be anything an int holds, and right - left must not overflow.
    const int64_t left = StartEdge(stored.left, screenWidth);
    const int64_t top = StartEdge(stored.top, screenHeight);
    const int64_t right = std::min<int64_t>(stored.right, screenWidth);
    const int64_t bottom = std::min<int64_t>(stored.bottom, screenHeight);
    WindowPlacement placement;
    placement.width = static_cast<int>(std::clamp<int64_t>(right - left, MainWindowMinWidth, INT32_MAX));
    placement.height = static_cast<int>(std::clamp<int64_t>(bottom - top, MainWindowMinHeight, INT32_MAX));
    // The minimum size may take the window past the right or bottom edge again.
    placement.left = static_cast<int>(std::max<int64_t>(std::min<int64_t>(left, int64_t(screenWidth) - placement.width), 0));
    placement.top = static_cast<int>(std::max<int64_t>(std::min<int64_t>(top, int64_t(screenHeight) - placement.height), 0));
    placement.show = ShowStateOf(stored.state);
    return placement;
}

WindowPlacement CascadePlacement(WindowPlacement placement, const std::vector<ScreenPoint>& others, int step,
                                 int screenWidth, int screenHeight)
{
    const auto taken = [&others](int left, int top) {
        return std::any_of(others.begin(), others.end(),
                           [&](const ScreenPoint& corner) { return corner.x == left && corner.y == top; });
    };
    for (size_t moves = 0; moves <= others.size() && taken(placement.left, placement.top); ++moves) {
        const int64_t left = int64_t(placement.left) + step;
        const int64_t top = int64_t(placement.top) + step;
        const bool fits = left + placement.width <= screenWidth && top + placement.height <= screenHeight;
        placement.left = fits ? static_cast<int>(left) : 0;
        placement.top = fits ? static_cast<int>(top) : 0;
    }
    return placement;
}

WindowPlacement LoadWindowState(PreferenceStore& store, int screenWidth, int screenHeight)
{
    return PlacementOnScreen(ReadWindowState(store), screenWidth, screenHeight);
}

void LoadWindowLook(PreferenceStore& store, WindowLook& look)
{
    LogFontBytes font = look.font;
    if (store.ReadBinary(PrefKey::Preference, kFontStyle, font.bytes) && font.hasTerminatedFaceName())
        look.font = font;
    ReadColor(store, kFontColor, look.fontColor);
    ReadColor(store, kBkColor, look.bkColor);
}

void SaveWindowState(PreferenceStore& store, ShowState show, const WindowPlacement& normal,
                     const WindowLook& look)
{
    using PrefKey::Preference;
    store.WriteInt(Preference, kWindowState, static_cast<int>(show));
    if (show == ShowState::Normal) {
        store.WriteInt(Preference, kWindowLeft, normal.left);
        store.WriteInt(Preference, kWindowTop, normal.top);
        store.WriteInt(Preference, kWindowRight, static_cast<int>(std::min<int64_t>(
                                                     static_cast<int64_t>(normal.left) + normal.width, INT32_MAX)));
        store.WriteInt(Preference, kWindowBottom, static_cast<int>(std::min<int64_t>(
                                                      static_cast<int64_t>(normal.top) + normal.height, INT32_MAX)));
    }
    store.WriteBinary(Preference, kFontStyle, look.font.bytes);
    store.WriteBinary(Preference, kFontColor, ColorBytes(look.fontColor));
    store.WriteBinary(Preference, kBkColor, ColorBytes(look.bkColor));
}
