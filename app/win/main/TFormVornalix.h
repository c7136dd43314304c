// TFormVornalix: the editor's main window: one control, the components around it, and the features it composes.
#pragma once
#include "app/settings/ActionTable.h"
#include "app/settings/Preferences.h"
#include "app/win/backup/BackupService.h"
#include "app/win/compare/CompareCommand.h"
#include "app/win/documents/DocumentCommands.h"
#include "app/win/documents/TFrameHistory.h"
#include "app/win/find/FindCommands.h"
#include "app/win/main/EditCommands.h"
#include "app/win/main/HelpCommands.h"
#include "app/win/settings/PreferenceCommands.h"
#include "app/win/system/EditorControl.h"
#include "app/win/tools/ChecksumCommand.h"
#include "app/win/patching/PatchCommands.h"
#include "app/win/tools/InspectorPane.h"
#include "app/win/tools/TFrameInspector.h"
#include "app/win/ui/TActionList.h"
#include "app/win/ui/TFileDialog.h"
#include "app/win/ui/TForm.h"
#include "app/win/ui/TImageList.h"
#include "app/win/ui/TMenu.h"
#include "app/win/ui/TPanel.h"
#include "app/win/ui/TSplitter.h"
#include "app/win/ui/TStatusBar.h"
#include "app/win/ui/TTimer.h"

#include <memory>
#include <string_view>

// The window hosts exactly one editing control in PanelClient and reaches it only through the
// bound exports. It creates the components, binds each action to the handler named after it,
// and each handler forwards to the feature that owns the command and its state: documents and
// the editing list, find and replace, the edit commands, preferences, help, the inspector pane,
// the checksums and the compare window. A new feature adds its object and its bindings here, nothing else.
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

    // The editing control, made when the window is.
    [[nodiscard]] HWND ControlHandle() const noexcept { return control_.Handle(); }
    [[nodiscard]] const ::Preferences& Preferences() const noexcept { return preferences_; }
    // New preferences, put into effect at once.
    void SetPreferences(const ::Preferences& preferences);
    // The shown document, its modified flag and name, and the editing list.
    [[nodiscard]] DocumentSession& Documents() noexcept { return documents_.Session(); }

    [[nodiscard]] TAction& Action(ActionId action) const noexcept { return ActionList[IndexOf(action)]; }
    [[nodiscard]] TMenuItem& MenuItem(std::string_view name) const;

    // The status bar and the save command from the session's modified flag and the control's
    // data size; it only reads.
    void RefreshStatus();
    // Find next/previous and the editing-list actions; then the focus to the control.
    void RefreshActionStates();
    // Tab size, hints, backup timer and file filters from the preferences.
    void ApplyPreferences();

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

    // The control's change notification.
    void ControlChanged();
    // Logging off or shutting down: the save query of a close, then what a close stores.
    bool QueryEndSession(LPARAM flags);
    void EndSession();
    // The status bar's read-only panel follows the session's OpenedReadOnly.
    void ShowReadOnlyPanel();
    // The inspector pane was shown or hidden.
    void InspectorLayoutChanged(bool shown);

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
    void ActionToolCompareExecute(TAction& sender);
    void ActionEditCopyAsExecute(TAction& sender);
    void ActionEditPasteHexExecute(TAction& sender);
    void ActionEditFillExecute(TAction& sender);

    static void NotifyChanged();

    EditorControl control_{nullptr};
    ::Preferences preferences_;
    std::unique_ptr<BackupService> backup_;
    // The session's end was asked about and the user let it go on.
    bool sessionAsked_ = false;

    // The features, each owning its commands' state.
    DocumentCommands documents_;
    FindCommands find_;
    EditCommands edit_;
    PreferenceCommands settings_;
    HelpCommands help_;
    InspectorPane inspector_;
    // Stopped before the window and the control go, since its workers read the control's data.
    ChecksumCommand checksum_;
    // Its window reads the control: it goes before the control does.
    CompareCommand compare_;
    PatchCommands patch_;
};
