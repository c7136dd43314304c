// TFormSettings: the settings dialog: shortcuts of every action, backup interval, file filters, hints, tab size and mouse selection.
#include "app/win/settings/TFormSettings.h"

#include "app/settings/SettingsRules.h"
#include "app/texts/ProgramTexts.h"
#include "app/win/settings/TFormFilter.h"
#include "app/win/ui/DialogLook.h"
#include "app/win/ui/TActionList.h"
#include "app/win/ui/WindowPlacement.h"

#include "common/win/MessageBox.h"

#include <algorithm>

namespace {

constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

void Place(TControl& control, TControl& parent, int left, int top, int width, int height)
{
    control.SetBounds(left, top, width, height);
    control.Create(parent);
}

void PlaceLabel(TLabel& label, TControl& parent, std::string_view caption, int left, int top)
{
    label.SetCaption(caption);
    label.SetBounds(left, top, 0, 0);
    label.Create(parent);
}

} // namespace

TFormSettings::TFormSettings(HWND owner, TActionList& actions) : TForm("TFormSettings", owner), Actions(actions)
{
    SetCaption(kTextSettingsCaption);
    SetBorderStyle(TBorderStyle::Single);
    SetMinimizeBox(true);
    // Wide enough for the longest line of the backup page's explanation.
    SetClientSize(600, 336);
    SetColor(clTeal);
}

TFormSettings::~TFormSettings() { DestroyHandle(); }

void TFormSettings::CreateComponents()
{
    Place(PageSettings, *this, 8, 8, ClientWidth() - 16, ClientHeight() - 16 - kButtonHeight - 8);
    struct Sheet {
        TTabSheet& sheet;
        const char* caption;
    };
    for (const Sheet& page : {Sheet{SheetKeyboard, kTextSheetKeyboard},
                              Sheet{SheetAbnormalTermination, kTextSheetAbnormalTermination},
                              Sheet{SheetFileFilter, kTextSheetFileFilter}, Sheet{SheetOthers, kTextSheetOthers}}) {
        page.sheet.SetCaption(page.caption);
        page.sheet.SetColor(clNavy);
        page.sheet.SetFontColor(clWhite);
        PageSettings.AddSheet(page.sheet);
    }
    CreateKeyboardSheet();
    CreateBackupSheet();
    CreateFilterSheet();
    CreateOthersSheet();

    ButtonExit.SetCaption(kTextSettingsExit);
    ButtonExit.SetModalResult(mrOk);
    Place(ButtonExit, *this, ClientWidth() - 8 - kButtonWidth, ClientHeight() - 8 - kButtonHeight, kButtonWidth,
          kButtonHeight);
    ButtonExit.SetDefault(true);
    ButtonExit.SetCancel(true);
    PageSettings.SetActivePageIndex(0);
    SetActiveControl(&ListKeyboardCategory);
}

void TFormSettings::CreateKeyboardSheet()
{
    ListKeyboardCategory.SetSorted(true);
    Place(ListKeyboardCategory, SheetKeyboard, 8, 8, 108, 176);
    ListKeyboardCategory.OnClick = [this] { ListKeyboardCategoryClick(); };
    ListKeyboardAction.SetSorted(true);
    Place(ListKeyboardAction, SheetKeyboard, 122, 8, 180, 176);
    ListKeyboardAction.OnClick = [this] { ListKeyboardActionClick(); };

    PlaceLabel(LabelKeyboardShortcut, SheetKeyboard, kTextCurrentShortcut, 310, 8);
    PlaceLabel(InfoKeyboardShortcut, SheetKeyboard, kTextNoShortcut, 318, 28);
    Place(ListKeyboardShortcut, SheetKeyboard, 310, 50, 116, 104);
    for (const ShortcutChoice& choice : ShortcutChoices())
        ListKeyboardShortcut.Add(choice.text);
    ListKeyboardShortcut.OnClick = [this] { ListKeyboardShortcutClick(); };
    ButtonKeyboardSet.SetCaption(kTextSetShortcut);
    ButtonKeyboardSet.SetEnabled(false);
    Place(ButtonKeyboardSet, SheetKeyboard, 351, 159, kButtonWidth, kButtonHeight);
    ButtonKeyboardSet.OnClick = [this] { ButtonKeyboardSetClick(); };

    InfoKeyboardExplanation.SetAutoSize(false);
    Place(InfoKeyboardExplanation, SheetKeyboard, 8, 196, 558, 18);
}

void TFormSettings::CreateBackupSheet()
{
    PlaceLabel(LabelBackupTime, SheetAbnormalTermination, kTextBackupTime, 16, 20);
    ComboBackupTime.SetDropDownCount(BackupTimeItemCount);
    Place(ComboBackupTime, SheetAbnormalTermination, 190, 16, 80, 240);
    for (int i = 0; i < BackupTimeItemCount; ++i)
        ComboBackupTime.Add(BackupTimeText(i));
    for (int line = 0; line < 4; ++line)
        PlaceLabel(LabelBackupExplanation[line], SheetAbnormalTermination, kTextBackupExplanation[line], 16,
                   64 + 20 * line);
}

