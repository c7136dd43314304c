// The document's bytes between a file and the control: opening a file as the control's base,
// reading a backup in, saving safely.
#pragma once
#include <windows.h>

#include "app/backup/BackupJournal.h"
#include "app/win/documents/DocumentSource.h"
#include "common/win/SafeSave.h"

#include <string>
#include <string_view>

// How a file opened.
enum class OpenedAs : uint8_t {
    Base,           // the control's base, which no other program may write meanwhile
    SharingWrites,  // read-only, as the user chose: another program writes it, its bytes may change
};

// Makes the file the control's document (QX_OpenFile: read on demand, never whole), or a new
// document (QX_New) for the empty name. A file that cannot be opened (missing, unreadable, a
// folder, a name without a drive letter) gives the warning "ファイルを読み込めませんでした。",
// one larger than the control holds "ファイルサイズが大きすぎます。". A file that another
// program holds open for writing is explained and offered read-only, sharing its writes; the
// control is then read-only and `opened` says so. Warnings and the question are owned by
// `owner`. On failure or refusal the control keeps what it showed. The caller does the rest of
// the window's bookkeeping (modified flags, name, backup, editing list).
bool LoadDocument(HWND owner, HWND control, std::wstring_view file, OpenedAs* opened = nullptr);

// Gives the control the document `source` holds under `file` (a backup): a source that cannot
// be opened gives the warning "ファイルを読み込めませんでした。", a failed read the same; a
// refusal of the control shows nothing more.
bool LoadDocument(HWND owner, HWND control, std::wstring_view file, DocumentSource& source);

// Writes the control's bytes to `name` with SaveFileSafely, streamed from the control's base and
// edits, after asking the disk for room for all of them; the saved file then becomes the
// control's base (QX_Rebase), so undo and redo go on across the save. On failure the warning
// "ファイルに書き出せませんでした。" is shown with the file's name and the reason, owned by
// `owner`, and the file on disk is as it was. Flags and names are the caller's. `written`, when
// given, gets the base the document then stands on (an empty name when it stands on none).
bool WriteDocument(HWND owner, HWND control, std::wstring_view name, JournalBase* written = nullptr);

// The warning of a failed save (SaveFileSafely) of `name`: what failed, the file, and why.
[[nodiscard]] std::wstring SaveFailureText(std::wstring_view name, const SaveResult& result);
