// Starting editor processes and reading the start arguments, with the probe as the editor.
#include "app/win/system/EditorProcess.h"
#include "common/win/FileSystem.h"
#include "common/win/WideText.h"

#include "tests/win/support/Process.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

using Report = std::map<std::string, std::string>;

std::string ProbePath() { return ProgramFolder() + "start probe\\startup_probe.exe"; }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

bool CreateEmptyFile(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

// A scratch folder (with a blank in its name) and the probe's report file inside it.
class StartupTest : public testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "qx startup " + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder_.c_str(), nullptr);
        report_ = folder_ + "report.txt";
        DeleteFileA(report_.c_str());
        SetEnvironmentVariableA("QX_PROBE_OUT", report_.c_str());
    }

    void TearDown() override
    {
        SetEnvironmentVariableA("QX_PROBE_OUT", nullptr);
        SetEnvironmentVariableA("QX_PROBE_ACTION", nullptr);
        SetEnvironmentVariableA("QX_PROBE_WINDOW", nullptr);
        for (const std::string& file : created_)
            DeleteFileA(file.c_str());
        DeleteFileA(report_.c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    // A new empty file in the scratch folder; its full path.
    std::string MakeFile(const std::string& name)
    {
        const std::string path = folder_ + name;
        EXPECT_TRUE(CreateEmptyFile(path)) << path;
        created_.push_back(path);
        return path;
    }

    // The same for a Shift-JIS name; empty when the file system cannot hold such names
    // (Wine whose host locale lacks the Japanese character set).
    std::string MakeJapaneseFile(const std::string& name)
    {
        const std::string path = folder_ + name;
        if (!CreateEmptyFile(path))
            return {};
        created_.push_back(path);
        return path;
    }

    [[nodiscard]] bool ReportWritten() const { return FileExists(WideFromAnsi(report_)); }

    // The probe's report, once it is there and can be read: just after the rename the
    // probe may still hold the file open for a moment.
    Report ReadReport()
    {
        Report report;
        const bool read = WaitFor([&] {
            report.clear();
            std::ifstream in(report_, std::ios::binary);
            std::string line;
            while (std::getline(in, line)) {
                const size_t equals = line.find('=');
                if (equals != std::string::npos)
                    report[line.substr(0, equals)] = line.substr(equals + 1);
            }
            return report.size() == 5;
        }, 15000);
        EXPECT_TRUE(read) << "the probe wrote no report";
        return report;
    }

    // Starts the probe with the quoted probe path and then `arguments` as its command line.
    Report RunProbe(const std::string& arguments)
    {
        ChildProcess probe(ProbePath(), Quoted(ProbePath()) + arguments);
        EXPECT_TRUE(probe.started());
        EXPECT_TRUE(probe.waitForExit());
        return ReadReport();
    }

    std::string folder_;
    std::string report_;
    std::vector<std::string> created_;
};

void ExpectUntitled(const Report& report)
{
    EXPECT_EQ(report.at("file"), "");
    EXPECT_EQ(report.at("name"), "");
    EXPECT_EQ(report.at("recovery"), "0");
}

void ExpectOpens(const Report& report, const std::string& path)
{
    EXPECT_EQ(report.at("file"), path);
    EXPECT_EQ(report.at("name"), path);
    EXPECT_EQ(report.at("recovery"), "0");
}

// Ends the probe that shows a window: closes the window and waits for the process to end.
void CloseProbeWindow()
{
    HWND window = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (window = FindWindowA("QxStartupProbe", nullptr)) != nullptr; }))
        << "the probe showed no window";
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (process) {
        EXPECT_TRUE(WaitFor([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }));
        CloseHandle(process);
    }
}

} // namespace

TEST_F(StartupTest, NewProcessReceivesTheComposedLineExactly)
{
    const std::string file = MakeFile("a  b.bin");
    ACommandLine commandLine(WideFromAnsi(ProbePath()));
    commandLine.AddArgument(L"-o");
    commandLine.AddArgument(WideFromAnsi(file));
    ASSERT_TRUE(StartEditorProcess(commandLine, false));
    const Report report = ReadReport();
    EXPECT_EQ(report.at("line"), Quoted(ProbePath()) + " \"-o\" " + Quoted(file));
    ExpectOpens(report, file);
}

TEST_F(StartupTest, WaitingReturnsOnceTheNewProcessIsIdle)
{
    SetEnvironmentVariableA("QX_PROBE_WINDOW", "1");
    ASSERT_TRUE(StartEditorProcess(ACommandLine(WideFromAnsi(ProbePath())), true));
    // The probe reports before it creates its window and waits for messages, so the
    // report is there by the time the wait ends.
    EXPECT_TRUE(ReportWritten());
    CloseProbeWindow();
}

TEST(StartEditorProcess, MissingProgramIsNoStart)
{
    const ACommandLine missing(L"C:\\no such folder\\vornalix.exe");
    EXPECT_FALSE(StartEditorProcess(missing, false));
    EXPECT_FALSE(StartEditorProcess(missing, true));
}

TEST_F(StartupTest, EditorCommandsStartThisProgramAgain)
{
    SetEnvironmentVariableA("QX_PROBE_ACTION", "new");
    Report report = RunProbe("");
    EXPECT_EQ(report.at("line"), Quoted(ProbePath()));
    ExpectUntitled(report);

    DeleteFileA(report_.c_str());
    const std::string file = MakeFile("f g.bin");
    SetEnvironmentVariableA("QX_PROBE_ACTION", ("open:" + file).c_str());
    report = RunProbe("");
    EXPECT_EQ(report.at("line"), Quoted(ProbePath()) + " \"-o\" " + Quoted(file));
    ExpectOpens(report, file);
}

