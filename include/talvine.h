// talvine.dll: the hex-editing control's public interface. Positions are nibble indices
// (byte k has nibbles 2k and 2k+1); counts are bytes. The program binds every export by name.
#pragma once
#include <windows.h>

#define TALVINE_CLASS_NAME "TALVINEWINDOW"

typedef void (*QX_NotifyProc)();

// A region of the data changed since the last QX_ClearChanges: at `offset` (a byte offset in the
// data as it is now) `inserted` bytes stand where `removed` bytes stood. Regions come in order.
typedef struct QX_CHANGE {
    ULONGLONG offset;
    ULONGLONG removed;
    ULONGLONG inserted;
} QX_CHANGE;
// Fills `buffer` with the next `count` bytes of the data being read in; false stops the read.
typedef bool (*QX_ReadProc)(void* context, void* buffer, int count);
// Takes the next `count` bytes of the data being handed out; false stops.
typedef bool (*QX_WriteProc)(void* context, const void* bytes, int count);

// X(name, result, parameters, guard result) for the 56 exports, in binding order.
#define QX_EXPORTS(X)                                                                   \
    X(QX_Create, HWND, (HWND owner, HWND parent, DWORD style), nullptr)                 \
    X(QX_HasFocus, bool, (HWND window), false)                                          \
    X(QX_SetReadOnly, bool, (HWND window, bool readOnly), false)                        \
    X(QX_IsReadOnly, bool, (HWND window), false)                                        \
    X(QX_New, bool, (HWND window), false)                                               \
    X(QX_BackSpace, bool, (HWND window), false)                                         \
    X(QX_Delete, bool, (HWND window), false)                                            \
    X(QX_Insert, bool, (HWND window), false)                                            \
    X(QX_Space, bool, (HWND window), false)                                             \
    X(QX_Tab, bool, (HWND window), false)                                               \
    X(QX_CursorDown, bool, (HWND window), false)                                        \
    X(QX_CursorLeft, bool, (HWND window), false)                                        \
    X(QX_CursorRight, bool, (HWND window), false)                                       \
    X(QX_CursorUp, bool, (HWND window), false)                                          \
    X(QX_LineEnd, bool, (HWND window), false)                                           \
    X(QX_LineTop, bool, (HWND window), false)                                           \
    X(QX_PageDown, bool, (HWND window), false)                                          \
    X(QX_PageUp, bool, (HWND window), false)                                            \
    X(QX_DataEnd, bool, (HWND window), false)                                           \
    X(QX_DataTop, bool, (HWND window), false)                                           \
    X(QX_GetLogFont, bool, (HWND window, LOGFONTA* font, COLORREF* textColor), false)   \
    X(QX_SetLogFont, bool, (HWND window, const LOGFONTA* font, const COLORREF* textColor), false) \
    X(QX_GetBkColor, bool, (HWND window, COLORREF* color), false)                       \
    X(QX_SetBkColor, bool, (HWND window, const COLORREF* color), false)                 \
    X(QX_GetData, bool, (HWND window, void* buffer, int nibble, int count), false)      \
    X(QX_GetDataSize, int, (HWND window), -1)                                           \
    X(QX_SetData, bool, (HWND window, const void* bytes, int count), false)             \
    X(QX_InsertData, bool, (HWND window, int nibble, const void* bytes, int count), false) \
    X(QX_GetViewTop, int, (HWND window), -1)                                            \
    X(QX_SetViewTop, bool, (HWND window, int nibble), false)                            \
    X(QX_GetCaretPos, int, (HWND window), -1)                                           \
    X(QX_SetCaretPos, bool, (HWND window, int nibble), false)                           \
    X(QX_IsModified, bool, (HWND window), false)                                        \
    X(QX_SetModified, bool, (HWND window, bool modified), false)                        \
    X(QX_SetNotifyChanged, bool, (HWND window, QX_NotifyProc notify), false)            \
    X(QX_CanUndo, bool, (HWND window), false)                                           \
    X(QX_CanRedo, bool, (HWND window), false)                                           \
    X(QX_ClearHistory, bool, (HWND window), false)                                      \
    X(QX_Undo, bool, (HWND window), false)                                              \
    X(QX_Redo, bool, (HWND window), false)                                              \
    X(QX_SelectionBegin, bool, (HWND window), false)                                    \
    X(QX_SelectionEnd, bool, (HWND window), false)                                      \
    X(QX_HideSelection, bool, (HWND window), false)                                     \
    X(QX_SetSelection, bool, (HWND window, int nibble, int count), false)               \
    X(QX_GetSelectionBegin, int, (HWND window), -1)                                     \
    X(QX_GetSelectionSize, int, (HWND window), 0)                                       \
    X(QX_DeleteSelection, bool, (HWND window), false)                                   \
    X(QX_ReplaceSelection, bool, (HWND window, const void* bytes, int count), false)    \
    X(QX_BookMark, int, (HWND window, int index), -1)                                   \
    X(QX_GoBookMark, bool, (HWND window, int index), false)                             \
    X(QX_SetBookMark, bool, (HWND window, int index, int nibble), false)                \
    X(QX_FindFirst, bool, (HWND window, int nibble, const void* pattern, int count), false) \
    X(QX_FindNext, bool, (HWND window, int nibble, const void* pattern, int count), false)  \
    X(QX_FindPrev, bool, (HWND window, int nibble, const void* pattern, int count), false)  \
    X(QX_SetTabSize, bool, (HWND window, int tabSize), false)                           \
    X(QX_GetTabSize, int, (HWND window), -1)

