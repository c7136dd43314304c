// EditInfo: the view of one document kept in the editing list, taken from and given back to the control.
#pragma once
#include "app/documents/ControlAccess.h"
#include "app/documents/FileStamp.h"

#include <array>
#include <cstdint>
#include <string_view>

struct EditInfo {
    static constexpr int BookmarkCount = 10;

    int64_t caret = 0;           // nibbles
    int64_t viewTop = 0;         // first shown nibble
    int64_t selectionBegin = 0;  // nibble
    int64_t selectionSize = 0;   // bytes; 0 = no selection
    std::array<int64_t, BookmarkCount> bookmarks = Unset();  // nibbles, -1 = not set
    FileStamp stamp;         // the file's last-write time when this state was last tied to it

    // Back to a fresh state; the stamp stays.
    void Reset() noexcept
    {
        const FileStamp kept = stamp;
        *this = EditInfo();
        stamp = kept;
    }

private:
    static constexpr std::array<int64_t, BookmarkCount> Unset() noexcept
    {
        std::array<int64_t, BookmarkCount> slots{};
        slots.fill(-1);
        return slots;
    }
};

// A fresh state, stamped with the current time.
[[nodiscard]] EditInfo FreshEditInfo(FileClock& clock);

// Reads caret, view top, selection and bookmarks of the shown document into `state`; with
// refreshStamp the stamp becomes the file's last-write time (kept when the file cannot be
// opened). Nothing for the empty (untitled) name.
void RememberView(std::wstring_view name, EditInfo& state, bool refreshStamp, ControlAccess& control,
                  FileClock& clock);

// Gives the state back to the control, unless the file was written since the state was tied
// to it (or is gone): then the state is reset to the file's new time (or the current time)
// and the document is shown from its start without bookmarks. Nothing for the empty name.
void RestoreView(std::wstring_view name, EditInfo& state, ControlAccess& control, FileClock& clock);
