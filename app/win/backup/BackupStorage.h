// The backup manager's files: temporary names, bounded reads, whole-file replacement, deletion.
#pragma once
#include "common/win/SafeSave.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A new empty file made by FileCalls::MakeTemporary in `folder` with the prefix "QX"; its path
// string, or empty when the folder is empty or no name could be made.
[[nodiscard]] std::wstring MakeTemporaryFile(const std::wstring& folder);

// The file's first `limit` bytes at most; nothing when it cannot be opened or read.
[[nodiscard]] std::vector<uint8_t> ReadFileStart(const std::wstring& path, size_t limit);

// Gives the file exactly these bytes without a moment in which it holds anything else: they
// are written under the staging name (StagingFileName) and flushed, and that file is then
// renamed over the file. The staging name is the owner's alone, so a copy half-written by a
// process that died is overwritten by the next write instead of lying about. On any failure
// the file keeps its previous bytes, the staging file is deleted and the result is false.
bool ReplaceFileContents(const std::wstring& path, const void* bytes, size_t size);
// The same with the contents put in by `writeContent`, `size` bytes in all. When `previous` is
// given, the file as it was is renamed to it before the new one takes its place.
bool ReplaceFileContents(const std::wstring& path, uint64_t size, const FileContentWriter& writeContent,
                         const std::wstring& previous = {});

// Deletes the file after setting its attributes to archive only; a file that cannot be
// deleted stays silently. Empty names are ignored.
void DeleteFileCleared(const std::wstring& path);
