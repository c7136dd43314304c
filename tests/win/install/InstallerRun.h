// InstallerRun: the package's installer run with msiexec, and what a user finds installed.
#pragma once
#include <windows.h>

#include <string>

// The one installer in the package folder beside bin\ (empty when there is none, or several).
[[nodiscard]] std::string FindInstaller();
// A property of the installer's Property table ("" when missing).
[[nodiscard]] std::string InstallerProperty(const std::string& msi, const std::string& name);
// A copy of the installer at `copy` that is another version of the same product: its own
// product and package codes, and its upgrade rules moved to the version. False when it failed.
bool CopyAsVersion(const std::string& msi, const std::string& copy, const std::string& version);

// Runs "msiexec <arguments> /l*v <log>" and waits for its end (60 s at most); the exit code, or
// STILL_ACTIVE when it did not end. `log` receives the log's last lines when the code is not 0.
DWORD RunMsiexec(const std::string& arguments, std::string* log = nullptr);
// Whether Windows Installer counts the product as installed for this user.
[[nodiscard]] bool ProductInstalled(const std::string& productCode);
// A property of an installed product as the uninstall list reads it ("" when missing).
[[nodiscard]] std::string ProductInfo(const std::string& productCode, const char* property);

// A shell folder's path (CSIDL_...), without a trailing backslash.
[[nodiscard]] std::string ShellFolder(int csidl);
// A string value of the 64-bit registry; "<none>" when the key or the value is missing.
[[nodiscard]] std::string RegistryString(HKEY root, const std::string& key, const std::string& name);
[[nodiscard]] bool RegistryKeyExists(HKEY root, const std::string& key);
// The target of a shell link file, "" when it cannot be read.
[[nodiscard]] std::string ShortcutTarget(const std::string& link);
// A string of a file's version resource (Japanese, code page 932 block), "" when missing.
[[nodiscard]] std::string VersionString(const std::string& file, const std::string& name);
[[nodiscard]] bool FileExists(const std::string& path);
// Whether two files hold the same bytes.
[[nodiscard]] bool SameContents(const std::string& first, const std::string& second);
