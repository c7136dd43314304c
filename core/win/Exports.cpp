// The 56 exports of talvine.dll: each finds the control's instance behind the export guard and
// calls its model or its drawing state.
#define TALVINE_BUILDING
#include "talvine.h"

#include "core/win/ExportGuard.h"
#include "core/win/Library.h"

#include <cstring>

extern "C" HWND QX_Create(HWND owner, HWND parent, DWORD style)
{
    try {
        Library().owner = owner;
        return CreateWindowExA(WS_EX_ACCEPTFILES, TALVINE_CLASS_NAME, nullptr, style | WS_CHILD, 0, 0,
                               0, 0, parent, nullptr, Library().classModule, nullptr);
    } catch (...) {
        ShowCaughtFailure(owner);
    }
    return nullptr;
}

extern "C" bool QX_HasFocus(HWND window)
{
    return Guarded(window, false, [](AVornalixor& self) { return self.hasFocus; });
}

// --- flags and notification

extern "C" bool QX_SetReadOnly(HWND window, bool readOnly)
{
    return OnModel(window, false, [&](ControlModel& model) {
        model.setReadOnly(readOnly);
        return true;
    });
}

extern "C" bool QX_IsReadOnly(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.isReadOnly(); });
}

extern "C" bool QX_IsModified(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.isModified(); });
}

extern "C" bool QX_SetModified(HWND window, bool modified)
{
    return OnModel(window, false, [&](ControlModel& model) {
        model.setModified(modified, false);
        return true;
    });
}

extern "C" bool QX_SetNotifyChanged(HWND window, QX_NotifyProc notify)
{
    return OnModel(window, false, [&](ControlModel& model) {
        model.setNotifyChanged(notify);
        return true;
    });
}

extern "C" bool QX_SetTabSize(HWND window, int tabSize)
{
    return OnModel(window, false, [&](ControlModel& model) {
        model.setTabSize(tabSize);
        return true;
    });
}

extern "C" int QX_GetTabSize(HWND window)
{
    return OnModel(window, -1, [](ControlModel& model) { return model.tabSize(); });
}

// --- bytes

extern "C" bool QX_New(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.newData(); });
}

extern "C" bool QX_BackSpace(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.backSpace(); });
}

extern "C" bool QX_Delete(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.deleteByte(); });
}

extern "C" bool QX_Insert(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.insert(); });
}

extern "C" bool QX_Space(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.space(); });
}

extern "C" bool QX_Tab(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.tab(); });
}

extern "C" bool QX_GetData(HWND window, void* buffer, int nibble, int count)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.getData(buffer, nibble, count); });
}

extern "C" int QX_GetDataSize(HWND window)
{
    return OnModel(window, -1, [](ControlModel& model) { return model.dataSize(); });
}

extern "C" bool QX_SetData(HWND window, const void* bytes, int count)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.setData(bytes, count); });
}

extern "C" bool QX_InsertData(HWND window, int nibble, const void* bytes, int count)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.insertData(nibble, bytes, count); });
}

// --- caret and view

extern "C" bool QX_CursorDown(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.cursorDown(); });
}

extern "C" bool QX_CursorLeft(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.cursorLeft(); });
}

extern "C" bool QX_CursorRight(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.cursorRight(); });
}

extern "C" bool QX_CursorUp(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.cursorUp(); });
}

extern "C" bool QX_LineEnd(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.lineEnd(); });
}

extern "C" bool QX_LineTop(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.lineTop(); });
}

extern "C" bool QX_PageDown(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.pageDown(); });
}

extern "C" bool QX_PageUp(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.pageUp(); });
}

extern "C" bool QX_DataEnd(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.dataEnd(); });
}

extern "C" bool QX_DataTop(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.dataTop(); });
}

extern "C" int QX_GetViewTop(HWND window)
{
    return OnModel(window, -1, [](ControlModel& model) { return model.viewTop(); });
}

extern "C" bool QX_SetViewTop(HWND window, int nibble)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.setViewTop(nibble); });
}

extern "C" int QX_GetCaretPos(HWND window)
{
    return OnModel(window, -1, [](ControlModel& model) { return model.caretPos(); });
}

extern "C" bool QX_SetCaretPos(HWND window, int nibble)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.setCaretPos(nibble); });
}

// --- font and colours

extern "C" bool QX_GetLogFont(HWND window, LOGFONTA* font, COLORREF* textColor)
{
    return Guarded(window, false, [&](AVornalixor& self) {
        if (!font || !textColor)
            return false;
        const LOGFONTA current = self.font.logFont();
        std::memcpy(font, &current, sizeof current);
        *textColor = self.textColor;
        return true;
    });
}

extern "C" bool QX_SetLogFont(HWND window, const LOGFONTA* font, const COLORREF* textColor)
{
    return Guarded(window, false, [&](AVornalixor& self) {
        return font && textColor && self.setLogFont(*font, *textColor);
    });
}

extern "C" bool QX_GetBkColor(HWND window, COLORREF* color)
{
    return Guarded(window, false, [&](AVornalixor& self) {
        if (!color)
            return false;
        *color = self.backBrush.color();
        return true;
    });
}

extern "C" bool QX_SetBkColor(HWND window, const COLORREF* color)
{
    return Guarded(window, false, [&](AVornalixor& self) { return color && self.setBkColor(*color); });
}

// --- history

extern "C" bool QX_CanUndo(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.canUndo(); });
}

extern "C" bool QX_CanRedo(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.canRedo(); });
}

extern "C" bool QX_ClearHistory(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.clearHistory(); });
}

extern "C" bool QX_Undo(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.undo(); });
}

extern "C" bool QX_Redo(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.redo(); });
}

// --- selection

extern "C" bool QX_SelectionBegin(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.selectionBegin(); });
}

extern "C" bool QX_SelectionEnd(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.selectionEnd(); });
}

extern "C" bool QX_HideSelection(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.hideSelection(); });
}

extern "C" bool QX_SetSelection(HWND window, int nibble, int count)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.setSelection(nibble, count); });
}

extern "C" int QX_GetSelectionBegin(HWND window)
{
    return OnModel(window, -1, [](ControlModel& model) { return model.selectionStart(); });
}

extern "C" int QX_GetSelectionSize(HWND window)
{
    return OnModel(window, 0, [](ControlModel& model) { return model.selectionSize(); });
}

extern "C" bool QX_DeleteSelection(HWND window)
{
    return OnModel(window, false, [](ControlModel& model) { return model.deleteSelection(); });
}

extern "C" bool QX_ReplaceSelection(HWND window, const void* bytes, int count)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.replaceSelection(bytes, count); });
}

// --- bookmarks and search

extern "C" int QX_BookMark(HWND window, int index)
{
    return OnModel(window, -1, [&](ControlModel& model) { return model.bookMark(index); });
}

extern "C" bool QX_GoBookMark(HWND window, int index)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.goBookMark(index); });
}

extern "C" bool QX_SetBookMark(HWND window, int index, int nibble)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.setBookMark(index, nibble); });
}

extern "C" bool QX_FindFirst(HWND window, int nibble, const void* pattern, int count)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.findFirst(nibble, pattern, count); });
}

extern "C" bool QX_FindNext(HWND window, int nibble, const void* pattern, int count)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.findNext(nibble, pattern, count); });
}

extern "C" bool QX_FindPrev(HWND window, int nibble, const void* pattern, int count)
{
    return OnModel(window, false, [&](ControlModel& model) { return model.findPrev(nibble, pattern, count); });
}
