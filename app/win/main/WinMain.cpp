// Program entry: bind the control library, create the main window, run the message loop.
#include "app/win/backup/BackupManager.h"
#include "app/win/backup/ReadStartArguments.h"
#include "app/win/compare/CompareStart.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/main/TFormVornalix.h"
#include "app/texts/ProgramTexts.h"
#include "app/win/ui/TApplication.h"

#include "common/win/MessageBox.h"
#include "common/win/SafeSave.h"

#include <commctrl.h>

#include <memory>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand)
{
    if (!BindEditorLibrary()) {
        ShowMessageBox(nullptr, kTextCannotInitialise, kMessageError);
        return 0;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    Application.SetTitle(kTextApplicationTitle);
    Application.SetUnknownFailureText(kTextSystemUnstable);
    bool compareStart = false;
    try {
        // "-c": two files compared, no editor; the exit code tells the result.
        if (const TStartArguments start = ReadStartArguments(); start.CompareStart) {
            compareStart = true;
            return RunCompareWindow(start.CompareFirst, start.CompareSecond, showCommand);
        }
        TFormVornalix form(std::make_unique<BackupManager>());
        Application.SetMainForm(&form);
        form.Show(showCommand);
        Application.Run();
        Application.SetMainForm(nullptr);
    } catch (...) {
        Application.HandleException(nullptr);
        if (compareStart)
            return 2;
    }
    // Temporary files of failed saves that could not be deleted then, deleted now.
    SweepSaveLeftovers();
    return 0;
}
