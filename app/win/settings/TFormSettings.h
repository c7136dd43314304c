// TFormSettings: the settings dialog: shortcuts of every action, backup interval, file filters, hints, tab size and mouse selection.
#pragma once
#include "app/settings/ActionTable.h"
#include "app/ui/FileFilterList.h"
#include "app/settings/Preferences.h"
#include "app/win/ui/TButton.h"
#include "app/win/ui/TCheckBox.h"
#include "app/win/ui/TComboBox.h"
#include "app/win/ui/TForm.h"
#include "app/win/ui/TLabel.h"
#include "app/win/ui/TListBox.h"
#include "app/win/ui/TPageControl.h"

#include <vector>

class TActionList;

// Shortcut changes act on the actions at once; the other settings go through LoadSettings and
// StoreSettings. There is no Cancel: the values are taken however the dialog is closed.
class TFormSettings : public TForm {
public:
    // `actions` is the main window's action list, in the order of the action table.
    TFormSettings(HWND owner, TActionList& actions);
    ~TFormSettings() override;

    void LoadSettings(const ::Preferences& preferences);
    void StoreSettings(::Preferences& preferences) const;

    TPageControl PageSettings{"PageSettings"};
    TTabSheet SheetKeyboard{"SheetKeyboard"};
    TListBox ListKeyboardCategory{"ListKeyboardCategory"};
    TListBox ListKeyboardAction{"ListKeyboardAction"};
    TLabel LabelKeyboardShortcut{"LabelKeyboardShortcut"};
    TLabel InfoKeyboardShortcut{"InfoKeyboardShortcut"};
    TListBox ListKeyboardShortcut{"ListKeyboardShortcut"};
    TButton ButtonKeyboardSet{"ButtonKeyboardSet"};
    TLabel InfoKeyboardExplanation{"InfoKeyboardExplanation"};

    TTabSheet SheetAbnormalTermination{"SheetAbnormalTermination"};
    TLabel LabelBackupTime{"LabelBackupTime"};
    TComboBox ComboBackupTime{"ComboBackupTime"};
    TLabel LabelBackupExplanation[4]{TLabel{"LabelBackupExplanation1"}, TLabel{"LabelBackupExplanation2"},
                                     TLabel{"LabelBackupExplanation3"}, TLabel{"LabelBackupExplanation4"}};

    TTabSheet SheetFileFilter{"SheetFileFilter"};
    TListBox ListFilter{"ListFilter"};
    TButton ButtonFilterUp{"ButtonFilterUp"};
    TButton ButtonFilterDown{"ButtonFilterDown"};
    TButton ButtonFilterNew{"ButtonFilterNew"};
    TButton ButtonFilterModifiy{"ButtonFilterModifiy"};
    TButton ButtonFilterDelete{"ButtonFilterDelete"};
    TButton ButtonFilterInit{"ButtonFilterInit"};

    TTabSheet SheetOthers{"SheetOthers"};
    TCheckBox CheckOthersShowHint{"CheckOthersShowHint"};
    TLabel LabelTabSize{"LabelTabSize"};
    TComboBox ComboTabSize{"ComboTabSize"};
    TCheckBox CheckOthersMouseSelect{"CheckOthersMouseSelect"};

    TButton ButtonExit{"ButtonExit"};

protected:
    void CreateComponents() override;
    void FormShow() override;

private:
    void CreateKeyboardSheet();
    void CreateBackupSheet();
    void CreateFilterSheet();
    void CreateOthersSheet();

    void ListKeyboardCategoryClick();
    void ListKeyboardActionClick();
    void ListKeyboardShortcutClick();
    void ButtonKeyboardSetClick();
    void ListFilterClick();
    void ButtonFilterUpClick();
    void ButtonFilterDownClick();
    void ButtonFilterNewClick();
    void ButtonFilterModifiyClick();
    void ButtonFilterDeleteClick();
    void ButtonFilterInitClick();
    void CheckOthersShowHintClick();

    // The action whose caption is selected in ListKeyboardAction, if any.
    [[nodiscard]] std::optional<ActionId> SelectedAction() const;
    // TFormFilter with the texts given; true on OK, the texts then being the entered ones.
    bool EditFilter(std::string& explanation, std::string& pattern);
    // ListFilter from the filter list, then the buttons' states.
    void ShowFilters();

    TActionList& Actions;
    std::vector<ActionId> CategoryActions;
    FileFilterList filters_{""};
};
