// Fuzz target: process-list records from arbitrary bytes, and their composition back.
#include "app/backup/Profile.h"
#include "tests/unit/app/backup/Latin1NameForms.h"

#include <cstdlib>

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
