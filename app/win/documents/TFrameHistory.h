// TFrameHistory: the editing-list bar: tool buttons bound to the document actions and the combo box of names.
#pragma once
#include "app/documents/HistoryNames.h"
#include "app/win/ui/TComboBox.h"
#include "app/win/ui/TPanel.h"
#include "app/win/ui/TToolBar.h"

#include <functional>
#include <string>

class TAction;
class TActionList;
class TImageList;

// The combo box shows History(): the names newest first and "[無題]" last. The program changes
// the names through History() and then calls ShowNames; a pick of the user selects the item in
// History() (ShownName stays) and runs OnComboHistoryChange. The buttons are bound to their
// actions, so enabling a button means enabling its action.
class TFrameHistory final : public TFrame {
public:
    static constexpr int DropDownRows = 16;

    explicit TFrameHistory(std::string name);

    // The action list holding the editing-list and file actions, and the tool images; set
    // before the frame is created.
    void SetActions(TActionList& actions, TImageList& images);

    [[nodiscard]] HistoryNames& History() noexcept { return history_; }
    [[nodiscard]] const HistoryNames& History() const noexcept { return history_; }

    // The combo box takes History()'s items and selection; then RefreshButtons.
    void ShowNames();
    void SetSaveEnabled(bool enabled);
    // Back, forward, save and delete by the selection and the save flag.
    void RefreshButtons();
    // The combo box fills the bar after the last separator.
    void ToolBarResize();

    std::function<void()> OnComboHistoryChange;

    TToolBar ToolBar{"ToolBar"};
    TComboBox ComboHistory{"ComboHistory"};

protected:
    void CreateComponents() override;

private:
    void ComboHistoryChange();

    HistoryNames history_;
    TActionList* actions_ = nullptr;
    TImageList* images_ = nullptr;
};
