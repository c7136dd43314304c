// The document commands over a fake window: what the Wine tests of the main window cannot reach easily.
#include "app/documents/DocumentSession.h"
#include "tests/unit/app/documents/FakeControl.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>

namespace {

using Names = std::vector<std::wstring>;
using Data = std::vector<uint8_t>;

const std::wstring A = L"C:\\data\\a.bin", B = L"C:\\data\\b.bin";

// Files on a fake disk shown in a fake control; the save query answered from a queue.
class FakeWindow : public DocumentHost, public FileClock {
public:
    std::map<std::wstring, Data, std::less<>> files;
    std::map<std::wstring, uint64_t, std::less<>> writeTimes;
    std::set<std::wstring, std::less<>> unreadable, readOnlyFiles;
    std::set<std::wstring, std::less<>> writtenElsewhere;  // open only read-only, sharing writes
    bool lastReadShared = false;
    FakeControl shown{Data(1, 0)};
    bool controlFlag = false;  // the control's own modified flag
    std::deque<SaveAnswer> answers;
    std::deque<bool> confirmations;  // Yes or No to the questions, in turn; No when none is left
    std::vector<std::wstring> asked, notices;  // Yes/No questions, warnings
    std::optional<OpenChoice> openChoice;
    int warnings = 0;
    int questions = 0;
    std::wstring saveFolder;

    // Another program writes the file.
    void rewrite(const std::wstring& name, const Data& data)
    {
        files[name] = data;
        ++writeTimes[name];
    }

    ControlAccess& control() override { return shown; }
    FileClock& clock() override { return *this; }
    bool fileStamp(std::wstring_view name, FileStamp& stamp) override
    {
        stamp = FileStamp{2024, 1, 1, 0, 0, 0, 0};
        return files.count(name) != 0;
    }
    FileStamp now() override { return FileStamp{2030, 1, 1, 0, 0, 0, 0}; }
    FileVersion fileVersion(std::wstring_view name) override
    {
        FileVersion version;
        const auto found = files.find(name);
        version.state = found == files.end() ? FileVersion::State::Missing : FileVersion::State::Present;
        if (found != files.end()) {
            version.size = found->second.size();
            version.lastWrite = writeTimes[std::wstring(name)];
            version.readOnly = readOnlyFiles.count(name) != 0;
        }
        return version;
    }
    bool newDocument() override { return show(Data(1, 0)); }
    bool readDocument(std::wstring_view file) override
    {
        const auto found = files.find(file);
        if (found == files.end() || unreadable.count(file))
            return ++warnings, false;
        show(found->second);
        // As the control does when the file opens only sharing its writes.
        lastReadShared = writtenElsewhere.count(file) != 0;
        if (lastReadShared)
            shown.readOnly_ = true;
        return true;
    }
    bool readOnlyByRead() override { return lastReadShared; }
    bool writeDocument(std::wstring_view name) override
    {
        rewrite(std::wstring(name), shown.data_);
        return true;
    }
    bool controlModified() override { return controlFlag; }
    void setControlModified(bool modified) override { controlFlag = modified; }
    bool controlReadOnly() override { return shown.readOnly_; }
    void setControlReadOnly(bool on) override { shown.readOnly_ = on; }
    void refreshStatus() override {}
    void namesChanged() override {}
    void writeBackup() override {}
    void documentRenamed(std::wstring_view) override {}
    SaveAnswer askSave(const std::string&) override
    {
        ++questions;
        const SaveAnswer answer = answers.empty() ? SaveAnswer::Cancel : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    bool confirm(const std::wstring& question) override
    {
        asked.push_back(question);
        const bool yes = !confirmations.empty() && confirmations.front();
        if (!confirmations.empty())
            confirmations.pop_front();
        return yes;
    }
    void warn(const std::wstring& text) override { notices.push_back(text); }
    std::optional<OpenChoice> chooseOpenName(const std::wstring&) override { return openChoice; }
    std::optional<std::wstring> chooseSaveName(const std::wstring&, const std::wstring& folder) override
    {
        saveFolder = folder;
        return std::nullopt;
    }
    bool fileExists(std::wstring_view name) override { return files.count(name) != 0; }
    std::wstring nearestExistingFolder(std::wstring_view folder) override
    {
        return folder.empty() ? L"C:\\program" : std::wstring(folder);
    }
    void beginWait() override {}
    void endWait() override {}

private:
    // New data leaves the read-only mode as it was, as the control does.
    bool show(const Data& data)
    {
        const bool readOnly = shown.readOnly_;
        shown = FakeControl(data);
        shown.readOnly_ = readOnly;
        return true;
    }
};

class DocumentSessionTest : public ::testing::Test {
protected:
    DocumentSessionTest()
    {
        window.files[A] = Data(100, 0xAA);
        window.files[B] = Data(200, 0xBB);
    }

