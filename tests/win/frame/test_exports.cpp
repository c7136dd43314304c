// The exports through their guard: handles without an instance, a fresh control's values,
// the flags the frame keeps, and the export table itself.
#include "tests/win/support/ControlHost.h"
#include "tests/win/support/MessageBoxCatcher.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

int notifications = 0;
void CountNotification() { ++notifications; }

// Calls every export but QX_Create with a handle and checks the guard results.
void ExpectGuardResults(HWND window)
{
    LOGFONTA font{};
    COLORREF color = 0;
    unsigned char buffer[4] = {};
    EXPECT_FALSE(Editor.QX_HasFocus(window));
    EXPECT_FALSE(Editor.QX_SetReadOnly(window, true));
    EXPECT_FALSE(Editor.QX_IsReadOnly(window));
    EXPECT_FALSE(Editor.QX_New(window));
    EXPECT_FALSE(Editor.QX_BackSpace(window));
    EXPECT_FALSE(Editor.QX_Delete(window));
    EXPECT_FALSE(Editor.QX_Insert(window));
    EXPECT_FALSE(Editor.QX_Space(window));
    EXPECT_FALSE(Editor.QX_Tab(window));
    EXPECT_FALSE(Editor.QX_CursorDown(window));
    EXPECT_FALSE(Editor.QX_CursorLeft(window));
    EXPECT_FALSE(Editor.QX_CursorRight(window));
    EXPECT_FALSE(Editor.QX_CursorUp(window));
    EXPECT_FALSE(Editor.QX_LineEnd(window));
    EXPECT_FALSE(Editor.QX_LineTop(window));
    EXPECT_FALSE(Editor.QX_PageDown(window));
    EXPECT_FALSE(Editor.QX_PageUp(window));
    EXPECT_FALSE(Editor.QX_DataEnd(window));
    EXPECT_FALSE(Editor.QX_DataTop(window));
    EXPECT_FALSE(Editor.QX_GetLogFont(window, &font, &color));
    EXPECT_FALSE(Editor.QX_SetLogFont(window, &font, &color));
    EXPECT_FALSE(Editor.QX_GetBkColor(window, &color));
    EXPECT_FALSE(Editor.QX_SetBkColor(window, &color));
    EXPECT_FALSE(Editor.QX_GetData(window, buffer, 0, 1));
    EXPECT_EQ(Editor.QX_GetDataSize(window), -1);
    EXPECT_FALSE(Editor.QX_SetData(window, buffer, 1));
    EXPECT_FALSE(Editor.QX_InsertData(window, 0, buffer, 1));
    EXPECT_EQ(Editor.QX_GetViewTop(window), -1);
    EXPECT_FALSE(Editor.QX_SetViewTop(window, 0));
    EXPECT_EQ(Editor.QX_GetCaretPos(window), -1);
    EXPECT_FALSE(Editor.QX_SetCaretPos(window, 0));
    EXPECT_FALSE(Editor.QX_IsModified(window));
    EXPECT_FALSE(Editor.QX_SetModified(window, true));
    EXPECT_FALSE(Editor.QX_SetNotifyChanged(window, CountNotification));
    EXPECT_FALSE(Editor.QX_CanUndo(window));
    EXPECT_FALSE(Editor.QX_CanRedo(window));
    EXPECT_FALSE(Editor.QX_ClearHistory(window));
    EXPECT_FALSE(Editor.QX_Undo(window));
    EXPECT_FALSE(Editor.QX_Redo(window));
    EXPECT_FALSE(Editor.QX_SelectionBegin(window));
    EXPECT_FALSE(Editor.QX_SelectionEnd(window));
    EXPECT_FALSE(Editor.QX_HideSelection(window));
    EXPECT_FALSE(Editor.QX_SetSelection(window, 0, 1));
    EXPECT_EQ(Editor.QX_GetSelectionBegin(window), -1);
    EXPECT_EQ(Editor.QX_GetSelectionSize(window), 0);
    EXPECT_FALSE(Editor.QX_DeleteSelection(window));
    EXPECT_FALSE(Editor.QX_ReplaceSelection(window, buffer, 1));
    EXPECT_EQ(Editor.QX_BookMark(window, 0), -1);
    EXPECT_FALSE(Editor.QX_GoBookMark(window, 0));
    EXPECT_FALSE(Editor.QX_SetBookMark(window, 0, 0));
    EXPECT_FALSE(Editor.QX_FindFirst(window, 0, buffer, 1));
    EXPECT_FALSE(Editor.QX_FindNext(window, 0, buffer, 1));
    EXPECT_FALSE(Editor.QX_FindPrev(window, 0, buffer, 1));
    EXPECT_FALSE(Editor.QX_FindCaseless(window, 0, buffer, nullptr, 1, QX_FIND_FIRST));
    EXPECT_FALSE(Editor.QX_SetTabSize(window, 8));
    EXPECT_EQ(Editor.QX_GetTabSize(window), -1);
}

