// The installer as a user meets it, under Wine's msiexec: installed per user and per machine
// without a window, a file opened through Explorer's context-menu entry, uninstalled, and
// nothing left but the editor's own preferences.
#include "tests/win/install/InstallerRun.h"
#include "tests/win/install/SystemSnapshot.h"
#include "tests/win/support/Process.h"
#include "tests/win/support/RunningEditor.h"
#include "tests/win/support/TempDocument.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>
#include <msi.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr char kVerbKey[] = "Software\\Classes\\*\\shell\\Quillet";
constexpr char kPreferences[] = "Software\\KORVANI\\vornalix";
const char* const kProgramFiles[] = {"vornalix.exe", "talvine.dll", "vornalix.chm"};

// One way of installing: the arguments after "/i package /qn", and where the result goes.
struct InstallForm {
    const char* name;
    const char* arguments;
    std::string folder;               // the program's folder
    HKEY root;                        // of the context-menu entry and the install record
    std::vector<std::string> menus;   // Start-menu folders the shortcut may be in
};

std::vector<InstallForm> Forms()
{
    return {
        {"per user", "", ShellFolder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Quillet", HKEY_CURRENT_USER,
         {ShellFolder(CSIDL_PROGRAMS)}},
        // Windows puts the shortcut of a per-machine install in the common Start menu; Wine's
        // installer keeps it in the user's.
        {"per machine", " ALLUSERS=1", ShellFolder(CSIDL_PROGRAM_FILES) + "\\Quillet", HKEY_LOCAL_MACHINE,
         {ShellFolder(CSIDL_COMMON_PROGRAMS), ShellFolder(CSIDL_PROGRAMS)}},
    };
}

// Everything below the places an installer of this kind writes to: the program folders, the
// Start menu, the classes of files, the uninstall list and Windows Installer's registration.
// Wine's own keys change on their own; the editor's preferences are compared on their own.
SystemSnapshot TakeSnapshot()
{
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string installerCache = ShellFolder(CSIDL_APPDATA) + "\\Microsoft\\Installer";
    return SystemSnapshot({
        .keys = {{HKEY_CURRENT_USER, "HKCU", "Software"},
                 {HKEY_LOCAL_MACHINE, "HKLM", "Software"},
                 {HKEY_LOCAL_MACHINE, "HKLM", "Software\\Classes\\*"},
                 {HKEY_LOCAL_MACHINE, "HKLM", "Software\\Classes\\Installer"}},
        .folders = {ShellFolder(CSIDL_LOCAL_APPDATA), ShellFolder(CSIDL_PROGRAM_FILES), ShellFolder(CSIDL_PROGRAMS),
                    ShellFolder(CSIDL_COMMON_PROGRAMS), installerCache, std::string(windows) + "\\Installer"},
        // The machine's other classes are many and no concern of this installer.
        .ignored = {std::string("HKCU\\") + kPreferences, "HKCU\\Software\\Wine", "HKLM\\Software\\Wine",
                    "HKLM\\Software\\Classes"},
        .bare = {"HKCU\\Software\\Microsoft\\Installer", "HKLM\\Software\\Classes\\Installer",
                 "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Installer", installerCache,
                 std::string(windows) + "\\Installer"},
    });
}

SystemSnapshot PreferencesSnapshot()
{
    return SystemSnapshot({.keys = {{HKEY_CURRENT_USER, "HKCU", kPreferences}}});
}

class Installer : public ::testing::Test {
protected:
    void SetUp() override
    {
        msi_ = FindInstaller();
        ASSERT_FALSE(msi_.empty()) << "no single Quillet-*.msi in the package folder: build quillet_package";
        productCode_ = InstallerProperty(msi_, "ProductCode");
        ASSERT_FALSE(productCode_.empty());
        // An earlier run that stopped half way must not count as this run's leftovers.
        if (ProductInstalled(productCode_))
            RunMsiexec("/x \"" + msi_ + "\" /qn");
        // The editor started below is the installed one, under the program's own name: no stale
        // process list may make it recover documents of earlier editors. Its preferences' key is
        // there before the first snapshot, as on any machine where it ran before.
        RegDeleteTreeA(HKEY_CURRENT_USER, (std::string(kPreferences) + "\\Process").c_str());
        HKEY preferences = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kPreferences, 0, nullptr, 0, KEY_WRITE, nullptr, &preferences, nullptr) ==
            ERROR_SUCCESS)
            RegCloseKey(preferences);
    }
    void TearDown() override
    {
        if (!productCode_.empty() && ProductInstalled(productCode_))
            RunMsiexec("/x \"" + msi_ + "\" /qn");
    }

    // Runs msiexec with the installer; 0 when it succeeded, else its code with its log's end.
    ::testing::AssertionResult Msiexec(const std::string& action, const std::string& arguments = {}) const
    {
        std::string log;
        const DWORD code = RunMsiexec(action + " \"" + msi_ + "\" /qn" + arguments, &log);
        if (code == 0)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "msiexec " << action << arguments << " ended with " << code
                                             << "; its log ends:\n" << log;
    }

    std::string msi_;
    std::string productCode_;
};

