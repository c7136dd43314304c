// AAppVersion: a program's version strings (block 041103A4) and the system's version.
#include "common/win/AAppVersion.h"

#include "common/AError.h"
#include "common/VersionText.h"

#include <cstdio>
#include <vector>

namespace {

constexpr WORD kLanguageJapanese = 0x0411;
constexpr WORD kCodePageShiftJis = 932;

std::string QueryString(const std::vector<char>& block, const char* key)
{
    char path[64];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%04X%04X\\%s", kLanguageJapanese,
                  kCodePageShiftJis, key);
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), path, reinterpret_cast<void**>(&value), &length) || !value ||
        length == 0 || value[0] == '\0')
        throw ASystemError("version string missing");
    return std::string(value, strnlen(value, length));
}

} // namespace

AAppVersion::AAppVersion(const char* moduleFileName)
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(moduleFileName, &handle);
    if (size == 0)
        throw ASystemError("no version resource");
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(moduleFileName, 0, size, block.data()))
        throw ASystemError("version resource unreadable");
    description = QueryString(block, "FileDescription");
    productVersion = QueryString(block, "ProductVersion");
    legalText = QueryString(block, "LegalCopyright");
    shortVersion = ShortVersionOf(productVersion);
    versionDigits = VersionDigitsOf(productVersion);
    osInfo.dwOSVersionInfoSize = 0;
}

const OSVERSIONINFOA& AAppVersion::System()
{
    if (osInfo.dwOSVersionInfoSize == 0) {
        osInfo.dwOSVersionInfoSize = sizeof osInfo;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        GetVersionExA(&osInfo);
#pragma GCC diagnostic pop
    }
    return osInfo;
}

std::string AAppVersion::OsName()
{
    const auto& os = System();
    return OsNameFor(os.dwPlatformId, os.dwMajorVersion, os.dwMinorVersion);
}

std::string AAppVersion::OsMajorVersion() { return std::to_string(System().dwMajorVersion); }
std::string AAppVersion::OsMinorVersion() { return std::to_string(System().dwMinorVersion); }

std::string AAppVersion::OsBuildNumber()
{
    const auto& os = System();
    return OsBuildText(os.dwPlatformId, os.dwBuildNumber);
}

std::string ComputerName()
{
    char name[512] = {};
    DWORD size = sizeof name;
    return GetComputerNameA(name, &size) ? std::string(name) : std::string();
}

std::string UserName()
{
    char name[512] = {};
    DWORD size = sizeof name;
    return GetUserNameA(name, &size) ? std::string(name) : std::string();
}