void TFormSettings::CreateFilterSheet()
{
    Place(ListFilter, SheetFileFilter, 8, 8, 320, 206);
    ListFilter.OnClick = [this] { ListFilterClick(); };
    struct Item {
        TButton& button;
        const char* caption;
        int top;
        void (TFormSettings::*click)();
    };
    const Item items[] = {
        {ButtonFilterUp, kTextFilterUp, 8, &TFormSettings::ButtonFilterUpClick},
        {ButtonFilterDown, kTextFilterDown, 38, &TFormSettings::ButtonFilterDownClick},
        {ButtonFilterNew, kTextFilterNew, 78, &TFormSettings::ButtonFilterNewClick},
        {ButtonFilterModifiy, kTextFilterModify, 108, &TFormSettings::ButtonFilterModifiyClick},
        {ButtonFilterDelete, kTextFilterDelete, 138, &TFormSettings::ButtonFilterDeleteClick},
        {ButtonFilterInit, kTextFilterInit, 178, &TFormSettings::ButtonFilterInitClick},
    };
    for (const Item& item : items) {
        item.button.SetCaption(item.caption);
        Place(item.button, SheetFileFilter, 340, item.top, 80, kButtonHeight);
        item.button.OnClick = [this, click = item.click] { (this->*click)(); };
    }
}

void TFormSettings::CreateOthersSheet()
{
    CheckOthersShowHint.SetCaption(kTextShowHint);
    Place(CheckOthersShowHint, SheetOthers, 16, 16, 240, 20);
    CheckOthersShowHint.OnClick = [this] { CheckOthersShowHintClick(); };
    PlaceLabel(LabelTabSize, SheetOthers, kTextTabSize, 16, 56);
    ComboTabSize.SetDropDownCount(TabSizeItemCount);
    Place(ComboTabSize, SheetOthers, 220, 52, 60, 200);
    for (int i = 0; i < TabSizeItemCount; ++i)
        ComboTabSize.Add(TabSizeText(i));
    CheckOthersMouseSelect.SetCaption(kTextMouseSelect);
    Place(CheckOthersMouseSelect, SheetOthers, 16, 92, 420, 20);
}

void TFormSettings::FormShow() { PlaceWindow(Handle(), Owner(), 11, true); }

void TFormSettings::LoadSettings(const ::Preferences& preferences)
{
    HandleNeeded();
    ListKeyboardCategory.Clear();
    std::vector<std::string> categories;
    for (size_t i = 0; i < Actions.Count(); ++i) {
        const std::string& category = Actions[i].Category();
        if (std::find(categories.begin(), categories.end(), category) == categories.end()) {
            categories.push_back(category);
            ListKeyboardCategory.Add(category);
        }
    }
    ListKeyboardCategory.SetItemIndex(0);
    ListKeyboardCategoryClick();

    ComboBackupTime.SetItemIndex(BackupTimeIndexOf(preferences.backupInterval));
    filters_ = FileFilterList(preferences.fileFilter);
    ShowFilters();
    CheckOthersShowHint.SetChecked(preferences.showHint);
    SetShowHint(preferences.showHint);
    ComboTabSize.SetItemIndex(TabSizeIndexOf(preferences.tabSize));
    CheckOthersMouseSelect.SetChecked(preferences.mouseSelect);
}

void TFormSettings::StoreSettings(::Preferences& preferences) const
{
    preferences.backupInterval = BackupTimeOfIndex(ComboBackupTime.ItemIndex());
    preferences.fileFilter = filters_.fileFilter();
    preferences.showHint = CheckOthersShowHint.Checked();
    preferences.tabSize = TabSizeOfIndex(ComboTabSize.ItemIndex());
    preferences.mouseSelect = CheckOthersMouseSelect.Checked();
}

// ---------------------------------------------------------------------------------------
// Keyboard page

void TFormSettings::ListKeyboardCategoryClick()
{
    ListKeyboardAction.Clear();
    CategoryActions.clear();
    const std::string category = ListKeyboardCategory.Item(ListKeyboardCategory.ItemIndex());
    for (size_t i = 0; i < Actions.Count() && i < ActionCount; ++i) {
        if (Actions[i].Category() == category) {
            ListKeyboardAction.Add(Actions[i].Caption());
            CategoryActions.push_back(static_cast<ActionId>(i));
        }
    }
    ListKeyboardAction.SetItemIndex(0);
    ListKeyboardActionClick();
}

std::optional<ActionId> TFormSettings::SelectedAction() const
{
    const int index = ListKeyboardAction.ItemIndex();
    if (index < 0)
        return std::nullopt;
    return ActionOfCaption(CategoryActions, ListKeyboardAction.Item(index));
}

