// TFormVornalix: layout, actions and menus, life-cycle handlers, status, and the handlers' forwards into the features.
#include "app/win/main/TFormVornalix.h"

#include "app/settings/WindowState.h"
#include "app/texts/ProgramTexts.h"
#include "app/win/documents/ToolImages.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/system/EditorProcess.h"
#include "app/win/ui/TApplication.h"

#include "common/AError.h"
#include "common/PathString.h"
#include "common/win/AHourglass.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
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

// The window whose ControlChanged the control's notification runs; the notification takes
// no arguments, and a process has one main window.
TFormVornalix* notifyTarget = nullptr;

// The action a handler serving several actions runs for.
ActionId IdOf(const TAction& sender) noexcept { return static_cast<ActionId>(sender.Id()); }

} // namespace

TFormVornalix::TFormVornalix(std::unique_ptr<BackupService> backup)
    : TForm("TFormVornalix"), backup_(backup ? std::move(backup) : std::make_unique<NoBackup>()),
      documents_({*this, control_, backup_, OpenDialog, SaveDialog, preferences_.showHint, [this] { RefreshStatus(); },
                  [this] { EditorHistory.ShowNames(); }},
                 EditorHistory.History(), preferences_.openPath, [this] { RefreshActionStates(); }),
      find_(*this, control_, StatusBar, preferences_.showHint, [this] { RefreshActionStates(); }),
      edit_(*this, control_, MainMenu, FrameInspector,
            [this] {
                Documents().ReadOnlyChosen();
                ShowReadOnlyPanel();
            }),
      settings_(*this, ActionList, preferences_, control_, [this] { ApplyPreferences(); }),
      help_(*this, control_),
      inspector_(*this, FrameInspector, SplitterInspector, control_, preferences_,
                 [this](bool shown) { InspectorLayoutChanged(shown); }),
      checksum_(*this, control_),
      compare_(*this, control_), patch_(*this, control_),
      records_(*this, control_, [this] { return documents_.FileNew(); }, [this] { ControlChanged(); })
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
}

