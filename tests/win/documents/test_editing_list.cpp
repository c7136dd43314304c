// The editing list in the main window: walking it, one item per name, deleting, views, picks in the combo box, drops.
#include "app/win/system/EditorLibrary.h"
#include "app/texts/ProgramTexts.h"
#include "tests/win/documents/DocumentsScene.h"

#include <shlobj.h>

#include <cstring>

using EditingList = DocumentsScene;
using Texts = std::vector<std::wstring>;

namespace {

const std::string Zero(1, '\0');
const std::wstring Untitled = L"[無題]";

// The user picks the combo box's item `index`, as the box tells its parent.
void Pick(TFormVornalix& form, int index)
{
    const HWND combo = form.EditorHistory.ComboHistory.Handle();
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

// Files dropped on the window, in this order.
void Drop(TFormVornalix& form, const Texts& names)
{
    std::wstring list;
    for (const auto& name : names)
        list += name + L'\0';
    list += L'\0';
    const size_t bytes = list.size() * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), bytes);
    GlobalUnlock(memory);
    SendMessageA(form.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

// Sets the file's last-write time `hours` from now, as another program writing it would.
void Touch(const std::wstring& name, int hours)
{
    const HANDLE file = CreateFileW(name.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER time{{now.dwLowDateTime, now.dwHighDateTime}};
    time.QuadPart += static_cast<ULONGLONG>(hours) * 36000000000ULL;
    const FILETIME later{time.LowPart, time.HighPart};
    SetFileTime(file, nullptr, nullptr, &later);
    CloseHandle(file);
}

} // namespace

TEST_F(EditingList, WalkingDeletingAndOneItemPerName)
{
    const std::wstring a = file("a.bin", "A"), b = file("b.bin", "B"), c = file("c.bin", "C");
    for (const auto& name : {a, b, c})
        ASSERT_TRUE(form().Documents().LoadDocument(name, name));
    form().RefreshActionStates();
    EXPECT_EQ(items(), Texts({c, b, a, Untitled}));
    EXPECT_EQ(selectedItem(), c);
    EXPECT_FALSE(enabled(ActionId::EditorForward));

    std::string walked;
    for (ActionId command : {ActionId::EditorBackward, ActionId::EditorBackward, ActionId::EditorBackward,
                             ActionId::EditorForward}) {
        if (walked.size() == 3) {
            // On the untitled item: nothing older, nothing to delete.
            EXPECT_EQ(selectedItem(), Untitled);
            EXPECT_FALSE(enabled(ActionId::EditorBackward) || enabled(ActionId::EditorDeleteHistory));
        }
        run(command);
        walked += shown();
    }
    EXPECT_EQ(walked, "BA" + Zero + "A");
    EXPECT_EQ(selectedItem(), a);

    // The same name in other letters is the same item.
    std::wstring upper = c;
    CharUpperW(upper.data());
    ASSERT_TRUE(form().Documents().LoadDocument(upper, upper));
    EXPECT_EQ(items(), Texts({c, b, a, Untitled}));
    EXPECT_EQ(selectedItem(), c);

    // Deleting the selected B selects and shows the next older, A.
    Pick(form(), 1);
    ASSERT_EQ(shown(), "B");
    run(ActionId::EditorDeleteHistory);
    EXPECT_EQ(items(), Texts({c, a, Untitled}));
    EXPECT_EQ(selectedItem(), a);
    EXPECT_EQ(shown(), "A");
    EXPECT_TRUE(dialogs_.seen().empty());
}

TEST_F(EditingList, ViewsComeBackUnlessTheFileWasRewritten)
{
    const std::wstring a = file("a.bin", std::string(4000, 'a')), b = file("b.bin", "B");
    ASSERT_TRUE(form().Documents().LoadDocument(a, a));
    const HWND shownControl = control();
    Editor.QX_SetViewTop(shownControl, 2 * 16 * 20);
    Editor.QX_SetCaretPos(shownControl, 2 * 21 * 16 + 5);
    Editor.QX_SetSelection(shownControl, 2 * 400, 7);
    Editor.QX_SetBookMark(shownControl, 3, 2 * 1000);
    const int viewTop = Editor.QX_GetViewTop(shownControl), caret = Editor.QX_GetCaretPos(shownControl);
    ASSERT_GT(viewTop, 0);

    ASSERT_TRUE(form().Documents().LoadDocument(b, b));
    EXPECT_EQ(Editor.QX_BookMark(shownControl, 3), -1);
    run(ActionId::EditorBackward);
    EXPECT_EQ(Editor.QX_GetViewTop(shownControl), viewTop);
    EXPECT_EQ(Editor.QX_GetCaretPos(shownControl), caret);
    EXPECT_EQ(Editor.QX_GetSelectionBegin(shownControl), 2 * 400);
    EXPECT_EQ(Editor.QX_GetSelectionSize(shownControl), 7);
    EXPECT_EQ(Editor.QX_BookMark(shownControl, 3), 2 * 1000);

    // Another program rewrites A while B is shown: A comes back from its start, without bookmarks.
    run(ActionId::EditorForward);
    PutFile(a, std::string(3000, 'n'));
    Touch(a, 1);
    run(ActionId::EditorBackward);
    EXPECT_EQ(shown(), std::string(3000, 'n'));
    EXPECT_EQ(Editor.QX_GetCaretPos(shownControl), 0);
    EXPECT_EQ(Editor.QX_GetViewTop(shownControl), 0);
    EXPECT_EQ(Editor.QX_BookMark(shownControl, 3), -1);
}

TEST_F(EditingList, CancelAfterAPickInTheComboBoxPutsTheSelectionBack)
{
    const std::wstring a = file("a.bin", "A"), b = file("b.bin", "B");
    ASSERT_TRUE(form().Documents().LoadDocument(a, a));
    ASSERT_TRUE(form().Documents().LoadDocument(b, b));
    type('x');
    dialogs_.reply("中止");
    Pick(form(), 1);
    ASSERT_EQ(dialogs_.seen().size(), 1u);
    EXPECT_EQ(dialogs_.seen()[0].texts.at(1), "表示文書の変更をする前に保存しますか？");
    EXPECT_EQ(selectedItem(), b);
    EXPECT_EQ(shown(), "xB");
    EXPECT_TRUE(markedModified());

    dialogs_.reply("保存しない");
    Pick(form(), 1);
    EXPECT_EQ(selectedItem(), a);
    EXPECT_EQ(shown(), "A");
    EXPECT_EQ(FileText(b), "B");
}

TEST_F(EditingList, DroppedFilesOpenTheFirstReadableOneAndListTheRest)
{
    const std::wstring held = file("held.bin", "H"), b = file("b.bin", "B"), c = file("c.bin", "C");
    // Held open by another program without sharing: it exists but cannot be read.
    const HANDLE holder = CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    Drop(form(), {held, b, folder_ / "missing.bin", c});
    CloseHandle(holder);
    EXPECT_EQ(dialogs_.messages(), std::vector<std::string>({kTextCannotReadFile}));
    EXPECT_EQ(shown(), "B");
    EXPECT_EQ(items(), Texts({c, b, Untitled}));
    EXPECT_EQ(selectedItem(), b);
    EXPECT_TRUE(enabled(ActionId::EditorForward));

    // The listed file opens from the list like any other.
    run(ActionId::EditorForward);
    EXPECT_EQ(shown(), "C");
}

TEST_F(EditingList, TheDropDownIsAsWideAsTheLongestNameWithinTheScreen)
{
    const HWND combo = form().EditorHistory.ComboHistory.Handle();
    const auto droppedWidth = [combo] {
        SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
        SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
        return static_cast<int>(SendMessageA(combo, CB_GETDROPPEDWIDTH, 0, 0));
    };
    const auto textWidth = [combo](const std::wstring& text) {
        const HDC dc = GetDC(combo);
        const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(combo, WM_GETFONT, 0, 0)));
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SelectObject(dc, previous);
        ReleaseDC(combo, dc);
        return static_cast<int>(extent.cx);
    };
    RECT box{};
    GetWindowRect(combo, &box);
    EXPECT_EQ(droppedWidth(), box.right - box.left);

    const std::wstring path = file(std::string(60, 'n') + ".bin", "A");
    ASSERT_TRUE(form().Documents().LoadDocument(path, path));
    EXPECT_GT(droppedWidth(), textWidth(path));
    EXPECT_GT(droppedWidth(), box.right - box.left);

    const std::wstring longer = file(std::string(200, 'w') + ".bin", "A");
    ASSERT_TRUE(form().Documents().LoadDocument(longer, longer));
    ASSERT_GT(textWidth(longer), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(droppedWidth(), GetSystemMetrics(SM_CXSCREEN));
}
