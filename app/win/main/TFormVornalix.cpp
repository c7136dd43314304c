// TFormVornalix: layout, actions and menus, life-cycle handlers, status and preferences.
#include "app/win/main/TFormVornalix.h"

#include "app/win/system/EditorLibrary.h"
#include "app/win/system/EditorProcess.h"
#include "app/texts/ProgramTexts.h"
#include "app/win/main/ToolImages.h"
#include "app/win/ui/Dpi.h"
#include "app/win/ui/TApplication.h"
#include "app/settings/WindowState.h"

#include "common/AError.h"
#include "common/PathString.h"
#include "common/win/AHourglass.h"
#include "common/win/MessageBox.h"

#include <commdlg.h>
#include <shellapi.h>

#include <new>
#include <stdexcept>
#include <string>

namespace {

constexpr char kMainFontFace[] = "ＭＳ ゴシック";
constexpr int kFontHeight = 15;
constexpr int kStatusBarWidth = 140;
constexpr int kReadOnlyPanelWidth = 100;
constexpr int kReadOnlyPanel = 2;
constexpr int kSplitterWidth = 4;
// Posted at activation: the check of the shown file runs after the activation is over.
constexpr UINT kCheckShownFileMessage = WM_APP + 1;

// The window whose RefreshStatus the control's notification runs; the notification takes
// no arguments, and a process has one main window.
TFormVornalix* notifyTarget = nullptr;

} // namespace

TFormVornalix::TFormVornalix(std::unique_ptr<BackupService> backup)
    : TForm("TFormVornalix"), Backup(backup ? std::move(backup) : std::make_unique<NoBackup>())
{
    SetCaption(kTextMainCaption);
    SetClientSize(458, 289);
    SetMinSize(MainWindowMinWidth, MainWindowMinHeight);
    SetFont(TFont(kMainFontFace, kFontHeight));
    // Tab, Enter and Esc belong to the control (or to actions), not to dialog navigation.
    SetDialogKeys(false);
    AddToolImages(ImageList);
    CreateActions();
    CreateMenus();
    SetMenu(MainMenu);
    SetActionList(ActionList);
    OpenDialog.SetTitle(kTextOpenDialogTitle);
    SaveDialog.SetTitle(kTextSaveDialogTitle);
    SaveDialog.SetOptions(OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING);
    Timer.SetInterval(30000);
    Timer.OnTimer = [this] { TimerTimer(); };
    SetUpInspector();
}

TFormVornalix::~TFormVornalix()
{
    Timer.SetEnabled(false);
    TimerInspector.SetEnabled(false);
    Application.OnIdle = nullptr;
    DestroyHandle();
    if (notifyTarget == this)
        notifyTarget = nullptr;
}

TMenuItem& TFormVornalix::MenuItem(std::string_view name) const
{
    TMenuItem* item = MainMenu.Find(name);
    if (!item)
        throw std::logic_error("no such menu item");
    return *item;
}

void TFormVornalix::FocusControl() const noexcept
{
    if (ControlHandle)
        ::SetFocus(ControlHandle);
}

// ---------------------------------------------------------------------------------------
// Actions and menus

void TFormVornalix::BindHandler(ActionId action, void (TFormVornalix::*handler)(TAction& sender))
{
    Action(action).OnExecute = [this, handler](TAction& sender) {
        try {
            (this->*handler)(sender);
        } catch (const std::bad_alloc&) {
            ShowOutOfMemory(Handle());
        }
    };
}

