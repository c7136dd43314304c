// The backup manager's rules about names and the state of the process list.
#include "app/backup/BackupRules.h"

#include "common/PathString.h"
#include "common/ShiftJis.h"

#include <algorithm>
#include <iterator>

namespace {

[[nodiscard]] bool IsHexDigit(char c) noexcept
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Where the last path component starts (after the last backslash, Shift-JIS aware).
[[nodiscard]] size_t FileNameStart(std::string_view path) noexcept
{
    const size_t last = SjisFindLast(path, '\\');
    return last == std::string_view::npos ? 0 : last + 1;
}

[[nodiscard]] bool EndsWithTmp(std::string_view name) noexcept
{
    return name.size() >= 4 && SameName(name.substr(name.size() - 4), ".tmp");
}

} // namespace

bool HasTemporaryFileName(std::string_view path)
{
    const std::string_view name = path.substr(FileNameStart(path));
    if (name.size() < 7 || !SameName(name.substr(0, 2), TemporaryPrefix) || !EndsWithTmp(name))
        return false;
    const std::string_view digits = name.substr(2, name.size() - 6);
    return digits.size() <= 8 && std::all_of(digits.begin(), digits.end(), IsHexDigit);
}

bool IsOwnTemporaryFile(std::string_view path, std::string_view tempDir)
{
    if (tempDir.empty() || !HasDriveLetter(tempDir) || !HasTemporaryFileName(path))
        return false;
    const size_t start = FileNameStart(path);
    return start > 0 && SameName(path.substr(0, start - 1), tempDir);
}

namespace {

std::string WithExtension(std::string_view path, const char* extension)
{
    std::string name(EndsWithTmp(path) ? path.substr(0, path.size() - 4) : path);
    return name + extension;
}

} // namespace

std::string StagingFileName(std::string_view path) { return WithExtension(path, ".new"); }

std::string PreviousGenerationName(std::string_view path) { return WithExtension(path, ".old"); }

ProcessListState ClassifyProcessList(std::string_view registryValue, std::string_view sharedPath)
{
    if (registryValue.empty())
        return ProcessListState::None;
    return SameName(registryValue, sharedPath) ? ProcessListState::Alive : ProcessListState::Abandoned;
}

std::vector<Profile> RecoverableProfiles(const std::vector<Profile>& profiles)
{
    std::vector<Profile> recoverable;
    std::copy_if(profiles.begin(), profiles.end(), std::back_inserter(recoverable),
                 [](const Profile& profile) { return HasDriveLetter(profile.backupFile); });
    return recoverable;
}

std::string SharedObjectName(std::string_view baseName, std::string_view programName)
{
    std::string name(baseName);
    if (SameName(programName, "vornalix"))
        return name;
    name += '_';
    for (size_t at = 0; at < programName.size();) {
        const size_t length = SjisCharLength(programName, at);
        const char c = programName[at];
        if (length == 1 && c >= 'a' && c <= 'z')
            name += static_cast<char>(c - 'a' + 'A');
        else
            name.append(programName.substr(at, length));
        at += length;
    }
    return name;
}
