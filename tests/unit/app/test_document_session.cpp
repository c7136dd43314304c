// The document commands over a fake window: save query, loading and saving, the editing list, dropped files.
#include "app/DocumentSession.h"
#include "FakeControl.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>

namespace {

using Names = std::vector<std::string>;
using Data = std::vector<uint8_t>;

const std::string A = "C:\\data\\a.bin", B = "C:\\data\\b.bin", C = "C:\\data\\c.bin";

// Files on a fake disk, a fake control, and the dialogs answered from queues.
class FakeWindow : public DocumentHost, public FileClock {
public:
    std::map<std::string, Data, std::less<>> files;
    std::map<std::string, FileStamp, std::less<>> stamps;
    std::set<std::string, std::less<>> unreadable, unwritable;
    FakeControl shown{Data(1, 0)};
    bool controlModified = false;
    std::deque<SaveAnswer> answers;
    std::deque<std::optional<std::string>> chosenNames;
    std::vector<std::string> questions, warnings, dialogFolders, backups;
    std::string recordedName;
    std::set<std::string, std::less<>> folders;
    int waiting = 0, waits = 0, clockTicks = 0;

    ControlAccess& control() override { return shown; }
    FileClock& clock() override { return *this; }
    bool fileStamp(std::string_view name, FileStamp& stamp) override
    {
        const auto found = stamps.find(name);
        return found != stamps.end() && (stamp = found->second, true);
    }
    FileStamp now() override { return FileStamp{2030, 1, 1, 0, 0, 0, static_cast<uint16_t>(++clockTicks)}; }

    bool newDocument() override { return show(Data(1, 0)); }
    bool readDocument(std::string_view file) override
    {
        const auto found = files.find(file);
        if (found == files.end() || unreadable.count(file))
            return warn("read " + std::string(file));
        return show(found->second);
    }
    bool writeDocument(std::string_view name) override
    {
        if (unwritable.count(name))
            return warn("write " + std::string(name));
        files[std::string(name)] = shown.data_;
        stamps[std::string(name)].second += 1;
        return true;
    }
    void setControlModified(bool modified) override { controlModified = modified; }
    void refreshStatus() override {}
    void namesChanged() override {}
    void writeBackup() override { backups.emplace_back(shown.data_.begin(), shown.data_.end()); }
    void documentRenamed(std::string_view name) override { recordedName = name; }
    SaveAnswer askSave(const std::string& question) override
    {
        questions.push_back(question);
        EXPECT_FALSE(answers.empty()) << "unexpected question " << question;
        if (answers.empty())
            return SaveAnswer::Cancel;
        const SaveAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<std::string> chooseOpenName(const std::string& folder) override { return choose(folder); }
    std::optional<std::string> chooseSaveName(const std::string&, const std::string& folder) override
    {
        return choose(folder);
    }
    bool fileExists(std::string_view name) override { return files.count(name) != 0; }
    std::string nearestExistingFolder(std::string_view folder) override
    {
        std::string nearest(folder);
        while (!nearest.empty() && !folders.count(nearest))
            nearest = FolderOf(nearest);
        return nearest.empty() ? "C:\\program" : nearest;
    }
    void beginWait() override { ++waiting, ++waits; }
    void endWait() override { --waiting; }

    // A file with `size` bytes of `fill`, written at some time.
    void makeFile(const std::string& name, size_t size, uint8_t fill)
    {
        files[name] = Data(size, fill);
        stamps[name] = FileStamp{2024, 1, 1, 0, 0, 0, 0};
    }
    // The user types into the shown document.
    void type(uint8_t byte)
    {
        shown.data_[0] = byte;
        controlModified = true;
    }

private:
    bool show(const Data& data)
    {
        shown = FakeControl(data);
        return true;
    }
    bool warn(std::string text)
    {
        warnings.push_back(std::move(text));
        return false;
    }
    std::optional<std::string> choose(const std::string& folder)
    {
        dialogFolders.push_back(folder);
        EXPECT_FALSE(chosenNames.empty()) << "unexpected file dialog";
        if (chosenNames.empty())
            return std::nullopt;
        auto chosen = chosenNames.front();
        chosenNames.pop_front();
        return chosen;
    }
};

class DocumentSessionTest : public ::testing::Test {
protected:
    DocumentSessionTest()
    {
        window.makeFile(A, 100, 0xAA);
        window.makeFile(B, 200, 0xBB);
        window.makeFile(C, 300, 0xCC);
        window.folders = {"C:\\data", "C:"};
    }

