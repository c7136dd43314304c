// The document commands over a fake window: what the Wine tests of the main window cannot reach easily.
#include "app/DocumentSession.h"
#include "FakeControl.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>

namespace {

using Names = std::vector<std::string>;
using Data = std::vector<uint8_t>;

const std::string A = "C:\\data\\a.bin", B = "C:\\data\\b.bin";

// Files on a fake disk shown in a fake control; the save query answered from a queue.
class FakeWindow : public DocumentHost, public FileClock {
public:
    std::map<std::string, Data, std::less<>> files;
    std::set<std::string, std::less<>> unreadable;
    FakeControl shown{Data(1, 0)};
    bool controlModified = false;
    std::deque<SaveAnswer> answers;
    int warnings = 0;
    int questions = 0;
    std::string saveFolder;

    ControlAccess& control() override { return shown; }
    FileClock& clock() override { return *this; }
    bool fileStamp(std::string_view name, FileStamp& stamp) override
    {
        stamp = FileStamp{2024, 1, 1, 0, 0, 0, 0};
        return files.count(name) != 0;
    }
    FileStamp now() override { return FileStamp{2030, 1, 1, 0, 0, 0, 0}; }
    bool newDocument() override { return show(Data(1, 0)); }
    bool readDocument(std::string_view file) override
    {
        const auto found = files.find(file);
        if (found == files.end() || unreadable.count(file))
            return ++warnings, false;
        return show(found->second);
    }
    bool writeDocument(std::string_view) override { return true; }
    void setControlModified(bool modified) override { controlModified = modified; }
    void refreshStatus() override {}
    void namesChanged() override {}
    void writeBackup() override {}
    void documentRenamed(std::string_view) override {}
    SaveAnswer askSave(const std::string&) override
    {
        ++questions;
        const SaveAnswer answer = answers.empty() ? SaveAnswer::Cancel : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    std::optional<std::string> chooseOpenName(const std::string&) override { return std::nullopt; }
    std::optional<std::string> chooseSaveName(const std::string&, const std::string& folder) override
    {
        saveFolder = folder;
        return std::nullopt;
    }
    bool fileExists(std::string_view name) override { return files.count(name) != 0; }
    std::string nearestExistingFolder(std::string_view folder) override
    {
        return folder.empty() ? "C:\\program" : std::string(folder);
    }
    void beginWait() override {}
    void endWait() override {}

private:
    bool show(const Data& data)
    {
        shown = FakeControl(data);
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
        window.controlModified = true;
        session.NoteControlModified(true);
    }

    FakeWindow window;
    HistoryNames names;
    std::string openPath;
    DocumentSession session{window, names, openPath};
};

} // namespace

TEST_F(DocumentSessionTest, RecoveryLoadIsModifiedAndAFailedLoadChangesNothing)
{
    // A backup read under the document's former name: the control marks it changed.
    window.files["C:\\temp\\QX1.tmp"] = Data(5, 0x55);
    ASSERT_TRUE(session.LoadDocument("C:\\temp\\QX1.tmp", A));
    EXPECT_EQ(session.DocumentName(), A);
    EXPECT_TRUE(window.controlModified);
    EXPECT_FALSE(session.ModifiedFlag());
    // The same name in other letters is no recovery.
    ASSERT_TRUE(session.LoadDocument(A, "c:\\DATA\\A.bin"));
    EXPECT_FALSE(window.controlModified);

    edit();
    window.unreadable.insert(B);
    EXPECT_FALSE(session.LoadDocument(B, B));
    EXPECT_EQ(window.warnings, 1);
    EXPECT_TRUE(session.ModifiedFlag() && window.controlModified);
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
    const std::string C1 = "C:\\data\\c1.bin";
    window.files[C1] = Data(3, 0xCC);
    ASSERT_TRUE(session.LoadDocument(C1, C1));
    ASSERT_TRUE(session.LoadDocument(A, A));
    window.files.erase(C1);
    // Deleting a.bin: c1.bin, which took its place, is gone, so it goes as well and the
    // untitled item is shown.
    session.RunEditorCommand(EditorCommand::DeleteHistory);
    EXPECT_EQ(window.warnings, 1);
    EXPECT_EQ(names.Names(), Names());
    EXPECT_EQ(session.DocumentName(), "");
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
    session.DropFiles({"C:\\data", "C:\\data\\missing.bin"});
    EXPECT_EQ(window.questions, 0);
    EXPECT_TRUE(session.ModifiedFlag());

    openPath = "C:\\data";
    EXPECT_FALSE(session.SaveDocumentAs());
    EXPECT_EQ(window.saveFolder, "C:\\data");
    // A named document starts in its own folder.
    ASSERT_TRUE(session.LoadDocument(A, A));
    openPath = "C:\\elsewhere";
    session.SaveDocumentAs();
    EXPECT_EQ(window.saveFolder, "C:\\data");
}

TEST(DroppedNames, NotOpenedNamesGoInFrontAndTheLaterPlaceOfANameStays)
{
    EXPECT_EQ(NamesWithDropped({"C:\\x", "C:\\y"}, {"C:\\a", "C:\\b"}), Names({"C:\\b", "C:\\a", "C:\\x", "C:\\y"}));
    EXPECT_EQ(NamesWithDropped({"C:\\x", "C:\\y"}, {"C:\\Y", "C:\\a", "C:\\a"}), Names({"C:\\a", "C:\\x", "C:\\y"}));
    EXPECT_EQ(NamesWithDropped({}, {}), Names());
}
