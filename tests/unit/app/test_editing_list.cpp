// The editing list: combo-box items, remembered states, views and the list commands.
#include "app/EditingList.h"
#include "FakeControl.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Last-write times by name; a name not in the map cannot be opened.
class FakeClock : public FileClock {
public:
    std::map<std::string, FileStamp, std::less<>> files;
    FileStamp current{2024, 5, 1, 12, 0, 0, 0};

    bool fileStamp(std::string_view name, FileStamp& stamp) override
    {
        const auto found = files.find(name);
        if (found == files.end())
            return false;
        stamp = found->second;
        return true;
    }
    FileStamp now() override { return current; }
};

std::vector<std::string> Items(const HistoryNames& names)
{
    std::vector<std::string> items;
    for (int i = 0; i < names.Count(); ++i)
        items.push_back(names.ItemText(i));
    return items;
}

const std::string A = "C:\\data\\a.bin", B = "C:\\data\\b.bin", C = "C:\\data\\c.bin";
const std::string Untitled = UntitledItemText;

} // namespace

TEST(HistoryNames, StartsWithTheUntitledItemOnly)
{
    HistoryNames names;
    EXPECT_EQ(Items(names), std::vector<std::string>({Untitled}));
    EXPECT_EQ(names.SelectedName(), "");
    EXPECT_FALSE(names.BackwardEnabled());
    EXPECT_FALSE(names.ForwardEnabled());
    EXPECT_FALSE(names.DeleteEnabled());
    EXPECT_EQ(names.NameAt(-1), "");
    EXPECT_EQ(names.NameAt(5), "");
}

TEST(HistoryNames, BackAndForwardWalkTheNames)
{
    HistoryManager<EditInfo> states;
    HistoryNames names;
    for (const auto& name : {A, B, C})
        EXPECT_TRUE(names.ShowName(name));
    EXPECT_EQ(Items(names), std::vector<std::string>({C, B, A, Untitled}));
    EXPECT_EQ(names.Selected(), 0);
    EXPECT_TRUE(names.BackwardEnabled());
    EXPECT_FALSE(names.ForwardEnabled());
    EXPECT_TRUE(names.DeleteEnabled());

    // A load selects what it loaded; the commands themselves leave the selection alone.
    std::vector<std::string> loaded;
    for (auto command : {EditorCommand::Backward, EditorCommand::Backward, EditorCommand::Backward,
                         EditorCommand::Forward, EditorCommand::Refresh}) {
        loaded.push_back(PrepareEditorCommand(command, states, names));
        names.ShowName(loaded.back());
    }
    EXPECT_EQ(loaded, std::vector<std::string>({B, A, "", A, A}));
    EXPECT_EQ(names.SelectedName(), A);
    EXPECT_EQ(names.Count(), 4);
}

TEST(HistoryNames, TheSameNameInAnotherCaseSelectsTheExistingItem)
{
    HistoryNames names;
    names.ShowName(A);
    names.ShowName(B);
    EXPECT_FALSE(names.ShowName("c:\\DATA\\A.BIN"));
    EXPECT_EQ(Items(names), std::vector<std::string>({B, A, Untitled}));
    EXPECT_EQ(names.SelectedName(), A);
    EXPECT_EQ(names.ShownName(), A);
    EXPECT_FALSE(names.ShowName(""));
    EXPECT_EQ(names.Selected(), 2);
}

TEST(HistoryNames, DeletingTheSelectedItemLoadsTheNextOlder)
{
    HistoryManager<EditInfo> states;
    HistoryNames names;
    for (const auto& name : {A, B, C}) {
        states.Add(name, EditInfo());
        names.ShowName(name);
    }
    names.ShowName(B);
    EXPECT_EQ(PrepareEditorCommand(EditorCommand::DeleteHistory, states, names), A);
    EXPECT_EQ(Items(names), std::vector<std::string>({C, A, Untitled}));
    EXPECT_EQ(states.Find(B), nullptr);
    EXPECT_EQ(states.Count(), 2u);

    // The oldest name gives way to the untitled item, which itself is never deleted.
    names.ShowName(A);
    EXPECT_EQ(PrepareEditorCommand(EditorCommand::DeleteHistory, states, names), "");
    EXPECT_FALSE(names.DeleteEnabled());
    EXPECT_EQ(PrepareEditorCommand(EditorCommand::DeleteHistory, states, names), "");
    names.RemoveName("");
    EXPECT_EQ(Items(names), std::vector<std::string>({C, Untitled}));
}

TEST(HistoryNames, CancelledComboPickGoesBackToTheShownDocument)
{
    HistoryManager<EditInfo> states;
    HistoryNames names;
    names.ShowName(A);
    names.ShowName(B);
    names.Select(1);  // the user picks A
    EXPECT_EQ(names.SelectedName(), A);
    EXPECT_EQ(names.ShownName(), B);
    RevertComboChoice(states, names, EditInfo());
    EXPECT_EQ(names.SelectedName(), B);
    EXPECT_NE(states.Find(B), nullptr);
}