TFormVornalix::~TFormVornalix()
{
    Timer.SetEnabled(false);
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

void TFormVornalix::FocusControl() const noexcept { control_.Focus(); }

void TFormVornalix::SetPreferences(const ::Preferences& preferences)
{
    preferences_ = preferences;
    ApplyPreferences();
}

// ---------------------------------------------------------------------------------------
// Actions and menus

// A failure in a handler reaches the toolkit's handling, which shows it with this window as
// the owner.
void TFormVornalix::BindHandler(ActionId action, void (TFormVornalix::*handler)(TAction& sender))
{
    Action(action).OnExecute = [this, handler](TAction& sender) { (this->*handler)(sender); };
}

void TFormVornalix::CreateActions()
{
    for (size_t i = 0; i < ActionCount; ++i) {
        const ActionInfo& info = ActionTable[i];
        TAction& action = ActionList.Add(info.name, info.category, info.caption, info.hint, info.defaultShortcut);
        action.SetId(static_cast<int>(i));
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
    BindHandler(A::ToolCompare, &F::ActionToolCompareExecute);
    BindHandler(A::EditCopyAs, &F::ActionEditCopyAsExecute);
    BindHandler(A::EditPasteHex, &F::ActionEditPasteHexExecute);
    BindHandler(A::EditFill, &F::ActionEditFillExecute);
    BindHandler(A::FindNumber, &F::ActionFindNumberExecute);
    BindHandler(A::ToolExportIntelHex, &F::ActionToolExportIntelHexExecute);
    BindHandler(A::ToolExportSRecord, &F::ActionToolExportSRecordExecute);
    BindHandler(A::ToolImportRecords, &F::ActionToolImportRecordsExecute);
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
    MenuItem("MenuEdit").OnClick = [this] { MenuEditClick(); };
    MenuItem("MenuEditReadOnly").OnClick = [this] { MenuEditReadOnlyClick(); };
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
    EditorHistory.OnComboHistoryChange = [this] { EditorHistoryComboHistoryChange(); };
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
        inspector_.SplitterMoved();
        FormResize();
    };
    SplitterInspector.Create(*this);

    PanelClient.SetAlign(TAlign::Client);
    PanelClient.SetBevelOuter(TBevel::Lowered);
    PanelClient.OnEnter = [this] { PanelClientEnter(); };
    PanelClient.Create(*this);
}

void TFormVornalix::InspectorLayoutChanged(bool shown)
{
    MenuItem("MenuToolInspector").SetChecked(shown);
    Realign();
    FormResize();
}

// ---------------------------------------------------------------------------------------
// Life cycle

void TFormVornalix::FormCreate()
{
    const AHourglass wait;
    control_ = EditorControl(Editor.QX_Create(Handle(), PanelClient.Handle(), WS_TABSTOP));
    if (!ControlHandle())
        throw ASystemError("QX_Create");
    notifyTarget = this;
    Editor.QX_SetNotifyChanged(ControlHandle(), NotifyChanged);
    FocusControl();

    settings_.Load();
    inspector_.Show(preferences_.inspectorShown);

    const TStartArguments start = backup_->Start(Handle());
    Editor.QX_SetModified(ControlHandle(), !SameName(start.FileToLoad, start.DocumentName));
    Documents().ControlChanged();
    if (start.RecoveryStart)
        documents_.ExpectRecovery(start.FileToLoad);
    Documents().LoadDocument(start.FileToLoad, start.DocumentName, start.ReadOnly);
    if (start.CaretOffset >= 0) {
        const LONGLONG last = Editor.QX_GetDataSize64(ControlHandle()) - 1;
        Editor.QX_SetCaretPos64(ControlHandle(), 2 * std::min<LONGLONG>(start.CaretOffset, std::max<LONGLONG>(last, 0)));
    }
    // Several files dropped on the program's icon: one editor each for the others.
    for (const std::wstring& further : start.FurtherFiles)
        ActionFileEditorOpen(Handle(), further);
    RefreshActionStates();
}

void TFormVornalix::FormShow() { DragAcceptFiles(Handle(), TRUE); }

void TFormVornalix::FormClose() { DragAcceptFiles(Handle(), FALSE); }

// The main window is destroyed before its children: a checksum run stops before the control
// frees the data it reads, whichever way the window goes.
void TFormVornalix::FormDestroy()
{
    checksum_.Stop();
    compare_.Stop();
}

void TFormVornalix::FormResize()
{
    if (!ControlHandle())
        return;
    const RECT client = PanelClient.ClientRect();
    MoveWindow(ControlHandle(), client.left + 1, client.top + 1, client.right - client.left - 2,
               client.bottom - client.top - 2, TRUE);
    ShowWindow(ControlHandle(), SW_SHOW);
}

void TFormVornalix::FormCloseQuery(bool& canClose)
{
    canClose = Documents().QuerySave(kTextQueryExit);
    if (canClose)
        settings_.Store();
}

bool TFormVornalix::FormMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_DROPFILES:
        documents_.DropFiles(reinterpret_cast<HDROP>(wParam));
        result = 0;
        return true;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            PostMessageA(Handle(), kCheckShownFileMessage, 0, 0);
        return false;
    case kCheckShownFileMessage:
        documents_.CheckShownFile();
        result = 0;
        return true;
    case WM_DPICHANGED:
        // The components follow in the toolkit's own handling.
        settings_.ScaleControlFont(HIWORD(wParam), Dpi());
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

bool TFormVornalix::QueryEndSession(LPARAM flags)
{
    // A critical end does not wait for answers: nothing is asked, and the backup stays.
    sessionAsked_ = false;
    if (flags & ENDSESSION_CRITICAL)
        return true;
    try {
        sessionAsked_ = Documents().QuerySave(kTextQueryExit);
    } catch (const std::bad_alloc&) {
        // The answer to the system is still due: the session's end is refused.
        Application.HandleException(Handle());
    }
    return sessionAsked_;
}

void TFormVornalix::EndSession()
{
    // The end may come while a checksum run dispatches sent messages: its workers stop first,
    // so they neither read what goes below nor slow the backup.
    checksum_.Stop();
    Timer.SetEnabled(false);
    settings_.Store();
    if (!sessionAsked_ && Documents().ModifiedFlag()) {
        // Ended without asking: the backup and this editor's record stay as after a crash,
        // so the next start recovers the unsaved changes.
        backup_->WriteBackup(ControlHandle());
        (void)backup_.release();
    }
    // Any other end cleans up as a close does: the manager's end deletes the backup.
    backup_ = std::make_unique<NoBackup>();
    FormClose();
    DestroyHandle();
}

// ---------------------------------------------------------------------------------------
// Preferences, status and enabling

void TFormVornalix::ApplyPreferences()
{
    Editor.QX_SetTabSize(ControlHandle(), preferences_.tabSize);
    Editor.QX_SetSelectMode(ControlHandle(), preferences_.mouseSelect ? QX_SELECT_MOUSE_SHIFT : QX_SELECT_BLOCK);
    SetShowHint(preferences_.showHint);
    Timer.SetInterval(BackupTimerInterval(preferences_.backupInterval));
    OpenDialog.SetFilter(preferences_.fileFilter);
    SaveDialog.SetFilter(preferences_.fileFilter);
}

void TFormVornalix::NotifyChanged()
{
    if (notifyTarget)
        notifyTarget->ControlChanged();
}

void TFormVornalix::ControlChanged()
{
    inspector_.DataChanged();
    compare_.DocumentChanged();
    Documents().ControlChanged();
}

void TFormVornalix::RefreshStatus()
{
    if (!ControlHandle())
        return;
    const bool modified = Documents().ModifiedFlag();
    EditorHistory.SetSaveEnabled(modified);
    Action(ActionId::FileSave).SetEnabled(modified);
    StatusBar.SetPanelText(1, modified ? kTextModifiedMark : "");
    StatusBar.SetPanelText(0, std::to_string(control_.dataSize()));
    ShowReadOnlyPanel();
    StatusBar.Repaint();
}

void TFormVornalix::ShowReadOnlyPanel()
{
    const int width = Documents().OpenedReadOnly() ? Scaled(kReadOnlyPanelWidth) : 0;
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

void TFormVornalix::RefreshActionStates()
{
    Action(ActionId::FindNext).SetEnabled(find_.CanSearchAgain());
    Action(ActionId::FindPrev).SetEnabled(find_.CanSearchAgain());
    const int count = EditorHistory.ComboHistory.Count();
    const int selected = EditorHistory.ComboHistory.ItemIndex();
    Action(ActionId::EditorBackward).SetEnabled(selected + 1 != count);
    Action(ActionId::EditorForward).SetEnabled(selected != 0);
    Action(ActionId::EditorDeleteHistory).SetEnabled(selected >= 0 && selected < count - 1);
    FocusControl();
}

// ---------------------------------------------------------------------------------------
// The backup tick

void TFormVornalix::TimerTimer()
{
    // Undo and redo change the data without the control's flag: its changes since the last
    // backup tell as well. A base file changed by another program needs a backup of its own.
    if (!ControlHandle() ||
        (!Editor.QX_IsModified(ControlHandle()) && Editor.QX_GetChanges(ControlHandle(), nullptr, 0) <= 0 &&
         !backup_->BaseChanged()))
        return;
    // A backup that could not be written leaves the flag set, so the next tick tries again.
    if (backup_->WriteBackup(ControlHandle()))
        Editor.QX_SetModified(ControlHandle(), false);
}

// ---------------------------------------------------------------------------------------
// Handlers: each forwards to the feature that owns the command.

void TFormVornalix::PanelClientEnter() { FocusControl(); }
void TFormVornalix::EditorHistoryComboHistoryChange() { documents_.ComboHistoryChange(); }
void TFormVornalix::MenuEditClick() { edit_.EditMenuOpening(); }
void TFormVornalix::MenuEditReadOnlyClick() { edit_.SwitchReadOnly(); }
void TFormVornalix::ActionFileNewExecute(TAction&) { documents_.FileNew(); }
void TFormVornalix::ActionFileOpenExecute(TAction&) { documents_.FileOpen(); }
void TFormVornalix::ActionFileEditorNewExecute(TAction&) { documents_.FileEditorNew(); }
void TFormVornalix::ActionFileEditorOpenExecute(TAction&) { documents_.FileEditorOpen(); }
void TFormVornalix::ActionFileSaveExecute(TAction&) { documents_.FileSave(); }
void TFormVornalix::ActionFileSaveAsExecute(TAction&) { documents_.FileSaveAs(); }
// Closing goes through FormCloseQuery like every other way of closing the window.
void TFormVornalix::ActionFileExitExecute(TAction&) { Close(); }
void TFormVornalix::ActionHelpContentsExecute(TAction&) { help_.Contents(); }
void TFormVornalix::ActionHelpKeywordExecute(TAction&) { help_.Keyword(); }
void TFormVornalix::ActionHelpAboutExecute(TAction&) { help_.About(); }
void TFormVornalix::ActionFindFindExecute(TAction&) { find_.Find(); }
void TFormVornalix::ActionFindNextExecute(TAction&) { find_.FindNext(); }
void TFormVornalix::ActionFindPrevExecute(TAction&) { find_.FindPrev(); }
void TFormVornalix::ActionFindReplaceExecute(TAction&) { find_.Replace(); }
void TFormVornalix::ActionFindStringExecute(TAction&) { find_.FindString(); }
void TFormVornalix::ActionJumpBytePosExecute(TAction&) { find_.JumpBytePos(); }
void TFormVornalix::ActionPrefFontExecute(TAction&) { settings_.ChangeFont(); }
void TFormVornalix::ActionPrefBgColorExecute(TAction&) { settings_.ChangeBackgroundColor(); }
void TFormVornalix::ActionPrefSettingsExecute(TAction&) { settings_.Settings(); }
void TFormVornalix::ActionJumpDocTopExecute(TAction& sender) { edit_.Move(IdOf(sender)); }
void TFormVornalix::ActionMoveLeftExecute(TAction& sender) { edit_.Move(IdOf(sender)); }
void TFormVornalix::ActionEditUndoExecute(TAction& sender) { edit_.Edit(IdOf(sender)); }
void TFormVornalix::ActionBookMark0Execute(TAction& sender) { edit_.GoBookMark(IdOf(sender)); }
void TFormVornalix::ActionSetBookMark0Execute(TAction& sender) { edit_.SetBookMark(IdOf(sender)); }
void TFormVornalix::ActionOthersTabExecute(TAction&) { edit_.Tab(); }
void TFormVornalix::ActionEditorBackwardExecute(TAction& sender) { documents_.RunEditorCommand(IdOf(sender)); }
void TFormVornalix::ActionToolInspectorExecute(TAction&) { inspector_.Toggle(); }
void TFormVornalix::ActionToolChecksumExecute(TAction&) { checksum_.Run(); }
void TFormVornalix::ActionToolCompareExecute(TAction&) { compare_.Run(); }
void TFormVornalix::ActionEditCopyAsExecute(TAction&) { patch_.CopyAs(); }
void TFormVornalix::ActionEditPasteHexExecute(TAction&) { patch_.PasteHex(); }
void TFormVornalix::ActionEditFillExecute(TAction&) { patch_.Fill(); }
void TFormVornalix::ActionFindNumberExecute(TAction&) { find_.FindNumber(); }
void TFormVornalix::ActionToolExportIntelHexExecute(TAction&) { records_.Export(RecordFormat::IntelHex); }
void TFormVornalix::ActionToolExportSRecordExecute(TAction&) { records_.Export(RecordFormat::SRecord); }
void TFormVornalix::ActionToolImportRecordsExecute(TAction&) { records_.Import(); }
