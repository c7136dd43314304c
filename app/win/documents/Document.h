// The document's bytes between a file and the control: loading with the size limit, saving safely.
#pragma once
#include <windows.h>

#include "app/backup/BackupJournal.h"
#include "app/win/documents/DocumentSource.h"

#include <cstdint>
#include <string_view>

// The most bytes the control holds.
inline constexpr uint64_t MaxDocumentSize = 0x3FFFFFFF;

// Gives the control the bytes of `file` as `source` reads them, straight into the control's
// memory, or a new document (QX_New) for the empty name. The size is checked before anything
// is read: a source that cannot be opened gives the warning "ファイルを読み込めませんでした。",
// one beyond MaxDocumentSize "ファイルサイズが大きすぎます。", a failed read the first again; a
// refusal of the control shows nothing more. The warnings are owned by `owner`. On failure the
// control keeps what it showed. The caller does the rest of the window's bookkeeping (modified
// flags, name, backup, editing list).
bool LoadDocument(HWND owner, HWND control, std::wstring_view file, DocumentSource& source);
// The same from a plain file.
bool LoadDocument(HWND owner, HWND control, std::wstring_view file);

// Writes the control's bytes to `name` with SaveFileSafely, straight from the control's memory.
// On failure the warning "ファイルに書き出せませんでした。" is shown with the file's name and the
// reason, owned by `owner`, and the file on disk is as it was. Flags and names are the caller's. `written`, when given, gets the
// saved file's size and last-write time (an empty name when they cannot be read).
bool WriteDocument(HWND owner, HWND control, std::wstring_view name, JournalBase* written = nullptr);
