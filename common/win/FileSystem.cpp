// File-system queries: attributes read with the critical-error boxes suppressed, long names in the \\?\ form.
#include "common/win/FileSystem.h"

#include "common/PathString.h"
#include "common/win/ASuppressWinMsg.h"

#include <windows.h>

#include <string>

namespace {

// The name's attributes, INVALID_FILE_ATTRIBUTES when it is not absolute or cannot be read.
// A name with a NUL inside would silently stand for a shorter one, so it is refused too.
DWORD AttributesOf(std::wstring_view name)
{
    if (!IsAbsoluteName(name) || name.find(L'\0') != std::wstring_view::npos)
        return INVALID_FILE_ATTRIBUTES;
    const std::wstring path = SystemName(name);
    ASuppressWinMsg suppress;
    return GetFileAttributesW(path.c_str());
}

// Fills a buffer by a call that returns the length it needs when the buffer is too small.
template <typename Call>
std::wstring Filled(Call call)
{
    std::wstring text(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = call(text.data(), static_cast<DWORD>(text.size()));
        if (length == 0)
            return {};
        if (length < text.size()) {
            text.resize(length);
            return text;
        }
        text.resize(length);
    }
}

} // namespace

std::wstring ProgramPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        // A full buffer means the name may have been cut short.
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring SystemName(std::wstring_view name)
{
    if (name.size() < ShortPathLimit)
        return std::wstring(name);
    const std::wstring given(name);
    const std::wstring full =
        Filled([&](wchar_t* out, DWORD size) { return GetFullPathNameW(given.c_str(), size, out, nullptr); });
    return full.empty() ? given : ExtendedLengthName(full);
}

std::wstring ShortNameOf(std::wstring_view name)
{
    if (!IsAbsoluteName(name) || name.find(L'\0') != std::wstring_view::npos)
        return {};
    const std::wstring path = SystemName(name);
    ASuppressWinMsg suppress;
    // The \\?\ form the long name needed is no part of the short one.
    return WithoutExtendedLength(
        Filled([&](wchar_t* out, DWORD size) { return GetShortPathNameW(path.c_str(), out, size); }));
}

bool FileExists(std::wstring_view name)
{
    const DWORD attributes = AttributesOf(name);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(std::wstring_view name)
{
    const DWORD attributes = AttributesOf(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring NearestExistingFolder(std::wstring_view folder)
{
    std::wstring nearest(folder);
    while (!nearest.empty() && !FolderExists(nearest))
        nearest = FolderOf(nearest);  // always shorter, so this ends
    return nearest.empty() ? FolderOf(ProgramPath()) : nearest;
}
