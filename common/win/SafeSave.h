// Saving a file without ever harming its previous contents: a flushed and checked temporary file
// is renamed over it.
#pragma once
#include "common/win/AFilePtr.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Puts the new contents into the open temporary file, whose position is at its start; true
// when every byte was written.
using FileContentWriter = std::function<bool(AFilePtr& file)>;

// The step of a save that failed.
enum class SaveStep : uint8_t {
    Name,       // the name is not absolute, or has no folder
    Target,     // the target is read-only, a folder, or held by another program
    Temporary,  // no temporary file could be made in the target's folder
    Room,       // the target's disk has less room than the whole new file needs
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
    uint64_t needed = 0;     // Room: the new file's size
    uint64_t available = 0;  // Room: what the disk had free for it
    // Replace: where the old file stands when it went aside and could not be moved back; the
    // target's name is then missing and this file holds its old bytes.
    std::wstring keptAside;

    explicit operator bool() const noexcept { return saved; }
};

// Writes `size` bytes through `writeContent` into a new temporary file in the target's folder
// (named by the system, prefix "QX"), after asking the disk for room for all of it, with its
// length set first so that a full disk fails before any writing, flushes it and checks that it
// is exactly `size` bytes long. The temporary file then takes the target's place, carrying the
// target's hidden, system and not-indexed attributes and its creation time: in one rename with
// the POSIX semantics (which replaces a target others hold open sharing its deletion, as the
// control holds its base), else in one write-through rename, else, where the system replaces no
// file that is open elsewhere, the target is moved aside to a name in its folder, the new file
// moved in and the aside deleted (moved back when the new file could not go in). So the target
// holds its old bytes or the new ones, never anything else; only when even the move back fails
// is its name missing, and the result names the file that holds its old bytes. On any failure the temporary
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
