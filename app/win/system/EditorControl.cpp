// EditorControl: ControlAccess over the bound exports of talvine.dll, for one control window.
#include "app/win/system/EditorControl.h"

#include "app/win/system/EditorLibrary.h"

int64_t EditorControl::dataSize() { return Editor.QX_GetDataSize64(control_); }
int64_t EditorControl::caretPos() { return Editor.QX_GetCaretPos64(control_); }
bool EditorControl::setCaretPos(int64_t nibble) { return Editor.QX_SetCaretPos64(control_, nibble); }
int64_t EditorControl::viewTop() { return Editor.QX_GetViewTop64(control_); }
bool EditorControl::setViewTop(int64_t nibble) { return Editor.QX_SetViewTop64(control_, nibble); }
int64_t EditorControl::selectionBegin() { return Editor.QX_GetSelectionBegin64(control_); }
int64_t EditorControl::selectionSize() { return Editor.QX_GetSelectionSize64(control_); }

bool EditorControl::setSelection(int64_t nibble, int64_t count)
{
    return Editor.QX_SetSelection64(control_, nibble, count);
}

int64_t EditorControl::bookMark(int index) { return Editor.QX_BookMark64(control_, index); }

bool EditorControl::setBookMark(int index, int64_t nibble)
{
    return Editor.QX_SetBookMark64(control_, index, nibble);
}

FindResult EditorControl::find(FindDirection direction, int64_t nibble, const uint8_t* pattern, int count,
                               FindMatch match, const uint8_t* flags)
{
    const int exportDirection = (direction == FindDirection::First  ? QX_FIND_FIRST
                                 : direction == FindDirection::Next ? QX_FIND_NEXT
                                                                    : QX_FIND_PREV) |
                                (match == FindMatch::EitherCase ? QX_FIND_CASELESS
                                 : match == FindMatch::Masked   ? QX_FIND_MASKED
                                                                : 0);
    switch (Editor.QX_Find64(control_, nibble, pattern, match == FindMatch::Exact ? nullptr : flags, count,
                             exportDirection)) {
    case QX_FOUND:
        return FindResult::Found;
    case QX_NOT_FOUND:
        return FindResult::NotFound;
    default:
        return FindResult::Failed;
    }
}

bool EditorControl::replaceSelection(const uint8_t* bytes, int count)
{
    return Editor.QX_ReplaceSelection(control_, bytes, count);
}
