// SystemSnapshot: what an installer can leave behind, as text lines to compare before and after.
#include "tests/win/install/SystemSnapshot.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// A value's type and data as text: strings as they stand, other data in hexadecimal.
std::string ValueText(DWORD type, const std::vector<BYTE>& data, DWORD size)
{
    std::string text = std::to_string(type) + ":";
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        text.append(reinterpret_cast<const char*>(data.data()), size);
        while (!text.empty() && text.back() == '\0')
            text.pop_back();
        return text;
    }
    static constexpr char digits[] = "0123456789ABCDEF";
    for (DWORD i = 0; i < size; ++i) {
        text += digits[data[i] >> 4];
        text += digits[data[i] & 15];
    }
    return text;
}

bool StartsWithAny(const std::string& path, const std::vector<std::string>& prefixes)
{
    const std::string lower = Lower(path);
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&](const std::string& prefix) { return lower.rfind(prefix, 0) == 0; });
}

bool IsAny(const std::string& path, const std::vector<std::string>& paths)
{
    return std::find(paths.begin(), paths.end(), Lower(path)) != paths.end();
}

} // namespace

SystemSnapshot::SystemSnapshot(const SnapshotScope& scope)
{
    std::transform(scope.ignored.begin(), scope.ignored.end(), std::back_inserter(ignored_), Lower);
    std::transform(scope.bare.begin(), scope.bare.end(), std::back_inserter(bare_), Lower);
    for (const RegistryPlace& place : scope.keys) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(place.root, place.key.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
            continue;
        addKey(key, place.rootName + "\\" + place.key);
        RegCloseKey(key);
    }
    for (const std::string& folder : scope.folders)
        addFolder(folder);
}

void SystemSnapshot::addPath(const std::string& path)
{
    if (!StartsWithAny(path, bare_))
        lines_.insert(path);
}

void SystemSnapshot::addKey(HKEY key, const std::string& path)
{
    addPath(path);
    std::vector<BYTE> data(4096);
    for (DWORD index = 0;; ++index) {
        char name[512] = {};
        DWORD nameSize = sizeof name;
        DWORD type = 0;
        auto size = static_cast<DWORD>(data.size());
        const LONG result = RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data.data(), &size);
        if (result == ERROR_MORE_DATA) {
            data.resize(size);
            --index;
            continue;
        }
        if (result != ERROR_SUCCESS)
            break;
        lines_.insert(path + " [" + name + "] " + ValueText(type, data, size));
    }
    for (DWORD index = 0;; ++index) {
        char name[512] = {};
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(key, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        const std::string childPath = path + "\\" + name;
        HKEY child = nullptr;
        if (!IsAny(childPath, ignored_) &&
            RegOpenKeyExA(key, name, 0, KEY_READ | KEY_WOW64_64KEY, &child) == ERROR_SUCCESS) {
            addKey(child, childPath);
            RegCloseKey(child);
        }
    }
}

void SystemSnapshot::addFolder(const std::string& path)
{
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    addPath(path + "\\");
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        const std::string child = path + "\\" + name;
        // Wine shows the links of a prefix's user folders into the Unix home as reparse points.
        if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
            lines_.insert(child + " ->");
        else if (IsAny(child, ignored_))
            continue;
        else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            addFolder(child);
        else
            lines_.insert(child);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::string Difference(const SystemSnapshot& before, const SystemSnapshot& after)
{
    std::string text;
    for (const std::string& line : after.lines())
        if (!before.lines().contains(line))
            text += "+ " + line + "\n";
    for (const std::string& line : before.lines())
        if (!after.lines().contains(line))
            text += "- " + line + "\n";
    return text;
}
