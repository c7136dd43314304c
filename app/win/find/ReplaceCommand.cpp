// RunReplaceCommand: a replacement run on the control, steered at each match by the strip.
#include "app/win/find/ReplaceCommand.h"

#include "app/find/ReplaceRun.h"
#include "app/win/system/EditorControl.h"
#include "app/win/ui/PaintingHold.h"
#include "app/win/find/TFormReplaceNext.h"

int RunReplaceCommand(HWND owner, HWND control, const _CVec<uint8_t>& findBytes, const _CVec<uint8_t>& replaceBytes,
                      TStatusBar* statusBar, bool* readFailed)
{
    EditorControl access(control);
    ReplaceRun run(access, findBytes, replaceBytes);
    const auto finish = [&] {
        if (readFailed)
            *readFailed = run.readFailed();
        return run.replacedCount();
    };
    if (!run.start())
        return finish();
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
    return finish();
}
