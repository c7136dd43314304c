// WideName: MultiByteToWideChar and back in the ANSI code page.
#include "common/win/WideName.h"

#include <windows.h>

std::wstring WideName(std::string_view name)
{
    if (name.empty() || name.size() > 0x7FFFFFFF)
        return {};
    const int length = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, name.data(), static_cast<int>(name.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, name.data(), static_cast<int>(name.size()), wide.data(), length);
    return wide;
}

std::string NarrowName(std::wstring_view name)
{
    if (name.empty() || name.size() > 0x7FFFFFFF)
        return {};
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, 0, name.data(), static_cast<int>(name.size()), nullptr, 0, nullptr, &lossy);
    if (length <= 0 || lossy)
        return {};
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, name.data(), static_cast<int>(name.size()), narrow.data(), length, nullptr, nullptr);
    return narrow;
}
