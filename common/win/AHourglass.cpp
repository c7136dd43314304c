// AHourglass: the wait cursor over a scope, nesting by restoring what each one found.
#include "common/win/AHourglass.h"

AHourglass::AHourglass() noexcept
    : previous_(SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT))))
{
}

AHourglass::~AHourglass() { SetCursor(previous_); }
