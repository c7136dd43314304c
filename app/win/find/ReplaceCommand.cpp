// RunReplaceCommand: a replacement run on the control, steered at each match by the strip.
#include "app/win/find/ReplaceCommand.h"

#include "app/find/ReplaceRun.h"
#include "app/win/ui/PaintingHold.h"
#include "app/win/find/TFormReplaceNext.h"

void RunReplaceCommand(HWND owner, HWND control, ReplaceRun& run, TStatusBar* statusBar)
{
    if (!run.start())
        return;
    TFormReplaceNext strip(owner);
    for (bool waiting = true; waiting;) {
        if (strip.ShowModal() != mrOk) {
            run.end();
            break;
        }
        if (strip.ReplaceChoice == ReplaceChoice::All) {
            PaintingHold hold({control}, {statusBar});
            waiting = run.answer(ReplaceChoice::All);
        } else {
            waiting = run.answer(strip.ReplaceChoice);
        }
    }
}
