// The 56 exports of talvine.dll, each behind the export guard.
#define TALVINE_BUILDING
#include "talvine.h"

#include "core/win/ExportGuard.h"
#include "core/win/Library.h"

#include "common/win/MessageBox.h"

#include <cstring>
#include <new>

namespace {

// Exports whose operation is not attached yet answer with their guard result.
template <class Result>
Result Neutral(HWND window, Result guard)
{
    return Guarded(window, guard, [&](AVornalixor&) { return guard; });
}

template <class... Args>
void Unused(const Args&...) noexcept {}

} // namespace

extern "C" HWND QX_Create(HWND owner, HWND parent, DWORD style)
{
    try {
        Library().owner = owner;
        return CreateWindowExA(WS_EX_ACCEPTFILES, TALVINE_CLASS_NAME, nullptr, style | WS_CHILD, 0, 0,
                               0, 0, parent, nullptr, Library().classModule, nullptr);
    } catch (const std::bad_alloc&) {
        ShowOutOfMemory(owner);
    } catch (const AOverflowError&) {
        ShowMessageBox(owner, kTextSizeLimit, kMessageError);
    } catch (...) {
        ShowMessageBox(owner, kTextUnstable, kMessageError);
    }
    return nullptr;
}

extern "C" bool QX_HasFocus(HWND window)
{
    return Guarded(window, false, [](AVornalixor& self) { return self.hasFocus; });
}

extern "C" bool QX_SetReadOnly(HWND window, bool readOnly)
{
    return Guarded(window, false, [&](AVornalixor& self) {
        self.readOnly = readOnly;
        return true;
    });
}

extern "C" bool QX_IsReadOnly(HWND window)
{
    return Guarded(window, false, [](AVornalixor& self) { return self.readOnly; });
}

extern "C" bool QX_IsModified(HWND window)
{
    return Guarded(window, false, [](AVornalixor& self) { return self.modified; });
}

extern "C" bool QX_SetModified(HWND window, bool modified)
{
    return Guarded(window, false, [&](AVornalixor& self) {
        self.setModified(modified, false);
        return true;
    });
}

extern "C" bool QX_SetNotifyChanged(HWND window, QX_NotifyProc notify)
{
    return Guarded(window, false, [&](AVornalixor& self) {
        self.notifyChanged = notify ? notify : [] {};
        return true;
    });
}

extern "C" bool QX_SetTabSize(HWND window, int tabSize)
{
    return Guarded(window, false, [&](AVornalixor& self) {
        self.tabSize = tabSize < 1 ? 1 : tabSize;
        return true;
    });
}

extern "C" int QX_GetTabSize(HWND window)
{
    return Guarded(window, -1, [](AVornalixor& self) { return self.tabSize; });
}

extern "C" bool QX_GetLogFont(HWND window, LOGFONTA* font, COLORREF* textColor)
{
    return Guarded(window, false, [&](AVornalixor& self) {
        const LOGFONTA current = self.font.logFont();
        std::memcpy(font, &current, sizeof current);
        *textColor = self.textColor;
        return true;
    });
}

extern "C" bool QX_GetBkColor(HWND window, COLORREF* color)
{
    return Guarded(window, false, [&](AVornalixor& self) {
        *color = self.backBrush.color();
        return true;
    });
}

#define QX_NEUTRAL(name, result, guard, params, args) \
    extern "C" result name params { Unused args; return Neutral<result>(window, guard); }

