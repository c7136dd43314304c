// talvine.dll: the hex-editing control's public interface. Positions are nibble indices
// (byte k has nibbles 2k and 2k+1); counts are bytes. The program binds every export by name.
//
// Documents of any size. The document is the file it was opened from (read on demand, never
// held whole) plus the edits; positions inside the control are 64-bit. The 56 exports keep
// their behaviour for documents up to 0x3FFFFFFF bytes. Beyond, an int result that does not
// fit an int is answered with the export's guard result, never a cut-off number:
// QX_GetDataSize, QX_GetCaretPos, QX_GetViewTop, QX_GetSelectionBegin and QX_BookMark give -1,
// QX_GetSelectionSize gives 0. Positions passed in as ints work as before inside the int range.
// QX_SetData cuts its input at 0x3FFFFFFF bytes, and an edit that copies in more than
// 0x3FFFFFFF bytes at once (QX_InsertData, QX_ReplaceSelection, QX_Tab) shows the size-limit
// box and changes nothing; the data as a whole may grow beyond that.
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

// A snapshot of a control's data for reading on any thread (QX_OpenReader).
typedef struct QX_ReaderData* QX_READER;

// A run of the document for QX_BuildOnBase: `length` bytes of the opened base from
// `baseOffset` (QX_PIECE_BASE), or `length` bytes read through the callback (QX_PIECE_READ).
typedef struct QX_PIECE {
    ULONGLONG baseOffset;
    ULONGLONG length;
    DWORD kind;
} QX_PIECE;
#define QX_PIECE_BASE 0
#define QX_PIECE_READ 1

// A run of bytes for QX_SetMarks: `length` bytes from the byte offset `offset`, drawn in the mark
// colour of `kind` (QX_MARK_DIFFERENT or QX_MARK_ONE_SIDE).
typedef struct QX_MARK {
    ULONGLONG offset;
    ULONGLONG length;
    DWORD kind;
} QX_MARK;
#define QX_MARK_DIFFERENT 0
#define QX_MARK_ONE_SIDE 1
#define QX_MARK_KINDS 2

