// SumControlData: the checksums of a range of the control's data, with the window kept painted meanwhile.
#pragma once
#include "app/ChecksumReport.h"

#include <windows.h>

// Each sum runs on a thread of its own over the control's memory, piece by piece as
// QX_WriteDataTo hands it out, so the four take about as long as the slowest alone when there
// are cores for them. Meanwhile the calling (window) thread shows the hourglass and only
// dispatches paint and sent messages; `window` is disabled and the input that came in the
// meantime is dropped, so nothing can change the data while it is read. Throws ChecksumError
// when a provider is missing or fails or the data cannot be read, std::bad_alloc or
// std::system_error when the threads cannot be had.
[[nodiscard]] ChecksumDigests SumControlData(HWND window, HWND control, const ChecksumRange& range);