    // The user changes the document; the control's notification reaches the window.
    void edit()
    {
        window.type(0x77);
        session.NoteControlModified(window.controlModified);
    }

    [[nodiscard]] Names Items() const
    {
        Names items;
        for (int i = 0; i < names.Count(); ++i)
            items.push_back(names.ItemText(i));
        return items;
    }

    [[nodiscard]] uint8_t ShownByte() const { return window.shown.data_[0]; }

    FakeWindow window;
    HistoryNames names;
    std::string openPath;
    DocumentSession session{window, names, openPath};
};

} // namespace

TEST_F(DocumentSessionTest, SaveQueryAnswers)
{
    // Nothing to save: no question at all.
    EXPECT_TRUE(session.QuerySave(ExitQueryText));
    EXPECT_TRUE(window.questions.empty());

    ASSERT_TRUE(session.LoadDocument(A, A));
    edit();
    ASSERT_TRUE(session.ModifiedFlag());

    // Cancel keeps everything.
    window.answers = {SaveAnswer::Cancel};
    session.FileNew();
    EXPECT_EQ(window.questions.back(), "「新規作成」をする前に保存しますか？");
    EXPECT_EQ(ShownByte(), 0x77);
    EXPECT_EQ(session.DocumentName(), A);
    EXPECT_TRUE(session.ModifiedFlag());

    // Save, but the write fails: the action stops and nothing is lost.
    window.unwritable.insert(A);
    window.answers = {SaveAnswer::Save};
    session.FileNew();
    EXPECT_EQ(window.warnings, Names({"write " + A}));
    EXPECT_EQ(ShownByte(), 0x77);
    EXPECT_TRUE(session.ModifiedFlag());

    // Save that works: the file gets the changes, then the action goes on.
    window.unwritable.clear();
    window.answers = {SaveAnswer::Save};
    session.FileNew();
    EXPECT_EQ(window.files[A][0], 0x77);
    EXPECT_EQ(session.DocumentName(), "");
    EXPECT_FALSE(session.ModifiedFlag());

    // Don't save: the changes are dropped, the file keeps its bytes.
    ASSERT_TRUE(session.LoadDocument(B, B));
    edit();
    window.answers = {SaveAnswer::DontSave};
    session.RunEditorCommand(EditorCommand::Refresh);
    EXPECT_EQ(window.questions.back(), "「再読み込み」をする前に保存しますか？");
    EXPECT_EQ(ShownByte(), 0xBB);
    EXPECT_EQ(window.files[B][0], 0xBB);
    EXPECT_FALSE(session.ModifiedFlag());
    EXPECT_EQ(window.waiting, 0);
}

TEST_F(DocumentSessionTest, UntitledSaveAsksForANameAndCancellingStopsThePendingAction)
{
    edit();
    window.answers = {SaveAnswer::Save};
    window.chosenNames = {std::nullopt};
    session.RunEditorCommand(EditorCommand::Backward);
    EXPECT_EQ(window.dialogFolders, Names({"C:\\program"}));
    EXPECT_TRUE(session.ModifiedFlag());
    EXPECT_EQ(ShownByte(), 0x77);

    // Saved under a name: it is listed, remembered as the open path, and no longer modified.
    const std::string saved = "C:\\data\\new\\saved.bin";
    window.folders.insert("C:\\data\\new");
    window.chosenNames = {saved};
    EXPECT_TRUE(session.SaveDocument());
    EXPECT_EQ(window.files[saved][0], 0x77);
    EXPECT_EQ(openPath, "C:\\data\\new");
    EXPECT_EQ(session.DocumentName(), saved);
    EXPECT_EQ(window.recordedName, saved);
    EXPECT_EQ(Items(), Names({saved, UntitledItemText}));
    EXPECT_FALSE(session.ModifiedFlag() || window.controlModified);
    EXPECT_EQ(window.backups.size(), 1u);

    // Save as starts in the document's folder.
    window.chosenNames = {std::nullopt};
    EXPECT_FALSE(session.SaveDocumentAs());
    EXPECT_EQ(window.dialogFolders.back(), "C:\\data\\new");
}

TEST_F(DocumentSessionTest, FailedLoadChangesNothingAndRecoveryLoadIsModified)
{
    ASSERT_TRUE(session.LoadDocument(A, A));
    edit();
    window.unreadable.insert(B);
    EXPECT_FALSE(session.LoadDocument(B, B));
    EXPECT_EQ(window.warnings.size(), 1u);
    EXPECT_EQ(session.DocumentName(), A);
    EXPECT_TRUE(session.ModifiedFlag() && window.controlModified);
    EXPECT_EQ(ShownByte(), 0x77);
    EXPECT_EQ(Items(), Names({A, UntitledItemText}));

    // A backup read under the document's former name: the control marks it changed.
    const std::string backup = "C:\\temp\\QX1.tmp";
    window.makeFile(backup, 5, 0x55);
    ASSERT_TRUE(session.LoadDocument(backup, C));
    EXPECT_EQ(session.DocumentName(), C);
    EXPECT_TRUE(window.controlModified);
    EXPECT_TRUE(session.NoteControlModified(window.controlModified));
    // The same name in another letter case is no recovery.
    ASSERT_TRUE(session.LoadDocument(A, "c:\\DATA\\A.bin"));
    EXPECT_FALSE(window.controlModified);
}

TEST_F(DocumentSessionTest, EditingListWalksBackAndForthAndRestoresViews)
{
    for (const auto& name : {A, B, C}) {
        openPath = "C:\\gone\\deeper";
        window.chosenNames = {name};
        session.FileOpen();
        EXPECT_EQ(window.dialogFolders.back(), "C:");
        EXPECT_EQ(openPath, "C:\\data");
    }
    EXPECT_EQ(Items(), Names({C, B, A, UntitledItemText}));
    EXPECT_EQ(names.Selected(), 0);

    // A view of C, left behind when B is shown.
    window.shown.viewTop_ = 64;
    window.shown.caret_ = 131;
    window.shown.setSelection(100, 3);
    window.shown.setBookMark(4, 250);
    const FakeControl viewOfC = window.shown;

    std::vector<uint8_t> shownBytes;
    for (auto command : {EditorCommand::Backward, EditorCommand::Backward, EditorCommand::Backward,
                         EditorCommand::Forward}) {
        session.RunEditorCommand(command);
        shownBytes.push_back(ShownByte());
    }
    EXPECT_EQ(shownBytes, Data({0xBB, 0xAA, 0x00, 0xAA}));
    EXPECT_EQ(window.shown.dataSize(), 100);
    EXPECT_EQ(session.DocumentName(), A);
    EXPECT_TRUE(window.questions.empty());

    names.Select(0);
    session.ComboHistoryChange();
    EXPECT_EQ(session.DocumentName(), C);
    EXPECT_EQ(window.shown.viewTop_, viewOfC.viewTop_);
    EXPECT_EQ(window.shown.caret_, viewOfC.caret_);
    EXPECT_EQ(window.shown.selectionSize(), 3);
    EXPECT_EQ(window.shown.bookmarks_, viewOfC.bookmarks_);

    // Rewritten by another program meanwhile: shown from its start without bookmarks.
    session.RunEditorCommand(EditorCommand::Backward);
    window.stamps[C].minute = 5;
    session.RunEditorCommand(EditorCommand::Forward);
    EXPECT_EQ(window.shown.caret_, 0);
    EXPECT_EQ(window.shown.bookMark(4), -1);

    // A document with unsaved changes leaves no view behind.
    window.shown.setCaretPos(20);
    edit();
    window.answers = {SaveAnswer::DontSave};
    session.RunEditorCommand(EditorCommand::Backward);
    window.shown.setCaretPos(40);
    session.RunEditorCommand(EditorCommand::Forward);
    EXPECT_EQ(window.shown.caret_, 0);
}

TEST_F(DocumentSessionTest, DeletingAndPickingInTheComboBox)
{
    for (const auto& name : {A, B, C})
        ASSERT_TRUE(session.LoadDocument(name, name));
    names.Select(1);
    session.ComboHistoryChange();
    session.RunEditorCommand(EditorCommand::DeleteHistory);
    EXPECT_EQ(session.DocumentName(), A);
    EXPECT_EQ(Items(), Names({C, A, UntitledItemText}));
    EXPECT_EQ(session.EditingList().Find(B), nullptr);

    // The save query refused after a pick: the shown document's item is selected again.
    edit();
    window.answers = {SaveAnswer::Cancel};
    names.Select(0);
    session.ComboHistoryChange();
    EXPECT_EQ(window.questions.back(), "表示文書の変更をする前に保存しますか？");
    EXPECT_EQ(names.SelectedName(), A);
    EXPECT_EQ(ShownByte(), 0x77);

    // So does a pick whose file cannot be read.
    window.answers = {SaveAnswer::DontSave};
    window.unreadable.insert(C);
    names.Select(0);
    session.ComboHistoryChange();
    EXPECT_EQ(names.SelectedName(), A);
    EXPECT_EQ(session.DocumentName(), A);
}

TEST_F(DocumentSessionTest, DroppedFilesOpenTheFirstReadableOneAndListTheRest)
{
    const std::string D = "C:\\data\\d.bin", E = "C:\\data\\e.bin";
    window.makeFile(D, 4, 0xDD);
    window.makeFile(E, 4, 0xEE);
    ASSERT_TRUE(session.LoadDocument(A, A));
    window.unreadable.insert(B);
    session.DropFiles({"C:\\data\\missing.bin", B, C, D, A, E});
    EXPECT_EQ(window.warnings, Names({"read " + B}));
    EXPECT_EQ(session.DocumentName(), C);
    // The rest in front, the last dropped first; A stays where it was listed.
    EXPECT_EQ(Items(), Names({E, D, C, A, UntitledItemText}));
    EXPECT_EQ(names.SelectedName(), C);
    EXPECT_NE(session.EditingList().Find(E), nullptr);
    EXPECT_EQ(session.EditingList().Find(""), nullptr);
    EXPECT_EQ(session.EditingList().Count(), 4u);

    // Refused by the save query: nothing is opened or listed.
    edit();
    window.answers = {SaveAnswer::Cancel};
    session.DropFiles({B});
    EXPECT_EQ(Items().size(), 5u);
    EXPECT_EQ(session.DocumentName(), C);
}

TEST(DroppedNames, LaterPlaceOfANameStays)
{
    EXPECT_EQ(NamesWithDropped({"C:\\x", "C:\\y"}, {"C:\\a", "C:\\b"}), Names({"C:\\b", "C:\\a", "C:\\x", "C:\\y"}));
    EXPECT_EQ(NamesWithDropped({"C:\\x", "C:\\y"}, {"C:\\Y", "C:\\a", "C:\\a"}), Names({"C:\\a", "C:\\x", "C:\\y"}));
    EXPECT_EQ(NamesWithDropped({}, {}), Names());
}
