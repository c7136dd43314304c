// TFormVornalix: the editor's main window: one control, its actions, menus, tool bar and status bar.
#pragma once
#include "app/settings/ActionTable.h"
#include "app/documents/DocumentSession.h"
#include "app/settings/Preferences.h"
#include "app/find/TextPattern.h"
#include "app/win/backup/BackupService.h"
#include "app/win/tools/ChecksumRun.h"
#include "app/win/documents/FormDocumentHost.h"
#include "app/win/documents/TFrameHistory.h"
#include "app/win/tools/TFrameInspector.h"
#include "app/win/ui/TActionList.h"
#include "app/win/ui/TComboBox.h"
#include "app/win/ui/TFileDialog.h"
#include "app/win/ui/TForm.h"
#include "app/win/ui/TImageList.h"
#include "app/win/ui/TMenu.h"
#include "app/win/ui/TPanel.h"
#include "app/win/ui/TSplitter.h"
#include "app/win/ui/TStatusBar.h"
#include "app/win/ui/TTimer.h"
#include "app/win/ui/TToolBar.h"

#include "common/_CVec.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// The window hosts exactly one editing control in PanelClient and reaches it only through the
// bound exports with ControlHandle. Every action runs a handler named after it; the handlers
// of the documents, the editing list, find and replace, the jump, settings and about dialogs
// are the places those commands fill in.
class TFormVornalix final : public TForm {
public:
    explicit TFormVornalix(std::unique_ptr<BackupService> backup);
    ~TFormVornalix() override;

    // Components. The action list stands before the menu and tool bar that show its actions.
    TActionList ActionList;
    TImageList ImageList;
    TMainMenu MainMenu;
    TPanel PanelEditorTop{"PanelEditorTop"};
    TStatusBar StatusBar{"StatusBar"};
    TFrameHistory EditorHistory{"EditorHistory"};
    TPanel PanelClient{"PanelClient"};
    // The data inspector at the right of PanelClient, sized by the splitter at its left.
    TFrameInspector FrameInspector{"FrameInspector"};
    TSplitter SplitterInspector{"SplitterInspector"};
    TFileDialog OpenDialog{TFileDialog::Kind::Open};
    TFileDialog SaveDialog{TFileDialog::Kind::Save};
    TTimer Timer;
    // Brings the inspector pane up to date after a burst of keys (see RefreshInspector).
    TTimer TimerInspector;

    HWND ControlHandle = nullptr;
    ::Preferences Preferences;
    _CVec<uint8_t> FindBytes;
    // Empty when FindBytes match exactly; after a text search, one flag per byte for the ASCII
    // letters that match either case.
    _CVec<uint8_t> FindCaseFlags;
    TextSearchEntry LastTextSearch;
    _CVec<uint8_t> ReplaceBytes;
    std::unique_ptr<BackupService> Backup;
    // The shown document with its modified flag and name, and the editing list.
    FormDocumentHost DocumentsHost{*this};
    DocumentSession Documents{DocumentsHost, EditorHistory.History(), Preferences.openPath};

    [[nodiscard]] TAction& Action(ActionId action) const noexcept { return ActionList[IndexOf(action)]; }
    [[nodiscard]] TMenuItem& MenuItem(std::string_view name) const;

    // The status bar and the save action from the control's state; also the control's change
    // notification, so it only reads the control.
    void RefreshStatus();
    // Find next/previous and the editing-list actions; then the focus to the control.
    void RefreshActionStates();
    // Tab size, hints, backup timer and file filters from Preferences.
    void ApplyPreferences();

    // The shortest time between two changes of the inspector pane's rows, in milliseconds.
    static constexpr unsigned InspectorInterval = 40;

    // The tool images follow the components to another DPI.
    void ChangeScale(int multiplier, int divisor) override;

protected:
    void CreateComponents() override;
    void FormCreate() override;
    void FormShow() override;
    void FormResize() override;
    void FormCloseQuery(bool& canClose) override;
    void FormClose() override;
    void FormDestroy() override;
    bool FormMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void CreateActions();
    void CreateMenus();
    void BindHandler(ActionId action, void (TFormVornalix::*handler)(TAction& sender));
    void FocusControl() const noexcept;

