// The backup manager's rules about names and the state of the process list.
#include "app/backup/BackupRules.h"

#include "common/PathString.h"
#include "common/ShiftJis.h"

#include <algorithm>
#include <iterator>

namespace {

[[nodiscard]] bool IsHexDigit(wchar_t c) noexcept
{
    return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
}

// Where the last path component starts (after the last backslash).
[[nodiscard]] size_t FileNameStart(std::wstring_view path) noexcept
{
    const size_t last = path.rfind(L'\\');
    return last == std::wstring_view::npos ? 0 : last + 1;
}

[[nodiscard]] bool EndsWithTmp(std::wstring_view name) noexcept
{
    return name.size() >= 4 && SameName(name.substr(name.size() - 4), L".tmp");
}

} // namespace

bool HasTemporaryFileName(std::wstring_view path)
{
    const std::wstring_view name = path.substr(FileNameStart(path));
    if (name.size() < 7 || !SameName(name.substr(0, 2), TemporaryPrefix) || !EndsWithTmp(name))
        return false;
    const std::wstring_view digits = name.substr(2, name.size() - 6);
    return digits.size() <= 8 && std::all_of(digits.begin(), digits.end(), IsHexDigit);
}

bool IsOwnTemporaryFile(std::wstring_view path, std::wstring_view tempDir)
{
    if (tempDir.empty() || !IsAbsoluteName(tempDir) || !HasTemporaryFileName(path))
        return false;
    const size_t start = FileNameStart(path);
    return start > 0 && SameName(path.substr(0, start - 1), tempDir);
}

namespace {

std::wstring WithExtension(std::wstring_view path, const wchar_t* extension)
{
    std::wstring name(EndsWithTmp(path) ? path.substr(0, path.size() - 4) : path);
    return name + extension;
}

} // namespace

std::wstring StagingFileName(std::wstring_view path) { return WithExtension(path, L".new"); }

std::wstring PreviousGenerationName(std::wstring_view path) { return WithExtension(path, L".old"); }

ProcessListState ClassifyProcessList(std::wstring_view registryValue, std::wstring_view sharedPath)
{
    if (registryValue.empty())
        return ProcessListState::None;
    return SameName(registryValue, sharedPath) ? ProcessListState::Alive : ProcessListState::Abandoned;
}

std::vector<Profile> RecoverableProfiles(const std::vector<Profile>& profiles)
{
    std::vector<Profile> recoverable;
    std::copy_if(profiles.begin(), profiles.end(), std::back_inserter(recoverable),
                 [](const Profile& profile) { return IsAbsoluteName(profile.backupFile); });
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
