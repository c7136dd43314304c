// TFormVornalix: the text search command.
#include "app/win/main/TFormVornalix.h"

#include "app/find/FindCommand.h"
#include "app/win/system/EditorControl.h"
#include "app/win/find/TFormFindString.h"

#include "common/win/MessageBox.h"

// The text's bytes become the search of find next and previous, with its case rule; the hex
// find dialog then shows them as hex.
void TFormVornalix::ActionFindStringExecute(TAction&)
{
    TFormFindString dialog(Handle(), Preferences.showHint);
    dialog.HandleNeeded();
    dialog.SetEntry(LastTextSearch);
    if (dialog.ShowModal() == mrOk) {
        LastTextSearch = dialog.Entry();
        FindBytes = dialog.Pattern().bytes;
        if (LastTextSearch.eitherCase)
            FindCaseFlags = dialog.Pattern().letters;
        else
            FindCaseFlags.clear();
        EditorControl control(ControlHandle);
        if (RunFind(control, FindDirection::First, FindBytes, FindCaseFlags) == FindOutcome::NotFound)
            ShowMessageBox(Handle(), FindNotFoundText, kMessageInformation);
    }
    RefreshActionStates();
}
