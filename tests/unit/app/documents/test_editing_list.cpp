// The editing list: combo-box items, remembered states, views and the list commands.
#include "app/documents/EditingList.h"
#include "app/texts/ProgramTexts.h"
#include "tests/unit/app/documents/FakeControl.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Last-write times by name; a name not in the map cannot be opened.
class FakeClock : public FileClock {
public:
    std::map<std::wstring, FileStamp, std::less<>> files;
    FileStamp current{2024, 5, 1, 12, 0, 0, 0};

    bool fileStamp(std::wstring_view name, FileStamp& stamp) override
    {
        const auto found = files.find(name);
        return found != files.end() && (stamp = found->second, true);
    }
    FileStamp now() override { return current; }
    FileVersion fileVersion(std::wstring_view) override { return {}; }
};

using Names = std::vector<std::wstring>;
using Data = std::vector<uint8_t>;

Names Items(const HistoryNames& names)
{
    Names items;
    for (int i = 0; i < names.Count(); ++i)
        items.push_back(names.ItemText(i));
    return items;
}

const std::wstring A = L"C:\\data\\a.bin", B = L"C:\\data\\b.bin", C = L"C:\\data\\c.bin";
const std::wstring Untitled = kTextUntitledItem;

} // namespace

TEST(EditingList, BackAndForwardWalkTheNames)
{
    HistoryNames names;
    EXPECT_EQ(Items(names), Names({Untitled}));
    EXPECT_FALSE(names.BackwardEnabled() || names.ForwardEnabled() || names.DeleteEnabled());
    for (const auto& name : {A, B, C})
        EXPECT_TRUE(names.ShowName(name));
    EXPECT_EQ(Items(names), Names({C, B, A, Untitled}));
    EXPECT_TRUE(names.BackwardEnabled() && names.DeleteEnabled());
    EXPECT_FALSE(names.ForwardEnabled());

    // A load selects what it loaded; the commands themselves leave the selection alone.
    Names loaded;
    for (auto command : {EditorCommand::Backward, EditorCommand::Backward, EditorCommand::Backward,
                         EditorCommand::Forward, EditorCommand::Refresh}) {
        loaded.push_back(PrepareEditorCommand(command, names));
        names.ShowName(loaded.back());
    }
    EXPECT_EQ(loaded, Names({B, A, L"", A, A}));
    EXPECT_EQ(names.Count(), 4);

    // The same name in another letter case is the existing item.
    EXPECT_FALSE(names.ShowName(L"c:\\DATA\\C.BIN"));
    EXPECT_EQ(names.Selected(), 0);
}

TEST(EditingList, DeletingTheSelectedItemLoadsTheNextOlder)
{
    HistoryNames names;
    for (const auto& name : {A, B, C})
        names.ShowName(name);
    names.ShowName(B);
    EXPECT_EQ(PrepareEditorCommand(EditorCommand::DeleteHistory, names), A);
    EXPECT_EQ(Items(names), Names({C, A, Untitled}));

    // The oldest name gives way to the untitled item, which itself is never deleted.
    names.ShowName(A);
    EXPECT_EQ(PrepareEditorCommand(EditorCommand::DeleteHistory, names), L"");
    EXPECT_FALSE(names.DeleteEnabled());
    EXPECT_EQ(PrepareEditorCommand(EditorCommand::DeleteHistory, names), L"");
    names.RemoveName(L"");
    EXPECT_EQ(Items(names), Names({C, Untitled}));
}

TEST(EditingList, CancelledComboPickGoesBackToTheShownDocument)
{
    HistoryManager<EditInfo> states;
    HistoryNames names;
    names.ShowName(A);
    names.ShowName(B);
    names.Select(1);  // the user picks A
    EXPECT_EQ(names.ShownName(), B);
    RevertComboChoice(states, names, EditInfo());
    EXPECT_EQ(names.SelectedName(), B);
    EXPECT_NE(states.Find(B), nullptr);
}