// The same for the exports beside the 56 that take a window.
void ExpectExtendedGuardResults(HWND window)
{
    unsigned char buffer[4] = {};
    wchar_t name[8] = {};
    QX_CHANGE change{};
    const QX_PIECE piece{0, 1, QX_PIECE_BASE};
    DWORD detail = 99;
    EXPECT_FALSE(Editor.QX_OpenFile(window, L"C:\\windows\\win.ini", 0, &detail));
    EXPECT_EQ(detail, static_cast<DWORD>(QX_OPEN_FAILED));
    EXPECT_FALSE(Editor.QX_Rebase(window, L"C:\\windows\\win.ini"));
    EXPECT_EQ(Editor.QX_GetBaseName(window, name, 8), -1);
    EXPECT_EQ(Editor.QX_GetBaseSize(window), -1);
    EXPECT_EQ(Editor.QX_GetBaseChanges(window, &change, 1), -1);
    EXPECT_FALSE(Editor.QX_BuildOnBase(window, &piece, 1, nullptr, nullptr));
    EXPECT_EQ(Editor.QX_GetDataSize64(window), -1);
    EXPECT_FALSE(Editor.QX_GetData64(window, buffer, 0, 1));
    EXPECT_EQ(Editor.QX_GetCaretPos64(window), -1);
    EXPECT_FALSE(Editor.QX_SetCaretPos64(window, 0));
    EXPECT_EQ(Editor.QX_GetViewTop64(window), -1);
    EXPECT_FALSE(Editor.QX_SetViewTop64(window, 0));
    EXPECT_EQ(Editor.QX_GetSelectionBegin64(window), -1);
    EXPECT_EQ(Editor.QX_GetSelectionSize64(window), 0);
    EXPECT_FALSE(Editor.QX_SetSelection64(window, 0, 1));
    EXPECT_EQ(Editor.QX_BookMark64(window, 0), -1);
    EXPECT_FALSE(Editor.QX_SetBookMark64(window, 0, 0));
    EXPECT_EQ(Editor.QX_Find64(window, 0, buffer, nullptr, 1, QX_FIND_FIRST), QX_FIND_FAILED);
    EXPECT_EQ(Editor.QX_OpenReader(window), nullptr);
}

} // namespace

TEST(Exports, EveryExportIsBoundByItsUnderscoreName)
{
    ASSERT_TRUE(EnsureEditorLibrary());
    HMODULE library = GetModuleHandleA("talvine.dll");
    ASSERT_NE(library, nullptr);
    int bound = 0;
#define QX_COUNT(name, result, params, guard) bound += GetProcAddress(library, "_" #name) != nullptr;
    QX_EXPORTS(QX_COUNT)
    EXPECT_EQ(bound, 56);
    QX_EXTENDED_EXPORTS(QX_COUNT)
#undef QX_COUNT
    EXPECT_EQ(bound, 86);
    EXPECT_EQ(GetProcAddress(library, "QX_Create"), nullptr) << "only the underscore names are exported";
}