void TFormVornalix::CreateActions()
{
    for (const ActionInfo& info : ActionTable) {
        TAction& action = ActionList.Add(info.name, info.category, info.caption, info.hint, info.defaultShortcut);
        action.SetEnabled(info.enabled);
        action.SetVisible(info.visible);
        action.SetImageIndex(info.imageIndex);
    }
    using A = ActionId;
    using F = TFormVornalix;
    BindHandler(A::FileNew, &F::ActionFileNewExecute);
    BindHandler(A::FileOpen, &F::ActionFileOpenExecute);
    BindHandler(A::FileEditorNew, &F::ActionFileEditorNewExecute);
    BindHandler(A::FileEditorOpen, &F::ActionFileEditorOpenExecute);
    BindHandler(A::FileSave, &F::ActionFileSaveExecute);
    BindHandler(A::FileSaveAs, &F::ActionFileSaveAsExecute);
    BindHandler(A::FileExit, &F::ActionFileExitExecute);
    BindHandler(A::HelpContents, &F::ActionHelpContentsExecute);
    BindHandler(A::HelpKeyword, &F::ActionHelpKeywordExecute);
    BindHandler(A::HelpAbout, &F::ActionHelpAboutExecute);
    BindHandler(A::FindFind, &F::ActionFindFindExecute);
    BindHandler(A::FindNext, &F::ActionFindNextExecute);
    BindHandler(A::FindPrev, &F::ActionFindPrevExecute);
    BindHandler(A::FindReplace, &F::ActionFindReplaceExecute);
    BindHandler(A::PrefFont, &F::ActionPrefFontExecute);
    BindHandler(A::PrefBgColor, &F::ActionPrefBgColorExecute);
    BindHandler(A::PrefSettings, &F::ActionPrefSettingsExecute);
    BindHandler(A::JumpBytePos, &F::ActionJumpBytePosExecute);
    BindHandler(A::OthersTab, &F::ActionOthersTabExecute);
    BindHandler(A::FindString, &F::ActionFindStringExecute);
    BindHandler(A::ToolInspector, &F::ActionToolInspectorExecute);
    BindHandler(A::ToolChecksum, &F::ActionToolChecksumExecute);
    for (A action : {A::JumpDocTop, A::JumpDocEnd, A::JumpPageUp, A::JumpPageDown, A::JumpLineTop, A::JumpLineEnd})
        BindHandler(action, &F::ActionJumpDocTopExecute);
    for (A action : {A::MoveLeft, A::MoveRight, A::MoveUp, A::MoveDown})
        BindHandler(action, &F::ActionMoveLeftExecute);
    for (A action : {A::EditUndo, A::EditRedo, A::EditSelBegin, A::EditSelEnd, A::EditHideSel, A::EditCut, A::EditCopy,
                     A::EditDelete, A::EditInsert})
        BindHandler(action, &F::ActionEditUndoExecute);
    for (A action : {A::EditorBackward, A::EditorForward, A::EditorRefresh, A::EditorDeleteHistory})
        BindHandler(action, &F::ActionEditorBackwardExecute);
    for (int digit = 0; digit < 10; ++digit) {
        BindHandler(static_cast<A>(IndexOf(A::BookMark0) + static_cast<size_t>(digit)), &F::ActionBookMark0Execute);
        BindHandler(static_cast<A>(IndexOf(A::SetBookMark0) + static_cast<size_t>(digit)), &F::ActionSetBookMark0Execute);
    }
}

void TFormVornalix::CreateMenus()
{
    for (const MenuInfo& menu : MainMenuTable) {
        TMenuItem& bar = MainMenu.Add(menu.name, menu.caption);
        for (const MenuItemInfo& item : menu.items) {
            switch (item.kind) {
            case MenuItemKind::Separator:
                bar.AddSeparator();
                break;
            case MenuItemKind::Action:
                bar.Add(item.name, {}).SetAction(&Action(item.action));
                break;
            case MenuItemKind::Check:
                bar.Add(item.name, item.caption);
                break;
            }
        }
    }
    const auto guarded = [this](void (TFormVornalix::*handler)()) {
        return [this, handler] {
            try {
                (this->*handler)();
            } catch (const std::bad_alloc&) {
                ShowOutOfMemory(Handle());
            }
        };
    };
    MenuItem("MenuEdit").OnClick = guarded(&TFormVornalix::MenuEditClick);
    MenuItem("MenuEditReadOnly").OnClick = guarded(&TFormVornalix::MenuEditReadOnlyClick);
}

// ---------------------------------------------------------------------------------------
// Layout

