// The backup file as a journal: a new one for a base, and one record appended per backup tick.
#pragma once
#include "app/backup/BackupJournal.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class AFilePtr;

// `count` bytes at `offset` of an open file; false when fewer came.
[[nodiscard]] bool ReadAt(AFilePtr& file, uint64_t offset, void* out, size_t count);

// A file's size, last-write time, identity and sample from an open handle, which is left at the
// file's start: what a journal on it records as its base.
[[nodiscard]] bool StampOfFile(AFilePtr& file, std::wstring_view name, JournalBase& stamp);
// The same for a file by name, opened shared for a moment; false when it cannot be.
[[nodiscard]] bool StampOfFile(std::wstring_view name, JournalBase& stamp);

// The file the control's document stands on (QX_GetBaseName), stamped by its name: false when
// it stands on none, or the file by that name is no longer the size the control opened.
[[nodiscard]] bool ControlBase(HWND control, JournalBase& base);

// Gives `path` a new journal on `base`; with no base (an empty name), it holds one record of the
// control's whole data. The file is replaced whole (ReplaceFileContents), so a kill meanwhile
// leaves the previous journal. `end` gets the new journal's size. False when nothing changed.
bool WriteNewJournal(const std::wstring& path, const JournalBase& base, HWND control, uint64_t& end);

// The control's changes since its mark, as a record's regions; none when it has none.
[[nodiscard]] std::vector<JournalRegion> ControlChanges(HWND control);

// Appends one record of `regions` (the control's changes since its mark) at `end`, where the
// last whole record ends, and ends the file after it; `end` then moves past it. The flush is
// the caller's. After a failed write the file still ends in whole records up to `end`, or in a
// torn tail that a reader leaves out, so a later append may try again; a journal that cannot
// be opened at all must be written anew.
enum class AppendResult { Written, WriteFailed, NoJournal };
AppendResult AppendJournalRecord(const std::wstring& path, HWND control, const std::vector<JournalRegion>& regions,
                                 uint64_t& end);
