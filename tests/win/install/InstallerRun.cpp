// InstallerRun: the package's installer run with msiexec, and what a user finds installed.
#include "tests/win/install/InstallerRun.h"

#include "tests/win/support/Process.h"

#include <msi.h>
#include <msiquery.h>
#include <objbase.h>
#include <propidl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

std::string FindInstaller()
{
    const std::string folder = ProgramFolder() + "..\\package\\";
    std::vector<std::string> found;
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((folder + "Quillet-*.msi").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do
            found.push_back(folder + entry.cFileName);
        while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    if (found.size() != 1)
        return {};
    char full[MAX_PATH] = {};
    GetFullPathNameA(found.front().c_str(), MAX_PATH, full, nullptr);
    return full;
}

std::string InstallerProperty(const std::string& msi, const std::string& name)
{
    std::string value;
    MSIHANDLE database = 0, view = 0, record = 0;
    const std::string query = "SELECT `Value` FROM `Property` WHERE `Property` = '" + name + "'";
    if (MsiOpenDatabaseA(msi.c_str(), MSIDBOPEN_READONLY, &database) == ERROR_SUCCESS &&
        MsiDatabaseOpenViewA(database, query.c_str(), &view) == ERROR_SUCCESS &&
        MsiViewExecute(view, 0) == ERROR_SUCCESS && MsiViewFetch(view, &record) == ERROR_SUCCESS) {
        char text[256] = {};
        DWORD size = sizeof text;
        if (MsiRecordGetStringA(record, 1, text, &size) == ERROR_SUCCESS)
            value = text;
    }
    for (const MSIHANDLE handle : {record, view, database})
        if (handle)
            MsiCloseHandle(handle);
    return value;
}

namespace {

std::string NewGuid()
{
    GUID guid;
    wchar_t wide[40] = {};
    char text[40] = {};
    if (FAILED(CoCreateGuid(&guid)) || !StringFromGUID2(guid, wide, 40))
        return {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

bool Execute(MSIHANDLE database, const std::string& query)
{
    MSIHANDLE view = 0;
    const bool done = MsiDatabaseOpenViewA(database, query.c_str(), &view) == ERROR_SUCCESS &&
                      MsiViewExecute(view, 0) == ERROR_SUCCESS;
    if (view)
        MsiCloseHandle(view);
    return done;
}

} // namespace

bool CopyAsVersion(const std::string& msi, const std::string& copy, const std::string& version)
{
    const std::string productCode = NewGuid(), packageCode = NewGuid();
    const std::string upgradeCode = InstallerProperty(msi, "UpgradeCode");
    MSIHANDLE database = 0, summary = 0;
    bool done = CopyFileA(msi.c_str(), copy.c_str(), FALSE) && !productCode.empty() && !packageCode.empty() &&
                MsiOpenDatabaseA(copy.c_str(), MSIDBOPEN_TRANSACT, &database) == ERROR_SUCCESS;
    done = done &&
           Execute(database, "UPDATE `Property` SET `Value` = '" + version + "' WHERE `Property` = 'ProductVersion'") &&
           Execute(database, "UPDATE `Property` SET `Value` = '" + productCode + "' WHERE `Property` = 'ProductCode'") &&
           // The versions are part of the rows' keys: the rows are written anew.
           Execute(database, "DELETE FROM `Upgrade`") &&
           Execute(database, "INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMin`, `VersionMax`, `Attributes`, "
                             "`ActionProperty`) VALUES ('" + upgradeCode + "', '0.0.0.0', '" + version +
                             "', 256, 'OLDERFOUND')") &&
           Execute(database, "INSERT INTO `Upgrade` (`UpgradeCode`, `VersionMin`, `Attributes`, `ActionProperty`) "
                             "VALUES ('" + upgradeCode + "', '" + version + "', 2, 'NEWERFOUND')") &&
           MsiGetSummaryInformationA(database, nullptr, 1, &summary) == ERROR_SUCCESS &&
           MsiSummaryInfoSetPropertyA(summary, PIDSI_REVNUMBER, VT_LPSTR, 0, nullptr, packageCode.c_str()) == ERROR_SUCCESS &&
           MsiSummaryInfoPersist(summary) == ERROR_SUCCESS && MsiDatabaseCommit(database) == ERROR_SUCCESS;
    for (const MSIHANDLE handle : {summary, database})
        if (handle)
            MsiCloseHandle(handle);
    return done;
}

DWORD RunMsiexec(const std::string& arguments, std::string* log)
{
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string logPath = std::string(temp) + "qx-msiexec-" + std::to_string(GetCurrentProcessId()) + ".log";
    const std::string program = std::string(system) + "\\msiexec.exe";
    ChildProcess msiexec(program, "\"" + program + "\" " + arguments + " /l*v \"" + logPath + "\"");
    const DWORD code = msiexec.waitForExit(60000) ? msiexec.exitCode() : STILL_ACTIVE;
    if (log && code != 0) {
        std::ifstream in(logPath, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        *log = text.substr(text.size() > 3000 ? text.size() - 3000 : 0);
    }
    DeleteFileA(logPath.c_str());
    return code;
}

bool ProductInstalled(const std::string& productCode)
{
    return MsiQueryProductStateA(productCode.c_str()) == INSTALLSTATE_DEFAULT;
}

std::string ProductInfo(const std::string& productCode, const char* property)
{
    char value[512] = {};
    DWORD size = sizeof value;
    if (MsiGetProductInfoA(productCode.c_str(), property, value, &size) != ERROR_SUCCESS)
        return {};
    return value;
}

std::string ShellFolder(int csidl)
{
    char path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)))
        return {};
    return path;
}

std::string RegistryString(HKEY root, const std::string& key, const std::string& name)
{
    char value[1024] = {};
    DWORD size = sizeof value;
    if (RegGetValueA(root, key.c_str(), name.empty() ? nullptr : name.c_str(),
                     RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND | RRF_SUBKEY_WOW6464KEY, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return "<none>";
    return value;
}

bool RegistryKeyExists(HKEY root, const std::string& key)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

std::string ShortcutTarget(const std::string& link)
{
    std::string target;
    const bool initialised = SUCCEEDED(CoInitialize(nullptr));
    IShellLinkA* shellLink = nullptr;
    IPersistFile* file = nullptr;
    std::wstring wide(link.size() + 1, L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide.data(),
                                                        static_cast<int>(wide.size()))));
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shellLink))) &&
        SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
        char path[MAX_PATH] = {};
        if (SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
            target = path;
    }
    if (file)
        file->Release();
    if (shellLink)
        shellLink->Release();
    if (initialised)
        CoUninitialize();
    return target;
}

std::string VersionString(const std::string& file, const std::string& name)
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
    std::vector<char> data(size);
    char* value = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoA(file.c_str(), 0, size, data.data()) ||
        !VerQueryValueA(data.data(), ("\\StringFileInfo\\041103A4\\" + name).c_str(),
                        reinterpret_cast<void**>(&value), &length))
        return {};
    return std::string(value, length > 0 && value[length - 1] == '\0' ? length - 1 : length);
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool SameContents(const std::string& first, const std::string& second)
{
    std::ifstream a(first, std::ios::binary), b(second, std::ios::binary);
    if (!a || !b)
        return false;
    return std::equal(std::istreambuf_iterator<char>(a), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(b), std::istreambuf_iterator<char>());
}
