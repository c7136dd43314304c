// TFormVornalix: the checksum command.
#include "app/win/main/TFormVornalix.h"

#include "app/tools/ChecksumReport.h"
#include "app/win/tools/ChecksumRun.h"
#include "app/win/system/EditorLibrary.h"
#include "app/texts/ProgramTexts.h"
#include "app/win/tools/TFormChecksum.h"

#include "common/win/MessageBox.h"

#include <new>
#include <optional>

// Sums the selection, or the whole data when nothing is selected, and shows the sums.
void TFormVornalix::ActionToolChecksumExecute(TAction&)
{
    const HWND control = ControlHandle;
    const std::optional<ChecksumRange> range =
        ChecksumRangeOf(Editor.QX_GetDataSize(control), Editor.QX_GetSelectionBegin(control),
                        Editor.QX_GetSelectionSize(control));
    std::optional<ChecksumDigests> digests;
    try {
        if (range)
            digests = checksumRun_.Sum(Handle(), control, *range);
    } catch (const std::bad_alloc&) {
        ShowOutOfMemory(Handle());
        FocusControl();
        return;
    } catch (const ChecksumStopped&) {
        // The window is going away.
        return;
    } catch (...) {
        // A provider missing or failing, or no threads to be had.
    }
    if (!digests) {
        ShowMessageBox(Handle(), kTextChecksumFailed, kMessageError);
    } else {
        TFormChecksum dialog(Handle());
        dialog.SetResult(*range, *digests);
        dialog.ShowModal();
    }
    FocusControl();
}
