// TFormVornalix: the documents, the editing list, dropped files, and the preferences read at start and stored at close.
#include "app/win/main/TFormVornalix.h"

#include "app/settings/WindowState.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/system/EditorProcess.h"
#include "app/win/settings/RegistryPreferenceStore.h"
#include "app/win/ui/Dpi.h"

#include "common/win/AHourglass.h"
#include "common/win/ARegistry.h"

#include <shellapi.h>

#include <cstring>
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

EditorCommand EditorCommandOf(const TAction& sender)
{
    switch (ActionByName(sender.Name()).value_or(ActionId::EditorRefresh)) {
    case ActionId::EditorBackward: return EditorCommand::Backward;
    case ActionId::EditorForward: return EditorCommand::Forward;
    case ActionId::EditorDeleteHistory: return EditorCommand::DeleteHistory;
    default: return EditorCommand::Refresh;
    }
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

// The names of a drop, in the order the system reports them.
std::vector<std::string> DroppedNames(HDROP drop)
{
    std::vector<std::string> names;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string name(length + 1, '\0');
        name.resize(DragQueryFileA(drop, i, name.data(), length + 1));
        names.push_back(std::move(name));
    }
    return names;
}

} // namespace

// ---------------------------------------------------------------------------------------
// Documents

bool TFormVornalix::QuerySave(std::string_view actionText) { return Documents.QuerySave(actionText); }

bool TFormVornalix::LoadDocument(const std::string& fileToRead, const std::string& documentName, bool readOnly)
{
    return Documents.LoadDocument(fileToRead, documentName, readOnly);
}

void TFormVornalix::ActionFileNewExecute(TAction&)
{
    Documents.FileNew();
    RefreshActionStates();
}

void TFormVornalix::ActionFileOpenExecute(TAction&)
{
    Documents.FileOpen();
    RefreshActionStates();
}

void TFormVornalix::ActionFileEditorOpenExecute(TAction&)
{
    if (const std::optional<OpenChoice> chosen = Documents.ChooseFileToOpen()) {
        const AHourglass wait;
        ::ActionFileEditorOpen(Handle(), chosen->name, chosen->readOnly);
    }
    FocusControl();
}

void TFormVornalix::ActionFileSaveExecute(TAction&)
{
    Documents.FileSave();
    RefreshActionStates();
}

void TFormVornalix::ActionFileSaveAsExecute(TAction&)
{
    Documents.FileSaveAs();
    RefreshActionStates();
}

void TFormVornalix::DropFiles(HDROP drop)
{
    const std::vector<std::string> names = DroppedNames(drop);
    DragFinish(drop);
    Documents.DropFiles(names);
    RefreshActionStates();
}

// ---------------------------------------------------------------------------------------
// The editing list

void TFormVornalix::ActionEditorBackwardExecute(TAction& sender)
{
    Documents.RunEditorCommand(EditorCommandOf(sender));
    RefreshActionStates();
}

void TFormVornalix::EditorHistoryComboHistoryChange()
{
    Documents.ComboHistoryChange();
    RefreshActionStates();
}

// ---------------------------------------------------------------------------------------
// Preferences and window state

void TFormVornalix::LoadPreferencesAndState()
{
    ARegistry registry;
    RegistryPreferenceStore store(registry);
    ActionShortcuts shortcuts;
    for (size_t i = 0; i < ActionCount; ++i)
        shortcuts[i] = ActionList[i].ShortCut();
    ::LoadPreferences(store, Preferences, shortcuts);
    for (size_t i = 0; i < ActionCount; ++i)
        ActionList[i].SetShortCut(shortcuts[i]);
    ApplyPreferences();

    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    WindowPlacement placement = ::LoadWindowState(store, screenWidth, screenHeight);
    if (placement.show == ShowState::Normal) {
        const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME);
        placement = CascadePlacement(placement, OtherEditorCorners(Handle()), step, screenWidth, screenHeight);
    }
    SetBounds(placement.left, placement.top, placement.width, placement.height);
    SetWindowState(placement.show == ShowState::Maximised   ? TWindowState::Maximized
                   : placement.show == ShowState::Minimised ? TWindowState::Minimized
                                                            : TWindowState::Normal);

    WindowLook look;
    if (!ReadLook(ControlHandle, look))
        return;
    LoadWindowLook(store, look);
    const COLORREF fontColor = look.fontColor, bkColor = look.bkColor;
    Editor.QX_SetLogFont(ControlHandle, reinterpret_cast<const LOGFONTA*>(look.font.bytes.data()), &fontColor);
    Editor.QX_SetBkColor(ControlHandle, &bkColor);
    // The font is kept for 96 DPI, as the control starts with its own.
    ScaleControlFont(Dpi(), DesignDpi);
}

void TFormVornalix::StorePreferencesAndState()
{
    ARegistry registry;
    RegistryPreferenceStore store(registry);
    ActionShortcuts shortcuts;
    for (size_t i = 0; i < ActionCount; ++i)
        shortcuts[i] = ActionList[i].ShortCut();
    ::SavePreferences(store, Preferences, shortcuts);

    const TWindowState state = WindowState();
    const ShowState show = state == TWindowState::Maximized   ? ShowState::Maximised
                           : state == TWindowState::Minimized ? ShowState::Minimised
                                                              : ShowState::Normal;
    RECT frame{};
    GetWindowRect(Handle(), &frame);
    const WindowPlacement normal{frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top, show};
    WindowLook look;
    if (!ReadLook(ControlHandle, look))
        return;
    auto* font = reinterpret_cast<LOGFONTA*>(look.font.bytes.data());
    font->lfHeight = MulDiv(font->lfHeight, DesignDpi, Dpi());
    font->lfWidth = MulDiv(font->lfWidth, DesignDpi, Dpi());
    ::SaveWindowState(store, show, normal, look);
}
