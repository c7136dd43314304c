// AAppVersion: a program's version strings (block 041103A4) and the system's version.
#pragma once
#include <windows.h>

#include <string>

class AAppVersion {
public:
    // Reads the version resource of the file; throws ASystemError when it or one of
    // FileDescription, ProductVersion and LegalCopyright cannot be read or is empty.
    explicit AAppVersion(const char* moduleFileName);
    virtual ~AAppVersion() = default;

    std::string description;
    std::string shortVersion;    // "1, 0, 2, 0" -> "1.0"
    std::string productVersion;
    std::string versionDigits;   // "1, 0, 2, 0" -> "1020"
    std::string legalText;
    OSVERSIONINFOA osInfo{};     // dwOSVersionInfoSize stays 0 until the first system query

    std::string OsName();
    std::string OsMajorVersion();
    std::string OsMinorVersion();
    std::string OsBuildNumber();

private:
    const OSVERSIONINFOA& System();
};

// The computer's name and the logged-on user's name (empty when they cannot be read).
std::string ComputerName();
std::string UserName();
