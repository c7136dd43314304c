// EditorControl: ControlAccess over the bound exports of talvine.dll, for one control window.
#include "app/win/system/EditorControl.h"

#include "app/win/system/EditorLibrary.h"

int EditorControl::dataSize() { return Editor.QX_GetDataSize(control_); }
int EditorControl::caretPos() { return Editor.QX_GetCaretPos(control_); }
bool EditorControl::setCaretPos(int nibble) { return Editor.QX_SetCaretPos(control_, nibble); }
int EditorControl::viewTop() { return Editor.QX_GetViewTop(control_); }
bool EditorControl::setViewTop(int nibble) { return Editor.QX_SetViewTop(control_, nibble); }
int EditorControl::selectionBegin() { return Editor.QX_GetSelectionBegin(control_); }
int EditorControl::selectionSize() { return Editor.QX_GetSelectionSize(control_); }

bool EditorControl::setSelection(int nibble, int count)
{
    return Editor.QX_SetSelection(control_, nibble, count);
}

int EditorControl::bookMark(int index) { return Editor.QX_BookMark(control_, index); }

bool EditorControl::setBookMark(int index, int nibble)
{
    return Editor.QX_SetBookMark(control_, index, nibble);
}

bool EditorControl::findFirst(int nibble, const uint8_t* pattern, int count)
{
    return Editor.QX_FindFirst(control_, nibble, pattern, count);
}

bool EditorControl::findNext(int nibble, const uint8_t* pattern, int count)
{
    return Editor.QX_FindNext(control_, nibble, pattern, count);
}

bool EditorControl::findPrev(int nibble, const uint8_t* pattern, int count)
{
    return Editor.QX_FindPrev(control_, nibble, pattern, count);
}

bool EditorControl::findCaseless(FindDirection direction, int nibble, const uint8_t* pattern, const uint8_t* caseFlags,
                                 int count)
{
    const int exportDirection = direction == FindDirection::First  ? QX_FIND_FIRST
                                : direction == FindDirection::Next ? QX_FIND_NEXT
                                                                   : QX_FIND_PREV;
    return Editor.QX_FindCaseless(control_, nibble, pattern, caseFlags, count, exportDirection);
}

bool EditorControl::replaceSelection(const uint8_t* bytes, int count)
{
    return Editor.QX_ReplaceSelection(control_, bytes, count);
}
