// WideText: MultiByteToWideChar and WideCharToMultiByte with the checks a name needs.
#include "common/win/WideText.h"

#include "common/win/FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace {

std::wstring Widen(UINT codePage, std::string_view text)
{
    if (text.empty() || text.size() > INT_MAX)
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (length > 0)
        MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

} // namespace

std::wstring WideFromAnsi(std::string_view text) { return Widen(CP_ACP, text); }

std::wstring WideFromProgramText(std::string_view text) { return Widen(932, text); }

std::string AnsiText(std::wstring_view text)
{
    if (text.empty() || text.size() > INT_MAX / 4)
        return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(std::max(length, 0)), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

std::optional<std::string> ExactAnsi(std::wstring_view text)
{
    if (text.empty())
        return std::string();
    if (text.size() > INT_MAX / 4)
        return std::nullopt;
    const int size = static_cast<int>(text.size());
    BOOL defaulted = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0, nullptr,
                                           &defaulted);
    if (length <= 0 || defaulted)
        return std::nullopt;
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, narrow.data(), length, nullptr, &defaulted);
    // A character the code page maps without a default yet reads back as another (a lone
    // surrogate, some compatibility forms) is no exact form either.
    if (defaulted || WideFromAnsi(narrow) != text)
        return std::nullopt;
    return narrow;
}

std::string LegacyName(std::wstring_view name, size_t limit)
{
    if (const std::optional<std::string> exact = ExactAnsi(name); exact && exact->size() < limit)
        return *exact;
    const std::wstring shortName = ShortNameOf(name);
    if (const std::optional<std::string> exact = ExactAnsi(shortName); exact && !exact->empty() && exact->size() < limit)
        return *exact;
    return {};
}

std::string ShownName(std::wstring_view name)
{
    const std::string legacy = LegacyName(name, SIZE_MAX);
    return legacy.empty() ? AnsiText(name) : legacy;
}