    // Extension points of the documents and preferences commands.
    bool QuerySave(std::string_view actionText);
    bool LoadDocument(const std::string& fileToRead, const std::string& documentName, bool readOnly = false);
    void LoadPreferencesAndState();
    void StorePreferencesAndState();
    void DropFiles(HDROP drop);
    // The shown file against the disk, once the activation that asked for it is over.
    void CheckShownFile();
    // Logging off or shutting down: the save query of a close, then what a close stores.
    bool QueryEndSession(LPARAM flags);
    void EndSession();
    // The status bar's read-only panel follows Documents.OpenedReadOnly.
    void ShowReadOnlyPanel();
    // The control's font scaled by multiplier / divisor: it is stored for 96 DPI and shown at
    // the window's.
    void ScaleControlFont(int multiplier, int divisor);
    // The inspector pane shown or hidden, its menu item checked to match.
    void ShowInspector(bool shown);
    // When the message queue goes idle: the pane's rows follow the caret and the data, read
    // only when the caret, the data size or the data (NotifyChanged) changed. The rows change
    // at most once per InspectorInterval: a change sooner than that is shown by
    // TimerInspector at the interval's end, so held or fast keys do not wait for the pane.
    void RefreshInspector();
    void SetUpInspector();

    // Handlers.
    void PanelClientEnter();
    void EditorHistoryComboHistoryChange();
    void MenuEditClick();
    void MenuEditReadOnlyClick();
    void TimerTimer();
    void ActionFileNewExecute(TAction& sender);
    void ActionFileOpenExecute(TAction& sender);
    void ActionFileEditorNewExecute(TAction& sender);
    void ActionFileEditorOpenExecute(TAction& sender);
    void ActionFileSaveExecute(TAction& sender);
    void ActionFileSaveAsExecute(TAction& sender);
    void ActionFileExitExecute(TAction& sender);
    void ActionHelpContentsExecute(TAction& sender);
    void ActionHelpKeywordExecute(TAction& sender);
    void ActionHelpAboutExecute(TAction& sender);
    void ActionFindFindExecute(TAction& sender);
    void ActionFindNextExecute(TAction& sender);
    void ActionFindPrevExecute(TAction& sender);
    void ActionFindReplaceExecute(TAction& sender);
    void ActionPrefFontExecute(TAction& sender);
    void ActionPrefBgColorExecute(TAction& sender);
    void ActionPrefSettingsExecute(TAction& sender);
    void ActionJumpDocTopExecute(TAction& sender);
    void ActionJumpBytePosExecute(TAction& sender);
    void ActionEditorBackwardExecute(TAction& sender);
    void ActionMoveLeftExecute(TAction& sender);
    void ActionEditUndoExecute(TAction& sender);
    void ActionBookMark0Execute(TAction& sender);
    void ActionSetBookMark0Execute(TAction& sender);
    void ActionOthersTabExecute(TAction& sender);
    void ActionFindStringExecute(TAction& sender);
    void ActionToolInspectorExecute(TAction& sender);
    void ActionToolChecksumExecute(TAction& sender);

    // The edit commands.
    bool CopySelection();
    void InsertClipboard();
    void ShowHelpView(bool index);

    static void NotifyChanged();

    // The session's end was asked about and the user let it go on.
    bool sessionAsked_ = false;
    // Stopped before the window and the control go, since its workers read the control's data.
    ChecksumRun checksumRun_;
    // What the inspector pane shows: the caret and data size it was read at; stale after a
    // change of the data.
    int inspectorCaret_ = -1;
    int inspectorSize_ = -1;
    bool inspectorStale_ = true;
    ULONGLONG inspectorShownAt_ = 0;  // GetTickCount64 of the rows' last change
};
