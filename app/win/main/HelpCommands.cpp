// HelpCommands: the help viewer and the about dialog.
#include "app/win/main/HelpCommands.h"

#include "app/texts/ProgramTexts.h"
#include "app/win/main/TDialogAbout.h"
#include "app/win/system/EditorControl.h"
#include "app/win/system/HelpViewer.h"
#include "app/win/ui/TForm.h"
#include "app/win/ui/WindowPlacement.h"

#include "common/win/FileSystem.h"
#include "common/win/WideText.h"
#include "common/win/MessageBox.h"

void HelpCommands::ShowHelpView(bool index)
{
    if (!ShowHelp(owner_.Handle(), index ? HelpView::Index : HelpView::Contents))
        ShowMessageBox(owner_.Handle(), kTextHelpNotFound, kMessageError);
    control_.Focus();
}

void HelpCommands::About()
{
    {
        TDialogAbout dialog(owner_.Handle(), LegacyName(ProgramPath(), MAX_PATH));
        dialog.HandleNeeded();
        PlaceWindow(dialog.Handle(), owner_.Handle(), 11, true);
        dialog.ShowModal();
    }
    control_.Focus();
}