void TFormSettings::ListKeyboardActionClick()
{
    const std::optional<ActionId> action = SelectedAction();
    if (!action) {
        InfoKeyboardExplanation.SetText("");
        InfoKeyboardShortcut.SetText("");
        ListKeyboardShortcut.SetItemIndex(-1);
        ButtonKeyboardSet.SetEnabled(false);
        return;
    }
    const TAction& selected = Actions[IndexOf(*action)];
    InfoKeyboardExplanation.SetText(selected.Hint());
    InfoKeyboardShortcut.SetText(ShortcutInfoText(selected.ShortCut()));
}

void TFormSettings::ListKeyboardShortcutClick() { ButtonKeyboardSet.SetEnabled(ListKeyboardShortcut.ItemIndex() >= 0); }

void TFormSettings::ButtonKeyboardSetClick()
{
    const int choiceIndex = ListKeyboardShortcut.ItemIndex();
    const std::optional<ActionId> target = SelectedAction();
    if (choiceIndex < 0 || static_cast<size_t>(choiceIndex) >= ShortcutChoices().size() || !target)
        return;
    // Each listed key stands for itself: the two backslash items name different keys.
    const ShortcutChoice& choice = ShortcutChoices()[static_cast<size_t>(choiceIndex)];
    ActionShortcuts shortcuts{};
    for (size_t i = 0; i < ActionCount && i < Actions.Count(); ++i)
        shortcuts[i] = Actions[i].ShortCut();
    if (const std::optional<ActionId> holder = ShortcutHolder(shortcuts, choice.shortcut)) {
        const std::string question = ReassignQuestion(choice.text, *holder);
        if (ShowMessageBox(Handle(), question.c_str(), kMessageYesNo) != IDYES)
            return;
    }
    AssignShortcut(shortcuts, *target, choice.shortcut);
    for (size_t i = 0; i < ActionCount && i < Actions.Count(); ++i)
        if (Actions[i].ShortCut() != shortcuts[i])
            Actions[i].SetShortCut(shortcuts[i]);
    InfoKeyboardShortcut.SetText(choice.text);
    ListKeyboardShortcut.SetItemIndex(-1);
    // A disabled button that keeps the focus leaves the keyboard with nowhere to go.
    ListKeyboardShortcut.SetFocus();
    ButtonKeyboardSet.SetEnabled(false);
}

// ---------------------------------------------------------------------------------------
// File-filter page

void TFormSettings::ShowFilters()
{
    ListFilter.Clear();
    for (const std::string& item : filters_.items())
        ListFilter.Add(item);
    ListFilter.SetItemIndex(filters_.selected());
    ButtonFilterUp.SetEnabled(filters_.canMoveUp());
    ButtonFilterDown.SetEnabled(filters_.canMoveDown());
    ButtonFilterModifiy.SetEnabled(filters_.canModify());
    ButtonFilterDelete.SetEnabled(filters_.canDelete());
}

void TFormSettings::ListFilterClick()
{
    filters_.select(ListFilter.ItemIndex());
    ShowFilters();
}

void TFormSettings::ButtonFilterUpClick()
{
    filters_.moveUp();
    ShowFilters();
}

void TFormSettings::ButtonFilterDownClick()
{
    filters_.moveDown();
    ShowFilters();
}

bool TFormSettings::EditFilter(std::string& explanation, std::string& pattern)
{
    TFormFilter dialog(Handle(), CheckOthersShowHint.Checked());
    dialog.HandleNeeded();
    dialog.EditExplanation.SetText(explanation);
    dialog.EditFilter.SetText(pattern);
    if (dialog.ShowModal() != mrOk)
        return false;
    explanation = dialog.EditExplanation.Text();
    pattern = dialog.EditFilter.Text();
    return true;
}

void TFormSettings::ButtonFilterNewClick()
{
    std::string explanation, pattern;
    if (EditFilter(explanation, pattern))
        filters_.create(explanation, pattern);
    ShowFilters();
}

void TFormSettings::ButtonFilterModifiyClick()
{
    if (!filters_.canModify())
        return;
    FilterParts parts = SplitFilterItem(filters_.items()[static_cast<size_t>(filters_.selected())]);
    if (EditFilter(parts.explanation, parts.pattern))
        filters_.modify(parts.explanation, parts.pattern);
    ShowFilters();
}

void TFormSettings::ButtonFilterDeleteClick()
{
    filters_.remove();
    ShowFilters();
}

void TFormSettings::ButtonFilterInitClick()
{
    filters_.reset(kTextDefaultFileFilter);
    ShowFilters();
}

// ---------------------------------------------------------------------------------------
// Others page

void TFormSettings::CheckOthersShowHintClick() { SetShowHint(CheckOthersShowHint.Checked()); }
