// Saving a file without ever harming its previous contents: a flushed and checked temporary file
// is renamed over it.
#pragma once
#include "common/win/AFilePtr.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

// Puts the new contents into the open temporary file, whose position is at its start; true
// when every byte was written.
using FileContentWriter = std::function<bool(AFilePtr& file)>;

// The step of a save that failed.
enum class SaveStep : uint8_t {
    Name,       // the name is not absolute, or has no folder
    Target,     // the target is read-only, a folder, or held by another program
    Temporary,  // no temporary file could be made in the target's folder
    Reserve,    // the temporary file's length (a full disk fails here)
    Write,
    Flush,
    Check,      // the file written is not the length meant
    Replace,    // the temporary file could not take the target's place
};

struct SaveResult {
    bool saved = false;
    SaveStep failedStep = SaveStep::Name;
    uint32_t error = 0;  // the system's error code of the failed step, 0 when it gave none

    explicit operator bool() const noexcept { return saved; }
};

// Writes `size` bytes through `writeContent` into a new temporary file in the target's folder
// (named by the system, prefix "QX"), with its length set first so that a full disk fails before
// any writing, flushes it and checks that it is exactly `size` bytes long. The temporary file
// then takes the target's place in one write-through rename, carrying the target's hidden,
// system and not-indexed attributes and its creation time. So the target holds its old bytes
// or the new ones, never anything else, and is never missing. On any failure the temporary
// file is deleted (or, when even that fails, deleted by SweepSaveLeftovers later). The target
// needs an absolute name (a drive letter, or a network name), of any length; a read-only target, a folder, or one that another program holds
// without letting it be replaced is refused before anything is written. An exception from the
// writer passes on, after the temporary file is deleted.
SaveResult SaveFileSafely(std::wstring_view name, uint64_t size, const FileContentWriter& writeContent);

// SaveFileSafely with the bytes of one block.
SaveResult WriteWholeFile(std::wstring_view name, const void* bytes, size_t count);

// Deletes the temporary files of failed saves that could not be deleted when they failed;
// those that still cannot be are tried again later. Runs at the start of every save; the
// program calls it once more when it ends.
void SweepSaveLeftovers() noexcept;
