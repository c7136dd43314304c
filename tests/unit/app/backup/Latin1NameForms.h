// Latin1NameForms: a narrow form for names in tests of the process list, free of the system.
#pragma once
#include "app/backup/Profile.h"

#include <cstdint>
#include <string>
#include <string_view>

// A code page of one byte a character that spells U+0000 to U+00FF.
inline const ProfileNameForms kLatin1{
    [](std::wstring_view name) {
        std::string narrow;
        for (const wchar_t c : name) {
            if (static_cast<uint32_t>(c) > 0xFF)
                return std::string();
            narrow.push_back(static_cast<char>(c));
        }
        return narrow;
    },
    [](std::string_view narrow) {
        std::wstring name;
        for (const char c : narrow)
            name.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
        return name;
    },
};
