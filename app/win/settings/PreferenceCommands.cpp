// PreferenceCommands: the registry's preferences and window state, the font and colour dialogs, the settings dialog.
#include "app/win/settings/PreferenceCommands.h"

#include "app/settings/Preferences.h"
#include "app/settings/WindowState.h"
#include "app/win/settings/RegistryPreferenceStore.h"
#include "app/win/settings/TFormSettings.h"
#include "app/win/system/EditorControl.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/system/SystemDialogs.h"
#include "app/win/ui/Dpi.h"
#include "app/win/ui/TActionList.h"
#include "app/win/ui/TForm.h"

#include "common/win/ARegistry.h"

#include <cstring>
#include <utility>
#include <vector>

namespace {

static_assert(sizeof(LOGFONTA) == LogFontBytes::size);

// The top-left corners of the other editors' main windows that stand in normal size.
std::vector<ScreenPoint> OtherEditorCorners(HWND own)
{
    struct Search {
        HWND own;
        std::vector<ScreenPoint> corners;
    } search{own, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto& found = *reinterpret_cast<Search*>(param);
            char className[32] = {};
            GetClassNameA(window, className, sizeof className);
            RECT frame{};
            if (window != found.own && std::strcmp(className, "TFormVornalix") == 0 && IsWindowVisible(window)
                && !IsIconic(window) && !IsZoomed(window) && GetWindowRect(window, &frame))
                found.corners.push_back({frame.left, frame.top});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.corners;
}

// The control's font and colours as stored; false when the control cannot give them.
bool ReadLook(HWND control, WindowLook& look)
{
    COLORREF fontColor = 0, bkColor = 0;
    if (!Editor.QX_GetLogFont(control, reinterpret_cast<LOGFONTA*>(look.font.bytes.data()), &fontColor) ||
        !Editor.QX_GetBkColor(control, &bkColor))
        return false;
    look.fontColor = fontColor;
    look.bkColor = bkColor;
    return true;
}

ActionShortcuts ShortcutsOf(const TActionList& actions)
{
    ActionShortcuts shortcuts;
    for (size_t i = 0; i < ActionCount; ++i)
        shortcuts[i] = actions[i].ShortCut();
    return shortcuts;
}

} // namespace

PreferenceCommands::PreferenceCommands(TForm& window, TActionList& actions, Preferences& preferences,
                                       EditorControl& control, std::function<void()> applyPreferences)
    : window_(window), actions_(actions), preferences_(preferences), control_(control),
      applyPreferences_(std::move(applyPreferences))
{
}

void PreferenceCommands::ChangeFont()
{
    const HWND control = control_.Handle();
    LOGFONTA font{};
    COLORREF color = 0;
    if (Editor.QX_GetLogFont(control, &font, &color) && ChooseControlFont(window_.Handle(), font, color))
        Editor.QX_SetLogFont(control, &font, &color);
    control_.Focus();
}

void PreferenceCommands::ChangeBackgroundColor()
{
    const HWND control = control_.Handle();
    COLORREF color = 0;
    if (Editor.QX_GetBkColor(control, &color) && ChooseBackgroundColor(window_.Handle(), color))
        Editor.QX_SetBkColor(control, &color);
    control_.Focus();
}

void PreferenceCommands::Settings()
{
    {
        TFormSettings dialog(window_.Handle(), actions_);
        dialog.LoadSettings(preferences_);
        dialog.ShowModal();
        dialog.StoreSettings(preferences_);
    }
    applyPreferences_();
    control_.Focus();
}

void PreferenceCommands::Load()
{
    ARegistry registry;
    RegistryPreferenceStore store(registry);
    ActionShortcuts shortcuts = ShortcutsOf(actions_);
    ::LoadPreferences(store, preferences_, shortcuts);
    for (size_t i = 0; i < ActionCount; ++i)
        actions_[i].SetShortCut(shortcuts[i]);
    applyPreferences_();

    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    WindowPlacement placement = ::LoadWindowState(store, screenWidth, screenHeight);
    if (placement.show == ShowState::Normal) {
        const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME);
        placement = CascadePlacement(placement, OtherEditorCorners(window_.Handle()), step, screenWidth, screenHeight);
    }
    window_.SetBounds(placement.left, placement.top, placement.width, placement.height);
    window_.SetWindowState(placement.show == ShowState::Maximised   ? TWindowState::Maximized
                           : placement.show == ShowState::Minimised ? TWindowState::Minimized
                                                                    : TWindowState::Normal);

    const HWND control = control_.Handle();
    WindowLook look;
    if (!ReadLook(control, look))
        return;
    LoadWindowLook(store, look);
    const COLORREF fontColor = look.fontColor, bkColor = look.bkColor;
    Editor.QX_SetLogFont(control, reinterpret_cast<const LOGFONTA*>(look.font.bytes.data()), &fontColor);
    Editor.QX_SetBkColor(control, &bkColor);
    // The font is kept for 96 DPI, as the control starts with its own.
    ScaleControlFont(window_.Dpi(), DesignDpi);
}

void PreferenceCommands::Store()
{
    ARegistry registry;
    RegistryPreferenceStore store(registry);
    ::SavePreferences(store, preferences_, ShortcutsOf(actions_));

    const TWindowState state = window_.WindowState();
    const ShowState show = state == TWindowState::Maximized   ? ShowState::Maximised
                           : state == TWindowState::Minimized ? ShowState::Minimised
                                                              : ShowState::Normal;
    RECT frame{};
    GetWindowRect(window_.Handle(), &frame);
    const WindowPlacement normal{frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, show};
    WindowLook look;
    if (!ReadLook(control_.Handle(), look))
        return;
    auto* font = reinterpret_cast<LOGFONTA*>(look.font.bytes.data());
    font->lfHeight = MulDiv(font->lfHeight, DesignDpi, window_.Dpi());
    font->lfWidth = MulDiv(font->lfWidth, DesignDpi, window_.Dpi());
    ::SaveWindowState(store, show, normal, look);
}

void PreferenceCommands::ScaleControlFont(int multiplier, int divisor)
{
    const HWND control = control_.Handle();
    LOGFONTA font{};
    COLORREF color = 0;
    if (!control || multiplier == divisor || !Editor.QX_GetLogFont(control, &font, &color))
        return;
    font.lfHeight = MulDiv(font.lfHeight, multiplier, divisor);
    font.lfWidth = MulDiv(font.lfWidth, multiplier, divisor);
    Editor.QX_SetLogFont(control, &font, &color);
}
