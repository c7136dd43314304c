// ChecksumCommand: sums the range in worker threads, then shows the dialog.
#include "app/win/tools/ChecksumCommand.h"

#include "app/texts/ProgramTexts.h"
#include "app/tools/ChecksumReport.h"
#include "app/win/system/EditorControl.h"
#include "app/win/system/EditorLibrary.h"
#include "app/win/tools/TFormChecksum.h"
#include "app/win/ui/TApplication.h"
#include "app/win/ui/TForm.h"

#include "common/win/MessageBox.h"

#include <new>
#include <optional>

void ChecksumCommand::Run()
{
    const HWND control = control_.Handle();
    const std::optional<ChecksumRange> range =
        ChecksumRangeOf(control_.dataSize(), control_.selectionBegin(), control_.selectionSize());
    std::optional<ChecksumDigests> digests;
    try {
        if (range)
            digests = run_.Sum(owner_.Handle(), control, *range);
    } catch (const std::bad_alloc&) {
        Application.HandleException(owner_.Handle());
        control_.Focus();
        return;
    } catch (const ChecksumStopped&) {
        // The window is going away.
        return;
    } catch (...) {
        // A provider missing or failing, or no threads to be had: said below.
    }
    if (!digests) {
        ShowMessageBox(owner_.Handle(), kTextChecksumFailed, kMessageError);
    } else {
        TFormChecksum dialog(owner_.Handle());
        dialog.SetResult(*range, *digests);
        dialog.ShowModal();
    }
    control_.Focus();
}