// The exports beside the 56, for documents as large as the control holds: the data read in and
// handed out without a copy in between, and the changes since a mark for incremental backups.
// QX_ReadDataFrom works as QX_SetData with `count` bytes that `read` puts straight into the
// control, in pieces in order; when `read` fails or count passes the size limit it returns false
// and nothing changed. QX_WriteDataTo hands [nibble / 2, nibble / 2 + count) to `write` in
// pieces in order, straight from the control's memory (valid during the call only). QX_GetChanges
// copies up to `capacity` regions and returns how many there are; QX_ClearChanges makes the data
// as it is now the mark. Every data change counts, undo and redo included; QX_SetData,
// QX_ReadDataFrom and QX_New count as one change of the whole data.
// QX_FindCaseless searches as QX_FindFirst, QX_FindNext or QX_FindPrev (`direction`
// QX_FIND_FIRST, QX_FIND_NEXT, QX_FIND_PREV), except that a pattern byte that is an ASCII
// letter (A-Z, a-z) also matches its other case where `caseFlags` holds a nonzero byte at its
// offset; a null `caseFlags` flags every byte. Other bytes, 0x80 and up included, match only
// themselves; an unknown direction finds nothing.
#define QX_EXTENDED_EXPORTS(X)                                                           \
    X(QX_ReadDataFrom, bool, (HWND window, int count, QX_ReadProc read, void* context), false) \
    X(QX_WriteDataTo, bool, (HWND window, int nibble, int count, QX_WriteProc write, void* context), false) \
    X(QX_GetChanges, int, (HWND window, QX_CHANGE* changes, int capacity), -1)          \
    X(QX_ClearChanges, bool, (HWND window), false)                                      \
    X(QX_FindCaseless, bool, (HWND window, int nibble, const void* pattern, const void* caseFlags, int count, int direction), false)

#define QX_FIND_FIRST 0
#define QX_FIND_NEXT 1
#define QX_FIND_PREV 2

#ifdef TALVINE_BUILDING
#define QX_DECLARE_EXPORT(name, result, params, guard) extern "C" result name params;
QX_EXPORTS(QX_DECLARE_EXPORT)
QX_EXTENDED_EXPORTS(QX_DECLARE_EXPORT)
#undef QX_DECLARE_EXPORT
#endif

// Function-pointer types for binding by name: QX_CreateProc, QX_HasFocusProc, ...
#define QX_DECLARE_PROC(name, result, params, guard) typedef result(*name##Proc) params;
QX_EXPORTS(QX_DECLARE_PROC)
QX_EXTENDED_EXPORTS(QX_DECLARE_PROC)
#undef QX_DECLARE_PROC
