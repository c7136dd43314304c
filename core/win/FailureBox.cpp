// The one ladder from a caught exception to its box.
#include "core/win/FailureBox.h"

#include "core/win/ControlTexts.h"

#include "common/AError.h"
#include "common/win/MessageBox.h"

#include <new>

void ShowCaughtFailure(HWND owner)
{
    try {
        throw;
    } catch (const std::bad_alloc&) {
        ShowOutOfMemory(owner);
    } catch (const AOverflowError&) {
        ShowMessageBox(owner, kTextSizeLimit, kMessageError);
    } catch (...) {
        ShowMessageBox(owner, kTextUnstable, kMessageError);
    }
}
