// Fuzz target: process-list records from arbitrary bytes, and their composition back.
#include "app/backup/Profile.h"

#include <cstdlib>

namespace {

// A code page of one byte a character that spells U+0000 to U+00FF.
const ProfileNameForms kLatin1{
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto profiles = ParseProfiles(data, size, kLatin1);
    if (profiles.size() > size / ProfileSize)
        std::abort();

    // Composing and parsing again keeps every record as it was read, names of any length and
    // any characters included.
    const auto bytes = ComposeProfiles(profiles, kLatin1);
    if (ParseProfiles(bytes.data(), bytes.size(), kLatin1) != profiles)
        std::abort();
    return 0;
}