    void edit()
    {
        window.shown.data_[0] = 0x77;
        window.controlFlag = true;
        session.NoteControlModified(true);
    }

    FakeWindow window;
    HistoryNames names;
    std::wstring openPath;
    DocumentSession session{window, names, openPath};
};

} // namespace

TEST_F(DocumentSessionTest, RecoveryLoadIsModifiedAndAFailedLoadChangesNothing)
{
    // A backup read under the document's former name: the control marks it changed.
    window.files[L"C:\\temp\\QX1.tmp"] = Data(5, 0x55);
    ASSERT_TRUE(session.LoadDocument(L"C:\\temp\\QX1.tmp", A));
    EXPECT_EQ(session.DocumentName(), A);
    EXPECT_TRUE(window.controlFlag);
    EXPECT_TRUE(session.ModifiedFlag());
    // The same name in other letters is no recovery.
    ASSERT_TRUE(session.LoadDocument(A, L"c:\\DATA\\A.bin"));
    EXPECT_FALSE(window.controlFlag);

    edit();
    window.unreadable.insert(B);
    EXPECT_FALSE(session.LoadDocument(B, B));
    EXPECT_EQ(window.warnings, 1);
    EXPECT_TRUE(session.ModifiedFlag() && window.controlFlag);
    EXPECT_EQ(window.shown.data_[0], 0x77);
    EXPECT_EQ(names.Count(), 2);
}

TEST_F(DocumentSessionTest, ADocumentWithUnsavedChangesLeavesNoViewBehind)
{
    ASSERT_TRUE(session.LoadDocument(A, A));
    ASSERT_TRUE(session.LoadDocument(B, B));
    session.RunEditorCommand(EditorCommand::Backward);
    window.shown.setCaretPos(20);
    edit();
    window.answers = {SaveAnswer::DontSave};
    session.RunEditorCommand(EditorCommand::Forward);
    session.RunEditorCommand(EditorCommand::Backward);
    EXPECT_EQ(window.shown.caretPos(), 0);

    // Without changes the view stays with the document.
    window.shown.setCaretPos(30);
    session.RunEditorCommand(EditorCommand::Forward);
    session.RunEditorCommand(EditorCommand::Backward);
    EXPECT_EQ(window.shown.caretPos(), 30);
}

TEST_F(DocumentSessionTest, APickWhoseFileCannotBeReadSelectsTheShownDocumentAgainAndAGoneOneLeaves)
{
    ASSERT_TRUE(session.LoadDocument(A, A));
    ASSERT_TRUE(session.LoadDocument(B, B));
    window.unreadable.insert(A);
    names.Select(1);
    session.ComboHistoryChange();
    EXPECT_EQ(window.warnings, 1);
    EXPECT_EQ(names.SelectedName(), B);
    EXPECT_EQ(session.DocumentName(), B);
    EXPECT_EQ(names.Names(), Names({B, A}));

    // A picked name whose file is gone leaves the list; one that cannot be read stayed.
    window.files.erase(A);
    window.unreadable.clear();
    names.Select(1);
    session.ComboHistoryChange();
    EXPECT_EQ(window.warnings, 2);
    EXPECT_EQ(names.Names(), Names({B}));
    EXPECT_EQ(names.SelectedName(), B);
}

TEST_F(DocumentSessionTest, AFailedLoadFromTheListKeepsComboBytesAndNameInStep)
{
    const std::wstring C1 = L"C:\\data\\c1.bin";
    window.files[C1] = Data(3, 0xCC);
    ASSERT_TRUE(session.LoadDocument(C1, C1));
    ASSERT_TRUE(session.LoadDocument(A, A));
    window.files.erase(C1);
    // Deleting a.bin: c1.bin, which took its place, is gone, so it goes as well and the
    // untitled item is shown.
    session.RunEditorCommand(EditorCommand::DeleteHistory);
    EXPECT_EQ(window.warnings, 1);
    EXPECT_EQ(names.Names(), Names());
    EXPECT_EQ(session.DocumentName(), L"");
    EXPECT_EQ(window.shown.data_, Data(1, 0));
    EXPECT_EQ(session.EditingList().Count(), 1u);

    // A successor that exists but cannot be read: the deletion is undone.
    ASSERT_TRUE(session.LoadDocument(A, A));
    ASSERT_TRUE(session.LoadDocument(B, B));
    window.unreadable.insert(A);
    session.RunEditorCommand(EditorCommand::DeleteHistory);
    EXPECT_EQ(window.warnings, 2);
    EXPECT_EQ(names.Names(), Names({B, A}));
    EXPECT_EQ(names.SelectedName(), B);
    EXPECT_EQ(session.DocumentName(), B);
    EXPECT_EQ(window.shown.data_, Data(200, 0xBB));
    EXPECT_NE(session.EditingList().Find(B), nullptr);

    // Going back to a name whose file is gone takes it off the list.
    window.files.erase(A);
    session.RunEditorCommand(EditorCommand::Backward);
    EXPECT_EQ(window.warnings, 3);
    EXPECT_EQ(names.Names(), Names({B}));
    EXPECT_EQ(names.SelectedName(), B);
    EXPECT_EQ(session.DocumentName(), B);
}

TEST_F(DocumentSessionTest, DropWithoutAFileAsksNothingAndUntitledSaveAsStartsInTheOpenFolder)
{
    edit();
    session.DropFiles({L"C:\\data", L"C:\\data\\missing.bin"});
    EXPECT_EQ(window.questions, 0);
    EXPECT_TRUE(session.ModifiedFlag());

    openPath = L"C:\\data";
    EXPECT_FALSE(session.SaveDocumentAs());
    EXPECT_EQ(window.saveFolder, L"C:\\data");
    // A named document starts in its own folder.
    ASSERT_TRUE(session.LoadDocument(A, A));
    openPath = L"C:\\elsewhere";
    session.SaveDocumentAs();
    EXPECT_EQ(window.saveFolder, L"C:\\data");
}

TEST_F(DocumentSessionTest, AFileChangedElsewhereIsAskedAboutOnceThenKeptOrReloaded)
{
    ASSERT_TRUE(session.LoadDocument(A, A));
    session.CheckShownFile();
    EXPECT_TRUE(window.asked.empty());

    // Keep: the shown bytes stay, and the same change is not asked about again.
    window.rewrite(A, Data(3, 0x11));
    session.CheckShownFile();
    session.CheckShownFile();
    ASSERT_EQ(window.asked.size(), 1u);
    EXPECT_EQ(window.asked[0], ReloadQuestion(A));
    EXPECT_NE(window.asked[0].find(A), std::wstring::npos);
    EXPECT_EQ(window.shown.data_, Data(100, 0xAA));

    // A further change is news; with unsaved edits the reload goes through the save query.
    edit();
    window.rewrite(A, Data(4, 0x22));
    window.confirmations = {true};
    window.answers = {SaveAnswer::Cancel};
    session.CheckShownFile();
    EXPECT_EQ(window.shown.data_[0], 0x77);
    EXPECT_TRUE(session.ModifiedFlag());

    window.rewrite(A, Data(5, 0x33));
    window.confirmations = {true};
    window.answers = {SaveAnswer::DontSave};
    session.CheckShownFile();
    EXPECT_EQ(window.shown.data_, Data(5, 0x33));
    EXPECT_FALSE(session.ModifiedFlag());
    session.CheckShownFile();
    EXPECT_EQ(window.asked.size(), 3u);
}

TEST_F(DocumentSessionTest, ASaveOverAChangedFileAsksFirstAndADeletedFileIsSaidAndWrittenAgain)
{
    ASSERT_TRUE(session.LoadDocument(A, A));
    edit();
    window.rewrite(A, Data(3, 0x11));
    EXPECT_FALSE(session.SaveDocument());
    EXPECT_EQ(window.asked, std::vector<std::wstring>({OverwriteQuestion(A)}));
    EXPECT_EQ(window.files[A], Data(3, 0x11));
    EXPECT_TRUE(session.ModifiedFlag());
    // Asked at the save: the activation does not ask about it again.
    session.CheckShownFile();
    EXPECT_EQ(window.asked.size(), 1u);

    window.confirmations = {true};
    EXPECT_TRUE(session.SaveDocument());
    EXPECT_EQ(window.files[A][0], 0x77);
    // Our own write is no change.
    session.CheckShownFile();
    EXPECT_TRUE(session.SaveDocument());
    EXPECT_EQ(window.asked.size(), 2u);

    window.files.erase(A);
    session.CheckShownFile();
    session.CheckShownFile();
    EXPECT_EQ(window.notices, std::vector<std::wstring>({DeletedNotice(A)}));
    EXPECT_TRUE(window.controlFlag);
    EXPECT_TRUE(session.SaveDocument());
    EXPECT_EQ(window.files[A][0], 0x77);
    EXPECT_EQ(window.asked.size(), 2u);
}

TEST_F(DocumentSessionTest, ReadOnlyOpensSetTheModeAndTakeBackOnlyTheirOwn)
{
    window.openChoice = OpenChoice{A, true};
    session.FileOpen();
    EXPECT_TRUE(window.shown.readOnly_);
    EXPECT_TRUE(session.OpenedReadOnly());
    ASSERT_TRUE(session.LoadDocument(B, B));
    EXPECT_FALSE(window.shown.readOnly_);

    // The file's attribute does it too; the user may turn the mode off.
    window.readOnlyFiles.insert(A);
    ASSERT_TRUE(session.LoadDocument(A, A));
    EXPECT_TRUE(window.shown.readOnly_ && session.OpenedReadOnly());
    window.shown.readOnly_ = false;
    session.ReadOnlyChosen();
    EXPECT_FALSE(session.OpenedReadOnly());

    // A mode the user set stays with the next document.
    window.shown.readOnly_ = true;
    session.ReadOnlyChosen();
    ASSERT_TRUE(session.LoadDocument(B, B));
    EXPECT_TRUE(window.shown.readOnly_);
    EXPECT_FALSE(session.OpenedReadOnly());

    // A file another program writes opens read-only, as the open's own mode: the next file
    // opens writable again.
    window.shown.readOnly_ = false;
    session.ReadOnlyChosen();
    window.readOnlyFiles.clear();
    window.writtenElsewhere.insert(A);
    ASSERT_TRUE(session.LoadDocument(A, A));
    EXPECT_TRUE(window.shown.readOnly_ && session.OpenedReadOnly());
    ASSERT_TRUE(session.LoadDocument(B, B));
    EXPECT_FALSE(window.shown.readOnly_);
    EXPECT_FALSE(session.OpenedReadOnly());
}

TEST(DroppedNames, NotOpenedNamesGoInFrontAndTheLaterPlaceOfANameStays)
{
    EXPECT_EQ(NamesWithDropped({L"C:\\x", L"C:\\y"}, {L"C:\\a", L"C:\\b"}), Names({L"C:\\b", L"C:\\a", L"C:\\x", L"C:\\y"}));
    EXPECT_EQ(NamesWithDropped({L"C:\\x", L"C:\\y"}, {L"C:\\Y", L"C:\\a", L"C:\\a"}), Names({L"C:\\a", L"C:\\x", L"C:\\y"}));
    EXPECT_EQ(NamesWithDropped({}, {}), Names());
}
