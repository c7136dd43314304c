// The texts derived from a program's version strings and from the operating system's version.
#include "common/VersionText.h"

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}

std::string ShortVersionOf(std::string_view productVersion)
{
    size_t i = 0;
    while (i < productVersion.size() && !isDigit(productVersion[i]))
        ++i;
    if (i == productVersion.size())
        return {};
    std::string text{productVersion[i], '.'};
    for (++i; i < productVersion.size(); ++i)
        if (isDigit(productVersion[i]))
            return text + productVersion[i];
    return text + '0';
}

std::string VersionDigitsOf(std::string_view productVersion)
{
    std::string digits;
    for (char c : productVersion)
        if (isDigit(c))
            digits += c;
    return digits;
}

std::string OsNameFor(unsigned platformId, unsigned major, unsigned minor)
{
    switch (platformId) {
    case 0: return "Win32s";
    case 1: return minor != 0 ? "Windows 98" : "Windows 95";
    case 2:
        if (major == 5) {
            if (minor == 0) return "Windows 2000";
            if (minor == 1) return "Windows XP";
        }
        return "Windows NT";
    default: return "Unknown";
    }
}

std::string OsBuildText(unsigned platformId, unsigned buildNumber)
{
    return std::to_string(platformId == 1 ? (buildNumber & 0xFFFF) : buildNumber);
}
