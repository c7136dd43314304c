// TFormVornalix: the about command.
#include "app/win/main/TFormVornalix.h"

#include "app/win/main/TDialogAbout.h"
#include "app/win/ui/WindowPlacement.h"

#include "common/win/FileSystem.h"

void TFormVornalix::ActionHelpAboutExecute(TAction&)
{
    {
        TDialogAbout dialog(Handle(), ProgramPath());
        dialog.HandleNeeded();
        PlaceWindow(dialog.Handle(), Handle(), 11, true);
        dialog.ShowModal();
    }
    FocusControl();
}