// QX_OpenFile: `flags` and what `detail` receives.
#define QX_OPEN_ALLOW_WRITERS 0x1      // when another program writes the file, open it anyway (read-only)
#define QX_OPENED 0                    // opened; no other program may write it while it is the base
#define QX_OPENED_WRITERS_ALLOWED 1    // opened read-only sharing writes: its bytes may change underneath
#define QX_OPEN_SHARING_REFUSED 2      // another program holds it open for writing; nothing changed
#define QX_OPEN_FAILED 3               // cannot be opened (GetLastError tells why); nothing changed
#define QX_OPEN_TOO_LARGE 4            // larger than the control holds; nothing changed

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
//
// The document on a file:
// QX_OpenFile makes the file `name` the document, in constant time: it is opened for reading,
// other programs may read, rename or delete it but not write it, and it stays open while the
// document or its undo history stands on it. History, caret, view, selection, bookmarks and the
// modified flag are reset as by QX_SetData, and the whole data counts as one change for
// QX_GetChanges; the read-only flag stays, except that the fallback sets it. When another
// program holds the file open for writing, the result is false with QX_OPEN_SHARING_REFUSED,
// unless `flags` holds QX_OPEN_ALLOW_WRITERS: the file is then opened sharing writes, the
// control becomes read-only and `detail` is QX_OPENED_WRITERS_ALLOWED (its bytes may change
// underneath; say so). An empty file gives one 0x00 byte. `detail` may be null.
// QX_Rebase: after the program saved the document's exact bytes to `name`, that file becomes
// the base and the document one piece of it. False, with nothing changed, when it cannot be
// opened as above or its size differs. Undo and redo go on: the old base stays open while the
// history needs it (its handle shares deletion, so its name may be replaced or deleted).
// QX_GetBaseName copies the base's name (with a terminating 0 when `capacity` has room for it)
// and returns its length in characters; 0 when the document stands on no file (after
// QX_SetData, QX_ReadDataFrom, QX_New). QX_GetBaseSize: the base's size, -1 without one.
// QX_GetBaseChanges: the regions by which the data differs from the base (as QX_GetChanges:
// `offset` in today's data, `inserted` bytes there stand where `removed` bytes of the base
// stood; between regions the data holds the base's bytes), up to `capacity` copied, the count
// returned; without a base, one region of the whole data. A backup journal on the base needs
// only these regions' bytes.
// QX_BuildOnBase makes the document the `count` pieces in order (base ranges, and bytes read
// through `read` into memory, in order, for the pieces of kind QX_PIECE_READ), keeping the
// base; otherwise as QX_OpenFile. False, with nothing changed, when a base range leaves the
// base (or there is none), `read` fails or the pieces hold no byte.
//
// 64-bit positions (nibbles, as the 56) and sizes; guard results as their int twins':
// QX_ReadDataFrom64 as QX_ReadDataFrom for any count the memory holds. QX_GetData64 copies
// [nibble / 2, nibble / 2 + count); false when the range leaves the data or cannot be read.
// QX_WriteDataTo64 as QX_WriteDataTo; false as well when the data cannot be read. QX_Find64
// searches as QX_FindCaseless when `direction` holds QX_FIND_CASELESS, otherwise as
// QX_FindFirst, QX_FindNext or QX_FindPrev (`caseFlags` unused); with QX_FIND_MASKED,
// `caseFlags` holds a mask per pattern byte and a data byte d matches pattern byte p where
// (d & mask) == (p & mask) (0xF0: the high digit known, 0: any byte). It returns QX_FOUND,
// QX_NOT_FOUND, or QX_FIND_FAILED when it met bytes it could not read (or on the guard).
//
// Readers: QX_OpenReader takes a snapshot of the data as it is now, for reading on any thread
// (checksums, compare); later edits do not change it and it keeps what it reads from open.
// QX_ReaderSize gives its size in bytes (-1 for a null reader). QX_ReadAt copies `count` bytes
// from the byte offset `offset`; false when the range leaves the snapshot or cannot be read.
// Several threads may read one reader at once. QX_CloseReader frees it (false for null).
//
// Marks: QX_SetMarks replaces the runs of bytes drawn in a mark colour (a compare window's
// differences), `count` runs in any order (0 clears them); `colors`, when not null, gives the
// QX_MARK_KINDS background colours, else they stay (light yellow and light blue at first). The
// selection is drawn over marks. Where runs overlap a byte takes the kind of the run that starts
// first; runs of unknown kinds are left out. Marks stay at their offsets through edits and a new
// document until set again. False, with nothing changed, for a negative count or null `marks`
// with a positive count.
#define QX_EXTENDED_EXPORTS(X)                                                           \
    X(QX_ReadDataFrom, bool, (HWND window, int count, QX_ReadProc read, void* context), false) \
    X(QX_WriteDataTo, bool, (HWND window, int nibble, int count, QX_WriteProc write, void* context), false) \
    X(QX_GetChanges, int, (HWND window, QX_CHANGE* changes, int capacity), -1)          \
    X(QX_ClearChanges, bool, (HWND window), false)                                      \
    X(QX_FindCaseless, bool, (HWND window, int nibble, const void* pattern, const void* caseFlags, int count, int direction), false) \
    X(QX_OpenFile, bool, (HWND window, const wchar_t* name, DWORD flags, DWORD* detail), false) \
    X(QX_Rebase, bool, (HWND window, const wchar_t* name), false)                       \
    X(QX_GetBaseName, int, (HWND window, wchar_t* name, int capacity), -1)              \
    X(QX_GetBaseSize, LONGLONG, (HWND window), -1)                                      \
    X(QX_GetBaseChanges, int, (HWND window, QX_CHANGE* changes, int capacity), -1)      \
    X(QX_BuildOnBase, bool, (HWND window, const QX_PIECE* pieces, int count, QX_ReadProc read, void* context), false) \
    X(QX_ReadDataFrom64, bool, (HWND window, LONGLONG count, QX_ReadProc read, void* context), false) \
    X(QX_GetDataSize64, LONGLONG, (HWND window), -1)                                    \
    X(QX_GetData64, bool, (HWND window, void* buffer, LONGLONG nibble, LONGLONG count), false) \
    X(QX_WriteDataTo64, bool, (HWND window, LONGLONG nibble, LONGLONG count, QX_WriteProc write, void* context), false) \
    X(QX_GetCaretPos64, LONGLONG, (HWND window), -1)                                    \
    X(QX_SetCaretPos64, bool, (HWND window, LONGLONG nibble), false)                    \
    X(QX_GetViewTop64, LONGLONG, (HWND window), -1)                                     \
    X(QX_SetViewTop64, bool, (HWND window, LONGLONG nibble), false)                     \
    X(QX_GetSelectionBegin64, LONGLONG, (HWND window), -1)                              \
    X(QX_GetSelectionSize64, LONGLONG, (HWND window), 0)                                \
    X(QX_SetSelection64, bool, (HWND window, LONGLONG nibble, LONGLONG count), false)   \
    X(QX_BookMark64, LONGLONG, (HWND window, int index), -1)                            \
    X(QX_SetBookMark64, bool, (HWND window, int index, LONGLONG nibble), false)         \
    X(QX_Find64, int, (HWND window, LONGLONG nibble, const void* pattern, const void* caseFlags, int count, int direction), -1) \
    X(QX_OpenReader, QX_READER, (HWND window), nullptr)                                 \
    X(QX_ReaderSize, LONGLONG, (QX_READER reader), -1)                                  \
    X(QX_ReadAt, bool, (QX_READER reader, LONGLONG offset, void* buffer, int count), false) \
    X(QX_CloseReader, bool, (QX_READER reader), false)                                  \
    X(QX_SetMarks, bool, (HWND window, const QX_MARK* marks, int count, const COLORREF* colors), false)

#define QX_FIND_FIRST 0
#define QX_FIND_NEXT 1
#define QX_FIND_PREV 2
#define QX_FIND_CASELESS 0x100  // with QX_Find64: letters of either case, as QX_FindCaseless
#define QX_FIND_MASKED 0x200    // with QX_Find64: `caseFlags` are the pattern bytes' masks

#define QX_FOUND 1
#define QX_NOT_FOUND 0
#define QX_FIND_FAILED (-1)

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
