// File-system queries: attributes read with the critical-error boxes suppressed.
#include "common/win/FileSystem.h"

#include "common/PathString.h"
#include "common/win/ASuppressWinMsg.h"

#include <windows.h>

#include <string>

namespace {

// The name's attributes, INVALID_FILE_ATTRIBUTES when it has no drive letter or cannot
// be read. A name with a NUL inside would silently stand for a shorter one, so it is
// refused too.
DWORD AttributesOf(std::string_view name)
{
    if (!HasDriveLetter(name) || name.find('\0') != std::string_view::npos)
        return INVALID_FILE_ATTRIBUTES;
    const std::string path(name);
    ASuppressWinMsg suppress;
    return GetFileAttributesA(path.c_str());
}

} // namespace

std::string ProgramPath()
{
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        // A full buffer means the name may have been cut short.
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

bool FileExists(std::string_view name)
{
    const DWORD attributes = AttributesOf(name);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(std::string_view name)
{
    const DWORD attributes = AttributesOf(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string NearestExistingFolder(std::string_view folder)
{
    std::string nearest(folder);
    while (!nearest.empty() && !FolderExists(nearest))
        nearest = FolderOf(nearest);  // always shorter, so this ends
    return nearest.empty() ? FolderOf(ProgramPath()) : nearest;
}