void TFormVornalix::CreateComponents()
{
    PanelEditorTop.SetAlign(TAlign::Top);
    PanelEditorTop.SetHeight(27);
    PanelEditorTop.SetBevelInner(TBevel::Raised);
    PanelEditorTop.SetBevelOuter(TBevel::Lowered);
    PanelEditorTop.Create(*this);

    StatusBar.SetAlign(TAlign::Right);
    StatusBar.SetWidth(kStatusBarWidth);
    StatusBar.SetSizeGrip(false);
    StatusBar.AddPanel(80, TTextAlign::Center);
    StatusBar.AddPanel(30, TTextAlign::Center);
    StatusBar.AddPanel(0, TTextAlign::Center);
    StatusBar.Create(PanelEditorTop);

    EditorHistory.SetAlign(TAlign::Client);
    EditorHistory.SetActions(ActionList, ImageList);
    EditorHistory.OnComboHistoryChange = [this] {
        try {
            EditorHistoryComboHistoryChange();
        } catch (const std::bad_alloc&) {
            ShowOutOfMemory(Handle());
        }
    };
    EditorHistory.Create(PanelEditorTop);

    // Right-aligned controls stand right to left in creation order: the pane, then its splitter.
    FrameInspector.SetAlign(TAlign::Right);
    FrameInspector.SetWidth(InspectorDefaultWidth);
    FrameInspector.SetVisible(false);
    FrameInspector.Create(*this);
    SplitterInspector.SetAlign(TAlign::Right);
    SplitterInspector.SetWidth(kSplitterWidth);
    SplitterInspector.SetVisible(false);
    SplitterInspector.SetControl(&FrameInspector);
    SplitterInspector.SetMinSize(InspectorMinWidth);
    SplitterInspector.OnMoved = [this] {
        Preferences.inspectorWidth = MulDiv(FrameInspector.Width(), DesignDpi, Dpi());
        FormResize();
    };
    SplitterInspector.Create(*this);

    PanelClient.SetAlign(TAlign::Client);
    PanelClient.SetBevelOuter(TBevel::Lowered);
    PanelClient.OnEnter = [this] { PanelClientEnter(); };
    PanelClient.Create(*this);
}

// ---------------------------------------------------------------------------------------
// Life cycle

void TFormVornalix::FormCreate()
{
    const AHourglass wait;
    ControlHandle = Editor.QX_Create(Handle(), PanelClient.Handle(), WS_TABSTOP);
    if (!ControlHandle)
        throw ASystemError("QX_Create");
    notifyTarget = this;
    Editor.QX_SetNotifyChanged(ControlHandle, NotifyChanged);
    FocusControl();

    LoadPreferencesAndState();
    ShowInspector(Preferences.inspectorShown);

    const TStartArguments start = Backup->Start(Handle());
    Editor.QX_SetModified(ControlHandle, !SameName(start.FileToLoad, start.DocumentName));
    RefreshStatus();
    if (start.RecoveryStart)
        DocumentsHost.ExpectRecovery(start.FileToLoad);
    LoadDocument(start.FileToLoad, start.DocumentName, start.ReadOnly);
    // Several files dropped on the program's icon: one editor each for the others.
    for (const std::string& further : start.FurtherFiles)
        ActionFileEditorOpen(Handle(), further);
    RefreshActionStates();
}

void TFormVornalix::FormShow() { DragAcceptFiles(Handle(), TRUE); }

void TFormVornalix::FormClose() { DragAcceptFiles(Handle(), FALSE); }

// The main window is destroyed before its children: a checksum run stops before the control
// frees the data it reads, whichever way the window goes.
void TFormVornalix::FormDestroy() { checksumRun_.Stop(); }

void TFormVornalix::FormResize()
{
    if (!ControlHandle)
        return;
    const RECT client = PanelClient.ClientRect();
    MoveWindow(ControlHandle, client.left + 1, client.top + 1, client.right - client.left - 2,
               client.bottom - client.top - 2, TRUE);
    ShowWindow(ControlHandle, SW_SHOW);
}

void TFormVornalix::PanelClientEnter() { FocusControl(); }

void TFormVornalix::FormCloseQuery(bool& canClose)
{
    canClose = QuerySave(ExitQueryText);
    if (canClose)
        StorePreferencesAndState();
}

bool TFormVornalix::FormMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_DROPFILES:
        DropFiles(reinterpret_cast<HDROP>(wParam));
        result = 0;
        return true;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            PostMessageA(Handle(), kCheckShownFileMessage, 0, 0);
        return false;
    case kCheckShownFileMessage:
        CheckShownFile();
        result = 0;
        return true;
    case WM_DPICHANGED:
        // The components follow in the toolkit's own handling.
        ScaleControlFont(HIWORD(wParam), Dpi());
        return false;
    case WM_QUERYENDSESSION:
        result = QueryEndSession(lParam) ? TRUE : FALSE;
        return true;
    case WM_ENDSESSION:
        if (wParam)
            EndSession();
        else
            sessionAsked_ = false;
        result = 0;
        return true;
    default:
        return false;
    }
}

void TFormVornalix::CheckShownFile()
{
    // A modal window of ours is up: the next activation checks.
    if (!IsWindowEnabled(Handle()))
        return;
    try {
        Documents.CheckShownFile();
    } catch (const std::bad_alloc&) {
        ShowOutOfMemory(Handle());
    }
    RefreshActionStates();
}