TEST(EditingList, SyncEntriesKeepsExactlyTheListedNames)
{
    HistoryManager<EditInfo> states;
    HistoryNames names;
    states.Add(L"", EditInfo());
    EditInfo kept;
    kept.caret = 10;
    states.Add(A, kept);
    EXPECT_EQ(states.Add(L"c:\\data\\A.BIN", EditInfo()).info.caret, 10);  // one entry per name
    states.Add(B, EditInfo());
    names.ShowName(A);
    names.ShowName(B);

    EditInfo fresh;
    fresh.caret = 99;
    SyncEntries(states, names, {C, L"c:\\data\\a.bin"}, fresh);
    EXPECT_EQ(states.Count(), 2u);
    EXPECT_EQ(states.Find(L""), nullptr);
    EXPECT_EQ(states.Find(A)->info.caret, 10);
    EXPECT_EQ(states.Find(C)->info.caret, 99);
    // B was selected and is no longer listed: it comes back in front.
    EXPECT_EQ(Items(names), Names({B, C, L"c:\\data\\a.bin", Untitled}));
}

TEST(EditingList, ViewComesBackOnlyWhileTheFileIsUnchanged)
{
    FakeClock clock;
    clock.files[A] = FileStamp{2024, 4, 30, 8, 15, 0, 250};
    FakeControl control(Data(200, 0x5A));
    control.viewTop_ = 64;
    control.caret_ = 131;
    control.setSelection(100, 3);
    control.setBookMark(2, 7);
    control.setBookMark(9, 399);

    EditInfo state = FreshEditInfo(clock);
    RememberView(A, state, true, control, clock);
    EXPECT_EQ(state.stamp, clock.files[A]);
    FakeControl shown(Data(200, 0x5A));
    RestoreView(A, state, shown, clock);
    EXPECT_EQ(shown.viewTop_, 64);
    EXPECT_EQ(shown.caret_, 131);
    EXPECT_EQ(shown.selectionBegin(), 100);
    EXPECT_EQ(shown.selectionSize(), 3);
    EXPECT_EQ(shown.bookmarks_, control.bookmarks_);

    // Written by another program: shown from its start, without bookmarks.
    clock.files[A].second = 1;
    FakeControl rewritten(Data(200, 0x5A));
    RestoreView(A, state, rewritten, clock);
    EXPECT_EQ(rewritten.caret_, 0);
    EXPECT_EQ(rewritten.bookMark(2), -1);
    EXPECT_EQ(state.bookmarks[2], -1);
    EXPECT_EQ(state.stamp, clock.files[A]);

    // Gone: the state is reset and takes the current time.
    clock.files.erase(A);
    state.caret = 12;
    RestoreView(A, state, rewritten, clock);
    EXPECT_EQ(state.caret, 0);
    EXPECT_EQ(state.stamp, clock.current);
}

// Positions past 4 GiB come back whole: none is cut to 32 bits on the way through the list.
TEST(EditingList, ViewPast4GiBComesBackWhole)
{
    constexpr int64_t lead = 0x480000000;  // 18 GiB not stored, then 64 bytes
    FakeClock clock;
    clock.files[A] = FileStamp{2024, 4, 30, 8, 15, 0, 250};
    FakeControl control(Data(64, 0x5A), lead);
    ASSERT_TRUE(control.setViewTop(2 * lead));
    ASSERT_TRUE(control.setCaretPos(2 * lead + 33));
    ASSERT_TRUE(control.setSelection(0x20, 0x100000002));  // more than 4 GiB selected
    ASSERT_TRUE(control.setBookMark(1, 2 * lead + 127));
    ASSERT_TRUE(control.setBookMark(4, 0x1FFFFFFFE));

    EditInfo state = FreshEditInfo(clock);
    RememberView(A, state, true, control, clock);
    FakeControl shown(Data(64, 0x5A), lead);
    RestoreView(A, state, shown, clock);
    EXPECT_EQ(shown.viewTop_, 2 * lead);
    EXPECT_EQ(shown.caret_, 2 * lead + 33);
    EXPECT_EQ(shown.selectionBegin(), 0x20);
    EXPECT_EQ(shown.selectionSize(), 0x100000002);
    EXPECT_EQ(shown.bookmarks_, control.bookmarks_);
}
