// Profile: the records of the process-list file shared by running editors, and their byte form.
#pragma once
#include "common/_CVec.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// One running editor: its backup file and its document's name (empty while untitled).
struct Profile {
    std::wstring backupFile;
    std::wstring documentName;

    bool operator==(const Profile&) const = default;
};

// The file is a plain run of records with no header. A record is two fields of 260 bytes,
// the backup path then the document name, each a NUL-terminated narrow text (the ANSI code
// page, as every editor reads them); bytes after the terminator mean nothing.
//
// A name the narrow text does not spell exactly follows its record in name records: the
// first field the mark "\x01QXW" and 'B' (backup file) or 'D' (document name), the second
// up to 259 bytes of the name's UTF-8 form; the name is the bytes of the name records of
// its kind after one record, in order. Older editors skip such records (no drive letter),
// keep them as they are when they rewrite the list, and read the narrow text, which is the
// name's short form or empty when the name has no narrow form.
inline constexpr size_t ProfileFieldSize = 260;
inline constexpr size_t ProfileSize = 2 * ProfileFieldSize;

// The narrow texts of names: `narrow` the text older editors read for a name (empty when there
// is none), `widen` the name a narrow text spells.
struct ProfileNameForms {
    std::function<std::string(std::wstring_view)> narrow;
    std::function<std::wstring(std::string_view)> widen;
};

// The records of a list file's bytes, read with bounds: a name field without a terminator
// (which no editor writes) is no name, a name record's part without one ends with its 260
// bytes, and bytes after the last whole record are ignored.
[[nodiscard]] std::vector<Profile> ParseProfiles(const uint8_t* bytes, size_t size, const ProfileNameForms& forms);

// The list file's bytes. A narrow text that cannot be stored with its terminator (260 bytes
// or more) is stored empty: a cut path could name another file.
[[nodiscard]] _CVec<uint8_t> ComposeProfiles(const std::vector<Profile>& profiles, const ProfileNameForms& forms);

// Appends the record of a newly registered editor.
void AddProfile(std::vector<Profile>& profiles, const Profile& profile);

// Removes the first record whose backup file is the same as `backupFile` (SameName); false
// when there is none.
bool RemoveProfile(std::vector<Profile>& profiles, std::wstring_view backupFile);

// Gives the first record whose backup file is the same as `backupFile` the new document
// name; false when there is none.
bool UpdateProfile(std::vector<Profile>& profiles, std::wstring_view backupFile, std::wstring_view documentName);

// Gives the first record whose backup file is the same as `backupFile` the backup file
// `replacement`; false when there is none.
bool ReplaceProfileBackup(std::vector<Profile>& profiles, std::wstring_view backupFile, std::wstring_view replacement);