TEST(HistoryManager, OneEntryPerNameWhateverTheCase)
{
    HistoryManager<EditInfo> states;
    EditInfo first;
    first.caret = 6;
    states.Add(A, first);
    EXPECT_EQ(states.Add("C:\\DATA\\A.BIN", EditInfo()).info.caret, 6);
    EXPECT_EQ(states.Count(), 1u);
    EXPECT_TRUE(states.Remove("c:\\data\\A.bin"));
    EXPECT_FALSE(states.Remove(A));
    EXPECT_EQ(states.Count(), 0u);
}

TEST(HistoryManager, SyncEntriesKeepsExactlyTheListedNames)
{
    HistoryManager<EditInfo> states;
    HistoryNames names;
    states.Add("", EditInfo());
    EditInfo kept;
    kept.caret = 10;
    states.Add(A, kept);
    states.Add(B, EditInfo());
    names.ShowName(A);
    names.ShowName(B);

    EditInfo fresh;
    fresh.caret = 99;
    SyncEntries(states, names, {C, "c:\\data\\a.bin"}, fresh);
    EXPECT_EQ(states.Count(), 2u);
    EXPECT_EQ(states.Find(""), nullptr);
    EXPECT_EQ(states.Find(B), nullptr);
    EXPECT_EQ(states.Find(A)->info.caret, 10);
    EXPECT_EQ(states.Find(C)->info.caret, 99);
    // B was selected and is gone from the list: it comes back in front.
    EXPECT_EQ(Items(names), std::vector<std::string>({B, C, "c:\\data\\a.bin", Untitled}));
    EXPECT_EQ(names.SelectedName(), B);
}

TEST(EditInfo, ViewComesBackWhenTheFileIsUnchanged)
{
    FakeClock clock;
    clock.files[A] = FileStamp{2024, 4, 30, 8, 15, 0, 250};
    FakeControl control(std::vector<uint8_t>(200, 0x5A));
    control.viewTop_ = 64;
    control.caret_ = 131;
    control.setSelection(100, 3);
    control.setBookMark(2, 7);
    control.setBookMark(9, 399);

    EditInfo state = FreshEditInfo(clock);
    EXPECT_EQ(state.stamp, clock.current);
    RememberView(A, state, true, control, clock);
    EXPECT_EQ(state.stamp, clock.files[A]);

    FakeControl shown(std::vector<uint8_t>(200, 0x5A));
    RestoreView(A, state, shown, clock);
    EXPECT_EQ(shown.viewTop_, 64);
    EXPECT_EQ(shown.caret_, 131);
    EXPECT_EQ(shown.selectionBegin(), 100);
    EXPECT_EQ(shown.selectionSize(), 3);
    EXPECT_EQ(shown.bookmarks_, control.bookmarks_);
}

TEST(EditInfo, FileRewrittenElsewhereIsShownFromItsStart)
{
    FakeClock clock;
    clock.files[A] = FileStamp{2024, 4, 30, 8, 15, 0, 250};
    FakeControl control(std::vector<uint8_t>(64, 0));
    control.caret_ = 40;
    control.setBookMark(0, 10);
    EditInfo state = FreshEditInfo(clock);
    RememberView(A, state, true, control, clock);

    clock.files[A].second = 1;  // written by another program
    FakeControl shown(std::vector<uint8_t>(64, 0));
    RestoreView(A, state, shown, clock);
    EXPECT_EQ(shown.caret_, 0);
    EXPECT_EQ(shown.bookMark(0), -1);
    EXPECT_EQ(state.caret, 0);
    EXPECT_EQ(state.bookmarks[0], -1);
    EXPECT_EQ(state.stamp, clock.files[A]);
    // Tied to the new time now, the next restore gives the reset state.
    RestoreView(A, state, shown, clock);
    EXPECT_EQ(shown.caret_, 0);

    // A vanished file: the state is reset and takes the current time.
    clock.files.erase(A);
    state.caret = 12;
    RestoreView(A, state, shown, clock);
    EXPECT_EQ(state.caret, 0);
    EXPECT_EQ(state.stamp, clock.current);
}

TEST(EditInfo, UntitledAndUnreadableNamesKeepTheirState)
{
    FakeClock clock;
    FakeControl control(std::vector<uint8_t>(64, 0));
    control.caret_ = 40;
    EditInfo state = FreshEditInfo(clock);
    RememberView("", state, true, control, clock);
    EXPECT_EQ(state.caret, 0);
    RestoreView("", state, control, clock);
    EXPECT_EQ(control.caret_, 40);

    // Refreshing the stamp of a file that cannot be opened keeps the old stamp.
    RememberView(B, state, true, control, clock);
    EXPECT_EQ(state.caret, 40);
    EXPECT_EQ(state.stamp, clock.current);
}
