// EditInfo: remembering and restoring a document's view.
#include "app/documents/EditInfo.h"

EditInfo FreshEditInfo(FileClock& clock)
{
    EditInfo state;
    state.stamp = clock.now();
    return state;
}

void RememberView(std::wstring_view name, EditInfo& state, bool refreshStamp, ControlAccess& control,
                  FileClock& clock)
{
    if (name.empty())
        return;
    state.caret = control.caretPos();
    state.viewTop = control.viewTop();
    state.selectionBegin = control.selectionBegin();
    state.selectionSize = control.selectionSize();
    for (int i = 0; i < EditInfo::BookmarkCount; ++i)
        state.bookmarks[i] = control.bookMark(i);
    if (refreshStamp) {
        FileStamp written;
        if (clock.fileStamp(name, written))
            state.stamp = written;
    }
}

void RestoreView(std::wstring_view name, EditInfo& state, ControlAccess& control, FileClock& clock)
{
    if (name.empty())
        return;
    FileStamp written;
    if (!clock.fileStamp(name, written))
        written = clock.now();
    if (written != state.stamp) {
        state.Reset();
        state.stamp = written;
        return;
    }
    control.setViewTop(state.viewTop);
    control.setCaretPos(state.caret);
    if (state.selectionSize != 0)
        control.setSelection(state.selectionBegin, state.selectionSize);
    for (int i = 0; i < EditInfo::BookmarkCount; ++i)
        if (state.bookmarks[i] != -1)
            control.setBookMark(i, state.bookmarks[i]);
}
