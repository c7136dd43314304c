// The box for a failure caught inside the control: out of memory, the size limit, anything else.
#pragma once
#include <windows.h>

// Shows the box that fits the exception being handled, owned by `owner` (null: no owner). Call
// it only inside a catch block.
void ShowCaughtFailure(HWND owner);