// What the user finds after an install of the form: the files, the Start-menu shortcut, the
// uninstall entry with the name, version and publisher of the program's version resource,
// and the context-menu entry opening the clicked file.
void ExpectInstalled(const InstallForm& form, const std::string& productCode)
{
    const std::string exe = form.folder + "\\vornalix.exe";
    for (const char* name : kProgramFiles)
        EXPECT_TRUE(SameContents(form.folder + "\\" + name, ProgramFolder() + name)) << form.folder << "\\" << name;

    std::string shortcut;
    for (const std::string& menu : form.menus)
        if (FileExists(menu + "\\Quillet.lnk")) {
            shortcut = menu + "\\Quillet.lnk";
            break;
        }
    ASSERT_FALSE(shortcut.empty()) << "no Quillet.lnk in the Start menu";
    EXPECT_EQ(lstrcmpiA(ShortcutTarget(shortcut).c_str(), exe.c_str()), 0) << ShortcutTarget(shortcut);

    const std::string name = VersionString(exe, "ProductName");
    const std::string version = VersionString(exe, "ProductVersion");
    const std::string publisher = VersionString(exe, "CompanyName");
    ASSERT_FALSE(name.empty());
    // The uninstall list as Windows shows it, through Windows Installer...
    EXPECT_EQ(ProductInfo(productCode, INSTALLPROPERTY_INSTALLEDPRODUCTNAME), name);
    EXPECT_EQ(ProductInfo(productCode, INSTALLPROPERTY_PUBLISHER), publisher);
    std::string dotted = version;
    std::erase(dotted, ' ');
    std::replace(dotted.begin(), dotted.end(), ',', '.');
    EXPECT_EQ(ProductInfo(productCode, INSTALLPROPERTY_VERSIONSTRING), dotted);
    // ...and as other programs read it from the registry. Wine writes the key of a per-user
    // product under HKEY_LOCAL_MACHINE as well.
    const std::string uninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + productCode;
    const HKEY listRoot = RegistryKeyExists(HKEY_CURRENT_USER, uninstall) ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    EXPECT_EQ(RegistryString(listRoot, uninstall, "DisplayName"), name);
    EXPECT_EQ(RegistryString(listRoot, uninstall, "DisplayVersion"), dotted);
    EXPECT_EQ(RegistryString(listRoot, uninstall, "Publisher"), publisher);

    EXPECT_EQ(RegistryString(form.root, kVerbKey, ""), "Quillet で開く");
    EXPECT_EQ(RegistryString(form.root, std::string(kVerbKey) + "\\command", ""), "\"" + exe + "\" \"%1\"");
    const HKEY other = form.root == HKEY_CURRENT_USER ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    EXPECT_FALSE(RegistryKeyExists(other, kVerbKey)) << "the context-menu entry is in both hives";
}

// Opens a document whose path has blanks and Japanese through the context-menu entry, and
// closes the editor again as the user would. The entry's command is run as Explorer runs it,
// the clicked file's path put in place of %1: Wine's ShellExecuteEx does not look verbs up
// under "*" (it tries to run the document itself).
void OpenThroughContextMenu(const InstallForm& form)
{
    const TempDocument document("右クリック で開く", std::string(37, 'Q'));
    std::string command = RegistryString(form.root, std::string(kVerbKey) + "\\command", "");
    const size_t at = command.find("%1");
    ASSERT_NE(at, std::string::npos) << command;
    command.replace(at, 2, document.path());
    const std::string exe = form.folder + "\\vornalix.exe";
    ChildProcess editor(exe, command);
    ASSERT_TRUE(editor.started()) << command;
    const HWND window = WaitForProcessWindow(editor.id(), "TFormVornalix", 20000);
    ASSERT_NE(window, nullptr) << "the installed editor showed no main window";
    EXPECT_TRUE(WaitFor([&] { return StatusSizeText(window) == "37"; })) << StatusSizeText(window);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(editor.waitForExit(20000)) << "the editor did not close";
}

