// RunCompareWindow: the "-c" start, the compare window alone in place of an editor.
#pragma once
#include <string>

// Shows the two files compared byte by byte as the process's main window and returns, once it
// is closed, the process exit code: 0 identical, 1 different, 2 a file not opened or read, or
// the comparison stopped.
[[nodiscard]] int RunCompareWindow(const std::wstring& first, const std::wstring& second, int showCommand);
