// Fuzz target: process-list records from arbitrary bytes, and their composition back.
#include "app/backup/Profile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto profiles = ParseProfiles(data, size);
    if (profiles.size() != size / ProfileSize)
        std::abort();
    for (const auto& profile : profiles)
        if (profile.backupFile.size() > ProfileFieldSize || profile.documentName.size() > ProfileFieldSize)
            std::abort();

    // Composing and parsing again keeps every record whose texts fit with a terminator.
    const auto bytes = ComposeProfiles(profiles);
    const auto again = ParseProfiles(bytes.data(), bytes.size());
    if (again.size() != profiles.size())
        std::abort();
    for (size_t i = 0; i < profiles.size(); ++i) {
        const auto fits = [](const std::string& text) { return text.size() < ProfileFieldSize; };
        if (again[i].backupFile != (fits(profiles[i].backupFile) ? profiles[i].backupFile : ""))
            std::abort();
        if (again[i].documentName != (fits(profiles[i].documentName) ? profiles[i].documentName : ""))
            std::abort();
    }
    return 0;
}