TEST_F(Installer, InstallsOpensFilesAndUninstallsWithoutTrace)
{
    for (const InstallForm& form : Forms()) {
        SCOPED_TRACE(form.name);
        const SystemSnapshot before = TakeSnapshot();
        ASSERT_TRUE(Msiexec("/i", form.arguments));
        ExpectInstalled(form, productCode_);
        OpenThroughContextMenu(form);
        ASSERT_TRUE(RegistryKeyExists(HKEY_CURRENT_USER, kPreferences)) << "the editor kept no preferences";
        const SystemSnapshot preferences = PreferencesSnapshot();

        // As the uninstall list starts it: without the install's arguments.
        ASSERT_TRUE(Msiexec("/x"));
        EXPECT_FALSE(ProductInstalled(productCode_));
        EXPECT_EQ(Difference(before, TakeSnapshot()), "");
        EXPECT_EQ(Difference(preferences, PreferencesSnapshot()), "") << "the uninstall changed the preferences";
    }
}

// The context-menu entry is a feature of its own: left out at the install, or removed later
// while the editor stays.
TEST_F(Installer, ContextMenuEntryIsOptional)
{
    const InstallForm form = Forms().front();
    const SystemSnapshot before = TakeSnapshot();
    ASSERT_TRUE(Msiexec("/i", " ADDLOCAL=Editor"));
    EXPECT_TRUE(FileExists(form.folder + "\\vornalix.exe"));
    EXPECT_FALSE(RegistryKeyExists(form.root, kVerbKey));

    ASSERT_TRUE(Msiexec("/i", " ADDLOCAL=ContextMenu"));
    EXPECT_EQ(RegistryString(form.root, kVerbKey, ""), "Quillet で開く");
    ASSERT_TRUE(Msiexec("/i", " REMOVE=ContextMenu"));
    EXPECT_FALSE(RegistryKeyExists(form.root, kVerbKey));
    EXPECT_TRUE(FileExists(form.folder + "\\vornalix.exe"));

    ASSERT_TRUE(Msiexec("/x"));
    EXPECT_EQ(Difference(before, TakeSnapshot()), "");
}

// A newer version replaces the installed one in a single install; an older one is refused
// while the newer is there.
TEST_F(Installer, NewerVersionReplacesOlderOne)
{
    const std::string older = ProgramFolder() + "..\\package-older.msi";
    ASSERT_TRUE(CopyAsVersion(msi_, older, "1.0.1.0"));
    const std::string olderCode = InstallerProperty(older, "ProductCode");
    const InstallForm form = Forms().front();
    const SystemSnapshot before = TakeSnapshot();

    ASSERT_EQ(RunMsiexec("/i \"" + older + "\" /qn"), 0u);
    ASSERT_TRUE(ProductInstalled(olderCode));
    ASSERT_TRUE(Msiexec("/i"));
    EXPECT_TRUE(ProductInstalled(productCode_));
    EXPECT_FALSE(ProductInstalled(olderCode)) << "both versions are installed";
    EXPECT_EQ(ProductInfo(productCode_, INSTALLPROPERTY_VERSIONSTRING), InstallerProperty(msi_, "ProductVersion"));
    EXPECT_TRUE(SameContents(form.folder + "\\vornalix.exe", ProgramFolder() + "vornalix.exe"));

    EXPECT_NE(RunMsiexec("/i \"" + older + "\" /qn"), 0u) << "an older version was installed over a newer one";
    EXPECT_FALSE(ProductInstalled(olderCode));
    EXPECT_TRUE(ProductInstalled(productCode_));

    ASSERT_TRUE(Msiexec("/x"));
    if (ProductInstalled(olderCode))
        RunMsiexec("/x \"" + older + "\" /qn");
    DeleteFileA(older.c_str());
    EXPECT_EQ(Difference(before, TakeSnapshot()), "");
}

} // namespace