TEST(Exports, HandlesWithoutInstanceGiveTheGuardResultSilently)
{
    MessageBoxCatcher catcher;
    HWND destroyed = nullptr;
    {
        ControlHost host;
        destroyed = host.control();
        ASSERT_NE(destroyed, nullptr);
    }
    ExpectGuardResults(destroyed);
    ExpectGuardResults(nullptr);
    ExpectExtendedGuardResults(destroyed);
    ExpectExtendedGuardResults(nullptr);
    HWND other = CreateWindowA("STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ExpectGuardResults(other);
    ExpectExtendedGuardResults(other);
    EXPECT_EQ(Editor.QX_ReaderSize(nullptr), -1);
    EXPECT_FALSE(Editor.QX_ReadAt(nullptr, 0, nullptr, 0));
    EXPECT_FALSE(Editor.QX_CloseReader(nullptr));
    DestroyWindow(other);
    EXPECT_TRUE(catcher.boxes().empty());
}

TEST(Exports, FreshControlHasItsCreationValues)
{
    ControlHost host;
    HWND control = host.control();
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(GetParent(control), host.host());
    EXPECT_TRUE(GetWindowLongA(control, GWL_STYLE) & WS_CHILD);
    EXPECT_TRUE(GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_FALSE(Editor.QX_IsReadOnly(control));
    EXPECT_FALSE(Editor.QX_IsModified(control));
    EXPECT_EQ(Editor.QX_GetTabSize(control), 4);

    LOGFONTA font{};
    COLORREF text = 1;
    ASSERT_TRUE(Editor.QX_GetLogFont(control, &font, &text));
    EXPECT_EQ(text, 0x000000u);
    EXPECT_EQ(font.lfHeight, -15);
    EXPECT_EQ(font.lfWeight, 400);
    EXPECT_EQ(font.lfPitchAndFamily, 0x31);
    EXPECT_STREQ(font.lfFaceName, "ＭＳ ゴシック");
    COLORREF back = 0;
    ASSERT_TRUE(Editor.QX_GetBkColor(control, &back));
    EXPECT_EQ(back, 0xFFFFFFu);
}

TEST(Exports, FlagsTabSizeAndNotification)
{
    ControlHost host;
    HWND control = host.control();
    notifications = 0;
    ASSERT_TRUE(Editor.QX_SetNotifyChanged(control, CountNotification));
    EXPECT_TRUE(Editor.QX_SetModified(control, true));
    EXPECT_TRUE(Editor.QX_IsModified(control));
    EXPECT_TRUE(Editor.QX_SetReadOnly(control, true));
    EXPECT_TRUE(Editor.QX_IsReadOnly(control));
    EXPECT_TRUE(Editor.QX_SetReadOnly(control, false));
    EXPECT_FALSE(Editor.QX_IsReadOnly(control));
    EXPECT_EQ(notifications, 0) << "setting flags does not notify";

    EXPECT_TRUE(Editor.QX_SetTabSize(control, 0));
    EXPECT_EQ(Editor.QX_GetTabSize(control), 1);
    EXPECT_TRUE(Editor.QX_SetTabSize(control, -7));
    EXPECT_EQ(Editor.QX_GetTabSize(control), 1);
    EXPECT_TRUE(Editor.QX_SetTabSize(control, 16));
    EXPECT_EQ(Editor.QX_GetTabSize(control), 16);

    EXPECT_TRUE(Editor.QX_SetNotifyChanged(control, nullptr));
    EXPECT_TRUE(Editor.QX_SetModified(control, false));
    EXPECT_EQ(notifications, 0);
}

TEST(Exports, ControlsAreIndependentAndDestroyedWithTheirWindow)
{
    ControlHost first;
    ControlHost second;
    ASSERT_NE(first.control(), second.control());
    Editor.QX_SetTabSize(first.control(), 9);
    EXPECT_EQ(Editor.QX_GetTabSize(second.control()), 4);
    HWND control = first.control();
    DestroyWindow(control);
    EXPECT_EQ(Editor.QX_GetTabSize(control), -1);
}
