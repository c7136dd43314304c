// The guard around every export: no instance gives the guard result at once; an exception
// shows its box, gives the focus back to the control and gives the guard result.
#pragma once
#include "core/win/AVornalixor.h"
#include "core/win/ControlTexts.h"

#include "common/AError.h"
#include "common/win/MessageBox.h"

#include <new>

template <class Result, class Operation>
Result Guarded(HWND window, Result guard, Operation operation)
{
    AVornalixor* self = AVornalixor::FromWindow(window);
    if (!self)
        return guard;
    try {
        return operation(*self);
    } catch (const std::bad_alloc&) {
        ShowOutOfMemory(window);
    } catch (const AOverflowError&) {
        ShowMessageBox(window, kTextSizeLimit, kMessageError);
    } catch (...) {
        ShowMessageBox(window, kTextUnstable, kMessageError);
    }
    SetFocus(window);
    return guard;
}