QX_NEUTRAL(QX_New, bool, false, (HWND window), ())
QX_NEUTRAL(QX_BackSpace, bool, false, (HWND window), ())
QX_NEUTRAL(QX_Delete, bool, false, (HWND window), ())
QX_NEUTRAL(QX_Insert, bool, false, (HWND window), ())
QX_NEUTRAL(QX_Space, bool, false, (HWND window), ())
QX_NEUTRAL(QX_Tab, bool, false, (HWND window), ())
QX_NEUTRAL(QX_CursorDown, bool, false, (HWND window), ())
QX_NEUTRAL(QX_CursorLeft, bool, false, (HWND window), ())
QX_NEUTRAL(QX_CursorRight, bool, false, (HWND window), ())
QX_NEUTRAL(QX_CursorUp, bool, false, (HWND window), ())
QX_NEUTRAL(QX_LineEnd, bool, false, (HWND window), ())
QX_NEUTRAL(QX_LineTop, bool, false, (HWND window), ())
QX_NEUTRAL(QX_PageDown, bool, false, (HWND window), ())
QX_NEUTRAL(QX_PageUp, bool, false, (HWND window), ())
QX_NEUTRAL(QX_DataEnd, bool, false, (HWND window), ())
QX_NEUTRAL(QX_DataTop, bool, false, (HWND window), ())
QX_NEUTRAL(QX_SetLogFont, bool, false, (HWND window, const LOGFONTA* font, const COLORREF* color), (font, color))
QX_NEUTRAL(QX_SetBkColor, bool, false, (HWND window, const COLORREF* color), (color))
QX_NEUTRAL(QX_GetData, bool, false, (HWND window, void* buffer, int nibble, int count), (buffer, nibble, count))
QX_NEUTRAL(QX_GetDataSize, int, -1, (HWND window), ())
QX_NEUTRAL(QX_SetData, bool, false, (HWND window, const void* bytes, int count), (bytes, count))
QX_NEUTRAL(QX_InsertData, bool, false, (HWND window, int nibble, const void* bytes, int count), (nibble, bytes, count))
QX_NEUTRAL(QX_GetViewTop, int, -1, (HWND window), ())
QX_NEUTRAL(QX_SetViewTop, bool, false, (HWND window, int nibble), (nibble))
QX_NEUTRAL(QX_GetCaretPos, int, -1, (HWND window), ())
QX_NEUTRAL(QX_SetCaretPos, bool, false, (HWND window, int nibble), (nibble))
QX_NEUTRAL(QX_CanUndo, bool, false, (HWND window), ())
QX_NEUTRAL(QX_CanRedo, bool, false, (HWND window), ())
QX_NEUTRAL(QX_ClearHistory, bool, false, (HWND window), ())
QX_NEUTRAL(QX_Undo, bool, false, (HWND window), ())
QX_NEUTRAL(QX_Redo, bool, false, (HWND window), ())
QX_NEUTRAL(QX_SelectionBegin, bool, false, (HWND window), ())
QX_NEUTRAL(QX_SelectionEnd, bool, false, (HWND window), ())
QX_NEUTRAL(QX_HideSelection, bool, false, (HWND window), ())
QX_NEUTRAL(QX_SetSelection, bool, false, (HWND window, int nibble, int count), (nibble, count))
QX_NEUTRAL(QX_GetSelectionBegin, int, -1, (HWND window), ())
QX_NEUTRAL(QX_GetSelectionSize, int, 0, (HWND window), ())
QX_NEUTRAL(QX_DeleteSelection, bool, false, (HWND window), ())
QX_NEUTRAL(QX_ReplaceSelection, bool, false, (HWND window, const void* bytes, int count), (bytes, count))
QX_NEUTRAL(QX_BookMark, int, -1, (HWND window, int index), (index))
QX_NEUTRAL(QX_GoBookMark, bool, false, (HWND window, int index), (index))
QX_NEUTRAL(QX_SetBookMark, bool, false, (HWND window, int index, int nibble), (index, nibble))
QX_NEUTRAL(QX_FindFirst, bool, false, (HWND window, int nibble, const void* pattern, int count), (nibble, pattern, count))
QX_NEUTRAL(QX_FindNext, bool, false, (HWND window, int nibble, const void* pattern, int count), (nibble, pattern, count))
QX_NEUTRAL(QX_FindPrev, bool, false, (HWND window, int nibble, const void* pattern, int count), (nibble, pattern, count))
