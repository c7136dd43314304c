// Profile: parsing and composing process-list records.
#include "app/backup/Profile.h"

#include "common/PathString.h"

#include <algorithm>
#include <cstring>

namespace {

std::string ReadField(const uint8_t* field)
{
    const auto* begin = reinterpret_cast<const char*>(field);
    const auto* terminator = static_cast<const char*>(std::memchr(begin, 0, ProfileFieldSize));
    return std::string(begin, terminator ? terminator : begin + ProfileFieldSize);
}

void WriteField(uint8_t* field, std::string_view text)
{
    std::memset(field, 0, ProfileFieldSize);
    if (text.size() < ProfileFieldSize)
        std::memcpy(field, text.data(), text.size());
}

std::vector<Profile>::iterator FindBackup(std::vector<Profile>& profiles, std::string_view backupFile)
{
    return std::find_if(profiles.begin(), profiles.end(),
                        [&](const Profile& profile) { return SameName(profile.backupFile, backupFile); });
}

} // namespace

std::vector<Profile> ParseProfiles(const uint8_t* bytes, size_t size)
{
    std::vector<Profile> profiles;
    if (!bytes)
        return profiles;
    const size_t count = size / ProfileSize;
    profiles.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* record = bytes + i * ProfileSize;
        profiles.push_back({ReadField(record), ReadField(record + ProfileFieldSize)});
    }
    return profiles;
}

_CVec<uint8_t> ComposeProfiles(const std::vector<Profile>& profiles)
{
    _CVec<uint8_t> bytes;
    bytes.resize(profiles.size() * ProfileSize);
    for (size_t i = 0; i < profiles.size(); ++i) {
        uint8_t* record = bytes.data() + i * ProfileSize;
        WriteField(record, profiles[i].backupFile);
        WriteField(record + ProfileFieldSize, profiles[i].documentName);
    }
    return bytes;
}

void AddProfile(std::vector<Profile>& profiles, const Profile& profile)
{
    profiles.push_back(profile);
}

bool RemoveProfile(std::vector<Profile>& profiles, std::string_view backupFile)
{
    const auto found = FindBackup(profiles, backupFile);
    if (found == profiles.end())
        return false;
    profiles.erase(found);
    return true;
}

bool UpdateProfile(std::vector<Profile>& profiles, std::string_view backupFile, std::string_view documentName)
{
    const auto found = FindBackup(profiles, backupFile);
    if (found == profiles.end())
        return false;
    found->documentName = documentName;
    return true;
}

bool ReplaceProfileBackup(std::vector<Profile>& profiles, std::string_view backupFile, std::string_view replacement)
{
    const auto found = FindBackup(profiles, backupFile);
    if (found == profiles.end())
        return false;
    found->backupFile = replacement;
    return true;
}
