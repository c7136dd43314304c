// ASuppressWinMsg: a process-wide nesting counter over the system's error mode.
#include "common/win/ASuppressWinMsg.h"

#include <windows.h>

namespace {
int depth = 0;               // open scopes; the UI thread is the only user
UINT modeBeforeOutermost = 0;
}

ASuppressWinMsg::ASuppressWinMsg() noexcept
{
    if (depth++ == 0)
        modeBeforeOutermost = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

ASuppressWinMsg::~ASuppressWinMsg()
{
    if (--depth == 0)
        SetErrorMode(modeBeforeOutermost);
}

int ASuppressWinMsg::Depth() noexcept { return depth; }
