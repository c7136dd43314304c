// The guard around every export: no instance gives the guard result at once; an exception
// shows its box, gives the focus back to the control and gives the guard result.
#pragma once
#include "core/win/AVornalixor.h"
#include "core/win/FailureBox.h"

template <class Result, class Operation>
Result Guarded(HWND window, Result guard, Operation operation)
{
    AVornalixor* self = AVornalixor::FromWindow(window);
    if (!self)
        return guard;
    try {
        return operation(*self);
    } catch (...) {
        ShowCaughtFailure(window);
    }
    SetFocus(window);
    return guard;
}

// The guard around a call of the instance's model.
template <class Result, class Operation>
Result OnModel(HWND window, Result guard, Operation operation)
{
    return Guarded(window, guard, [&](AVornalixor& self) -> Result { return operation(self.model); });
}
