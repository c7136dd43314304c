// Profile: parsing and composing process-list records.
#include "app/backup/Profile.h"

#include "common/PathString.h"
#include "common/Utf16Bytes.h"

#include <algorithm>
#include <cstring>

namespace {

std::string ReadField(const uint8_t* field)
{
    const auto* begin = reinterpret_cast<const char*>(field);
    const auto* terminator = static_cast<const char*>(std::memchr(begin, 0, ProfileFieldSize));
    return std::string(begin, terminator ? terminator : begin + ProfileFieldSize);
}

// A narrow name field as every editor writes it, with its terminator; one that fills its bytes
// is damaged, and a cut name could name another file: no name.
std::string ReadNameField(const uint8_t* field)
{
    std::string text = ReadField(field);
    if (text.size() == ProfileFieldSize)
        text.clear();
    return text;
}

void WriteField(uint8_t* field, std::string_view text)
{
    std::memset(field, 0, ProfileFieldSize);
    if (text.size() < ProfileFieldSize)
        std::memcpy(field, text.data(), text.size());
}

// The mark of a name record's first field, then its kind.
constexpr std::string_view kNameMark = "\x01QXW";
constexpr char kBackupKind = 'B';
constexpr char kDocumentKind = 'D';

// The kind of a name record, or none for a record of an editor.
[[nodiscard]] char NameKind(std::string_view first) noexcept
{
    if (!first.starts_with(kNameMark))
        return '\0';
    return first.size() == kNameMark.size() + 1 ? first.back() : '?';
}

void PutRecord(_CVec<uint8_t>& bytes, std::string_view first, std::string_view second)
{
    const size_t at = bytes.size();
    bytes.resize(at + ProfileSize);
    WriteField(bytes.data() + at, first);
    WriteField(bytes.data() + at + ProfileFieldSize, second);
}

// The narrow text of a name, and after it, when that text does not spell the name, its
// name records.
std::string NarrowAndNameRecords(std::wstring_view name, char kind, const ProfileNameForms& forms,
                                 std::vector<std::pair<char, std::string>>& records)
{
    std::string narrow = forms.narrow(name);
    if (narrow.size() >= ProfileFieldSize)
        narrow.clear();
    if (forms.widen(narrow) == name)
        return narrow;
    const std::string utf8 = Utf8Of(name);
    for (size_t at = 0; at < utf8.size(); at += ProfileFieldSize - 1)
        records.emplace_back(kind, utf8.substr(at, ProfileFieldSize - 1));
    return narrow;
}

std::vector<Profile>::iterator FindBackup(std::vector<Profile>& profiles, std::wstring_view backupFile)
{
    return std::find_if(profiles.begin(), profiles.end(),
                        [&](const Profile& profile) { return SameName(profile.backupFile, backupFile); });
}

} // namespace

std::vector<Profile> ParseProfiles(const uint8_t* bytes, size_t size, const ProfileNameForms& forms)
{
    std::vector<Profile> profiles;
    if (!bytes)
        return profiles;
    const size_t count = size / ProfileSize;
    std::string backupName, documentName;  // the UTF-8 names of the last editor's record
    const auto finish = [&] {
        if (!profiles.empty()) {
            if (!backupName.empty())
                profiles.back().backupFile = WideFromUtf8(backupName);
            if (!documentName.empty())
                profiles.back().documentName = WideFromUtf8(documentName);
        }
        backupName.clear();
        documentName.clear();
    };
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* record = bytes + i * ProfileSize;
        const std::string first = ReadField(record), second = ReadField(record + ProfileFieldSize);
        switch (NameKind(first)) {
        case '\0':
            finish();
            profiles.push_back({forms.widen(ReadNameField(record)), forms.widen(ReadNameField(record + ProfileFieldSize))});
            break;
        case kBackupKind:
            backupName += second;
            break;
        case kDocumentKind:
            documentName += second;
            break;
        default:
            break;  // a kind of a later version
        }
    }
    finish();
    return profiles;
}

_CVec<uint8_t> ComposeProfiles(const std::vector<Profile>& profiles, const ProfileNameForms& forms)
{
    _CVec<uint8_t> bytes;
    std::vector<std::pair<char, std::string>> names;
    for (const Profile& profile : profiles) {
        names.clear();
        const std::string backup = NarrowAndNameRecords(profile.backupFile, kBackupKind, forms, names);
        const std::string document = NarrowAndNameRecords(profile.documentName, kDocumentKind, forms, names);
        PutRecord(bytes, backup, document);
        for (const auto& [kind, piece] : names)
            PutRecord(bytes, std::string(kNameMark) + kind, piece);
    }
    return bytes;
}

void AddProfile(std::vector<Profile>& profiles, const Profile& profile)
{
    profiles.push_back(profile);
}

bool RemoveProfile(std::vector<Profile>& profiles, std::wstring_view backupFile)
{
    const auto found = FindBackup(profiles, backupFile);
    if (found == profiles.end())
        return false;
    profiles.erase(found);
    return true;
}

bool UpdateProfile(std::vector<Profile>& profiles, std::wstring_view backupFile, std::wstring_view documentName)
{
    const auto found = FindBackup(profiles, backupFile);
    if (found == profiles.end())
        return false;
    found->documentName = documentName;
    return true;
}

bool ReplaceProfileBackup(std::vector<Profile>& profiles, std::wstring_view backupFile, std::wstring_view replacement)
{
    const auto found = FindBackup(profiles, backupFile);
    if (found == profiles.end())
        return false;
    found->backupFile = replacement;
    return true;
}