bool TFormVornalix::QueryEndSession(LPARAM flags)
{
    // A critical end does not wait for answers: nothing is asked, and the backup stays.
    sessionAsked_ = false;
    if (flags & ENDSESSION_CRITICAL)
        return true;
    try {
        sessionAsked_ = QuerySave(ExitQueryText);
    } catch (const std::bad_alloc&) {
        ShowOutOfMemory(Handle());
    }
    return sessionAsked_;
}

void TFormVornalix::EndSession()
{
    // The end may come while a checksum run dispatches sent messages: its workers stop first,
    // so they neither read what goes below nor slow the backup.
    checksumRun_.Stop();
    Timer.SetEnabled(false);
    StorePreferencesAndState();
    if (!sessionAsked_ && Documents.ModifiedFlag()) {
        // Ended without asking: the backup and this editor's record stay as after a crash,
        // so the next start recovers the unsaved changes.
        Backup->WriteBackup(ControlHandle);
        (void)Backup.release();
    }
    // Any other end cleans up as a close does: the manager's end deletes the backup.
    Backup = std::make_unique<NoBackup>();
    FormClose();
    DestroyHandle();
}

// ---------------------------------------------------------------------------------------
// Documents and preferences

void TFormVornalix::ApplyPreferences()
{
    Editor.QX_SetTabSize(ControlHandle, Preferences.tabSize);
    SetShowHint(Preferences.showHint);
    Timer.SetInterval(BackupTimerInterval(Preferences.backupInterval));
    OpenDialog.SetFilter(Preferences.fileFilter);
    SaveDialog.SetFilter(Preferences.fileFilter);
}

// ---------------------------------------------------------------------------------------
// Status and enabling

void TFormVornalix::NotifyChanged()
{
    if (!notifyTarget)
        return;
    notifyTarget->inspectorStale_ = true;
    notifyTarget->RefreshStatus();
}

void TFormVornalix::RefreshStatus()
{
    if (!ControlHandle)
        return;
    if (!Documents.ModifiedFlag()) {
        const bool modified = Documents.NoteControlModified(Editor.QX_IsModified(ControlHandle));
        EditorHistory.SetSaveEnabled(modified);
        Action(ActionId::FileSave).SetEnabled(modified);
        StatusBar.SetPanelText(1, modified ? kTextModifiedMark : "");
    }
    StatusBar.SetPanelText(0, std::to_string(Editor.QX_GetDataSize(ControlHandle)));
    ShowReadOnlyPanel();
    StatusBar.Repaint();
}

void TFormVornalix::ShowReadOnlyPanel()
{
    const int width = Documents.OpenedReadOnly() ? Scaled(kReadOnlyPanelWidth) : 0;
    if (StatusBar.PanelWidth(kReadOnlyPanel) == width)
        return;
    StatusBar.SetPanelText(kReadOnlyPanel, width ? kTextReadOnlyMark : "");
    StatusBar.SetPanelWidth(kReadOnlyPanel, width);
    StatusBar.SetWidth(Scaled(kStatusBarWidth) + width);
    PanelEditorTop.Realign();
}

void TFormVornalix::ChangeScale(int multiplier, int divisor)
{
    ImageList.SetImageSize(MulDiv(ImageList.ImageSize(), multiplier, divisor));
    TForm::ChangeScale(multiplier, divisor);
}

void TFormVornalix::ScaleControlFont(int multiplier, int divisor)
{
    LOGFONTA font{};
    COLORREF color = 0;
    if (!ControlHandle || multiplier == divisor || !Editor.QX_GetLogFont(ControlHandle, &font, &color))
        return;
    font.lfHeight = MulDiv(font.lfHeight, multiplier, divisor);
    font.lfWidth = MulDiv(font.lfWidth, multiplier, divisor);
    Editor.QX_SetLogFont(ControlHandle, &font, &color);
}

void TFormVornalix::RefreshActionStates()
{
    Action(ActionId::FindNext).SetEnabled(!FindBytes.empty());
    Action(ActionId::FindPrev).SetEnabled(!FindBytes.empty());
    const int count = EditorHistory.ComboHistory.Count();
    const int selected = EditorHistory.ComboHistory.ItemIndex();
    Action(ActionId::EditorBackward).SetEnabled(selected + 1 != count);
    Action(ActionId::EditorForward).SetEnabled(selected != 0);
    Action(ActionId::EditorDeleteHistory).SetEnabled(selected >= 0 && selected < count - 1);
    FocusControl();
}