TEST_F(StartupTest, UnquotedAbsolutePathIsJoinedAndOpened)
{
    const std::string file = MakeFile("x  y.bin");
    ExpectOpens(RunProbe(" " + file + "  "), file);
}

TEST_F(StartupTest, ShiftJisNamesEndingInTrailByteBackslash)
{
    // 0x95 0x5C and 0x83 0x5C: trail bytes that look like backslashes, one ending the name.
    const std::string file = MakeJapaneseFile("表 ソ");
    if (file.empty())
        GTEST_SKIP() << "this file system takes no Japanese names";
    ExpectOpens(RunProbe(" " + file), file);

    DeleteFileA(report_.c_str());
    SetEnvironmentVariableA("QX_PROBE_ACTION", ("open:" + file).c_str());
    const Report report = RunProbe("");
    EXPECT_EQ(report.at("line"), Quoted(ProbePath()) + " \"-o\" " + Quoted(file));
    ExpectOpens(report, file);
}

TEST_F(StartupTest, ExtensionCharactersInFileAndFolderNames)
{
    // 髙 is 0xFB 0xFC, 﨑 0xFA 0xB1 and 纊 0xFA 0x5C: lead bytes past 0xEF, one trail byte a backslash.
    const std::string folder = folder_ + "纊﨑";
    if (!CreateDirectoryA(folder.c_str(), nullptr))
        GTEST_SKIP() << "this file system takes no such names";
    const std::string file = MakeJapaneseFile("纊﨑\\髙橋纊");
    ASSERT_NE(file, "");
    ExpectOpens(RunProbe(" -o " + Quoted(file)), file);
    DeleteFileA(report_.c_str());
    ExpectOpens(RunProbe(" " + file), file);

    DeleteFileA(report_.c_str());
    const std::string backup = MakeFile("QX2.tmp");
    Report report = RunProbe(" \"-b\" " + Quoted(backup) + " " + Quoted(file));
    EXPECT_EQ(report.at("file"), backup);
    EXPECT_EQ(report.at("name"), file);
    EXPECT_EQ(report.at("recovery"), "1");

    // The open-in-a-new-editor command: the started copy reports.
    DeleteFileA(report_.c_str());
    SetEnvironmentVariableA("QX_PROBE_ACTION", ("open:" + file).c_str());
    report = RunProbe("");
    EXPECT_EQ(report.at("line"), Quoted(ProbePath()) + " \"-o\" " + Quoted(file));
    ExpectOpens(report, file);
    DeleteFileA(file.c_str());
    RemoveDirectoryA(folder.c_str());
}

// Started from a command prompt, the program part of the line is whatever the user typed.
TEST_F(StartupTest, ArgumentsStayHoweverTheProgramWasNamed)
{
    const std::string file = MakeFile("b.bin");
    const std::string probeFolder = ProgramFolder() + "start probe";
    char shortPath[MAX_PATH] = {};
    GetShortPathNameA(ProbePath().c_str(), shortPath, MAX_PATH);
    for (const std::string& program : {std::string("startup_probe.exe"), std::string("startup_probe"),
                                       std::string(".\\startup_probe.exe"),
                                       std::string("\"..\\start probe\\startup_probe.exe\""), std::string(shortPath)}) {
        SCOPED_TRACE(program);
        DeleteFileA(report_.c_str());
        ChildProcess probe(ProbePath(), program + " " + file, probeFolder.c_str());
        ASSERT_TRUE(probe.started());
        ASSERT_TRUE(probe.waitForExit());
        ExpectOpens(ReadReport(), file);
    }
}

TEST_F(StartupTest, NamesThatAreNoFileStartUntitled)
{
    const std::string file = MakeFile("c d.bin");
    // A folder, a missing file, and the option word in upper case, which makes the whole
    // text a name without a drive letter.
    for (const std::string& arguments : {" " + folder_, " " + folder_ + "missing.bin", " -O " + Quoted(file)}) {
        SCOPED_TRACE(arguments);
        DeleteFileA(report_.c_str());
        ExpectUntitled(RunProbe(arguments));
    }
}

TEST_F(StartupTest, OptionsWithAndWithoutTheirOperands)
{
    const std::string backup = MakeFile("QX1.tmp");
    Report report = RunProbe(" \"-b\" " + Quoted(backup) + " \"-null\"");
    EXPECT_EQ(report.at("file"), backup);
    EXPECT_EQ(report.at("name"), "");
    EXPECT_EQ(report.at("recovery"), "1");
    EXPECT_EQ(report.at("backup"), backup);

    for (const std::string& arguments : {std::string(" -o"), std::string(" \"-o\"  "), " -b " + Quoted(backup)}) {
        SCOPED_TRACE(arguments);
        DeleteFileA(report_.c_str());
        ExpectUntitled(RunProbe(arguments));
    }
}

TEST_F(StartupTest, FileAndFolderQueries)
{
    const std::string file = MakeFile("e.bin");
    const std::wstring wideFile = WideFromAnsi(file), folder = WideFromAnsi(folder_);
    EXPECT_TRUE(FileExists(wideFile));
    EXPECT_FALSE(FolderExists(wideFile));
    EXPECT_FALSE(FileExists(folder));
    EXPECT_TRUE(FolderExists(folder));
    EXPECT_TRUE(FolderExists(folder.substr(0, folder.size() - 1)));
    EXPECT_FALSE(FileExists(folder + L"missing.bin"));
    EXPECT_FALSE(FolderExists(folder + L"missing"));
    // The working folder holds this program, but only absolute names count.
    EXPECT_FALSE(FileExists(L"win_startup.exe"));
    EXPECT_FALSE(FolderExists(L"start probe"));
    // Nothing after a NUL is silently dropped.
    EXPECT_FALSE(FileExists(wideFile + std::wstring(1, L'\0') + L"x"));
}
