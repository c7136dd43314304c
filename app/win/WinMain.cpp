// Program entry: bind the control library, create the main window, run the message loop.
#include "app/win/EditorLibrary.h"
#include "app/win/MainWindow.h"

#include "common/win/MessageBox.h"

#include <commctrl.h>

namespace {
constexpr char kTextCannotInitialise[] = "アプリケーションを初期化できませんでした。\n再インストールが必要です。";
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    if (!BindEditorLibrary()) {
        ShowMessageBox(nullptr, kTextCannotInitialise, kMessageError);
        return 0;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return RunMainWindow(instance, showCommand);
}
