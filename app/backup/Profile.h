// Profile: the records of the process-list file shared by running editors, and their byte form.
#pragma once
#include "common/_CVec.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One running editor: its backup file and its document's name (empty while untitled).
struct Profile {
    std::string backupFile;
    std::string documentName;

    bool operator==(const Profile&) const = default;
};

// The file is a plain run of records with no header. A record is two fields of 260 bytes,
// the backup path then the document name, each a NUL-terminated text; bytes after the
// terminator mean nothing.
inline constexpr size_t ProfileFieldSize = 260;
inline constexpr size_t ProfileSize = 2 * ProfileFieldSize;

// The records of a list file's bytes, read with bounds: a field without a terminator ends
// with its 260 bytes, and bytes after the last whole record are ignored.
[[nodiscard]] std::vector<Profile> ParseProfiles(const uint8_t* bytes, size_t size);

// The list file's bytes. A text that cannot be stored with its terminator (260 bytes or
// more) is stored empty: a cut path could name another file.
[[nodiscard]] _CVec<uint8_t> ComposeProfiles(const std::vector<Profile>& profiles);

// Appends the record of a newly registered editor.
void AddProfile(std::vector<Profile>& profiles, const Profile& profile);

// Removes the first record whose backup file is the same as `backupFile` (SameName); false
// when there is none.
bool RemoveProfile(std::vector<Profile>& profiles, std::string_view backupFile);

// Gives the first record whose backup file is the same as `backupFile` the new document
// name; false when there is none.
bool UpdateProfile(std::vector<Profile>& profiles, std::string_view backupFile, std::string_view documentName);

// Gives the first record whose backup file is the same as `backupFile` the backup file
// `replacement`; false when there is none.
bool ReplaceProfileBackup(std::vector<Profile>& profiles, std::string_view backupFile, std::string_view replacement);
