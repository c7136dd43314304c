// Saving a file without ever harming its previous contents: a flushed temporary file replaces it.
#pragma once
#include "common/win/AFilePtr.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

// Puts the new contents into the open temporary file, whose position is at its start; true
// when every byte was written.
using FileContentWriter = std::function<bool(AFilePtr& file)>;

// Writes `size` bytes through `writeContent` into a new temporary file in the target's
// folder (named by the system, prefix "QX"), with its length set first so that a full disk
// fails before any writing, and flushes it. Then the temporary file takes the target's place:
// ReplaceFileA for an existing target, which keeps the target's attributes, or a
// write-through move for a new one. On any failure the temporary file is deleted and the
// target stays as it was. The target needs the drive-letter form; a read-only target or a
// folder is refused, as writing it in place would be. An exception from the writer passes
// on, after the temporary file is deleted.
bool SaveFileSafely(std::string_view name, uint64_t size, const FileContentWriter& writeContent);

// SaveFileSafely with the bytes of one block.
bool WriteWholeFile(std::string_view name, const void* bytes, size_t count);
