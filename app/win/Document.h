// The document's bytes between a file and the control: loading with the size limit, saving safely.
#pragma once
#include <windows.h>

#include "common/win/WholeFile.h"

#include <cstdint>
#include <functional>
#include <string_view>

// The most bytes the control holds.
inline constexpr uint64_t MaxDocumentSize = 0x3FFFFFFF;

// Reads a whole file; ReadWholeFile unless a test puts something in between.
using DocumentReader = std::function<bool(std::string_view name, FileBytes& bytes)>;

// Gives the control the bytes of `file`, or a new document (QX_New) for the empty name. The
// size is checked before anything is read: a size that cannot be read gives the warning
// "ファイルを読み込めませんでした。", one beyond MaxDocumentSize "ファイルサイズが大きすぎます。",
// a failed read the first again; a refusal of the control shows nothing. The warnings are
// owned by `owner`. On failure the control keeps what it showed. The caller does the rest of
// the window's bookkeeping (modified flags, name, backup, editing list).
bool LoadDocument(HWND owner, HWND control, std::string_view file,
                  const DocumentReader& read = ReadWholeFile);

// Writes the control's bytes to `name` with SaveFileSafely, taking them from the control in
// pieces so that the document is never held twice. On failure the warning
// "ファイルに書き出せませんでした。" is shown, owned by `owner`, and the file on disk is as it
// was. Flags and names are the caller's.
bool WriteDocument(HWND owner, HWND control, std::string_view name);
