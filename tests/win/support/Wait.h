// Waiting for a condition with a deadline while this thread's messages keep flowing.
#pragma once
#include <windows.h>

#include <functional>

// Pumps messages until the condition holds or the time is up; returns the condition.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// Dispatches every message waiting for this thread.
void PumpMessages();
