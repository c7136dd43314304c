// The message boxes of both deliverables: standard captions with the program's description.
#pragma once
#include <windows.h>

#include <string_view>

enum MessageKind : int {
    kMessageOkCancel = 0,     // question
    kMessageYesNo = 1,        // question
    kMessageYesNoCancel = 2,  // question
    kMessageInformation = 3,
    kMessageWarning = 4,
    kMessageError = 5,
};

// Shows a modal box of the kind (0 to 5) and returns the button that closed it; a kind
// outside 0 to 5 shows nothing and returns 0.
int ShowMessageBox(HWND owner, const char* text, int kind);
// The same for a text that holds a file's name, which any characters may spell.
int ShowMessageBox(HWND owner, std::wstring_view text, int kind);

// The out-of-memory error box with the plain caption; allocates nothing.
int ShowOutOfMemory(HWND owner) noexcept;

// Flags of a kind's box (MB_...), 0 for a kind outside 0 to 5.
[[nodiscard]] UINT MessageKindFlags(int kind) noexcept;
