// The system dialogs of the main window: help, the font dialog (fixed-pitch fonts only, centred)
// and the owner slot the font and colour dialogs share.
#include "tests/win/main/FormHarness.h"

#include "app/win/system/EditorLibrary.h"
#include "app/win/system/HelpViewer.h"
#include "app/win/system/SystemDialogs.h"

#include "tests/win/support/MessageBoxCatcher.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Reads the font dialog when it opens, tries the colour dialog meanwhile, then cancels.
struct FontDialogWatch {
    std::vector<std::string> faces;
    RECT dialog{};
    bool secondDialogRefused = false;
    bool seen = false;
};

FontDialogWatch* watch = nullptr;
HHOOK hook = nullptr;

LRESULT CALLBACK WatchFontDialog(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && watch && !watch->seen) {
        const auto dialog = reinterpret_cast<HWND>(wParam);
        char name[32] = {};
        GetClassNameA(dialog, name, sizeof name);
        if (lstrcmpA(name, "#32770") == 0) {
            watch->seen = true;
            GetWindowRect(dialog, &watch->dialog);
            const HWND faces = GetDlgItem(dialog, 0x470);  // the face-name combo box
            const int count = static_cast<int>(SendMessageA(faces, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                char face[LF_FACESIZE + 8] = {};
                SendMessageA(faces, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(face));
                watch->faces.emplace_back(face);
            }
            COLORREF colour = 0;
            watch->secondDialogRefused = !ChooseBackgroundColor(GetParent(dialog), colour);
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int CALLBACK RecordPitch(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM param)
{
    auto& pitches = *reinterpret_cast<std::set<int>*>(param);
    pitches.insert(font->lfPitchAndFamily & 3);
    return 1;
}

// Whether every font of the face is fixed-pitch, as the font mapper lists them.
bool FixedPitch(const std::string& face)
{
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face.c_str(), LF_FACESIZE);
    std::set<int> pitches;
    const HDC dc = GetDC(nullptr);
    EnumFontFamiliesExA(dc, &wanted, RecordPitch, reinterpret_cast<LPARAM>(&pitches), 0);
    ReleaseDC(nullptr, dc);
    return !pitches.empty() && pitches.count(VARIABLE_PITCH) == 0;
}

} // namespace

TEST(MainWindowDialogs, MissingHelpFileShowsTheHelpMessage)
{
    ASSERT_EQ(GetFileAttributesA(HelpFilePath().c_str()), INVALID_FILE_ATTRIBUTES)
        << "the test program has no help file of its own";
    MainFormHarness harness;
    MessageBoxCatcher boxes;
    harness.form().Action(ActionId::HelpContents).Execute();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text,
              "ヘルプファイル vornalix.chm が見つかりません。\nアプリケーションをインストールしなおしてください。");
    EXPECT_EQ(boxes.boxes()[0].caption, "エラー [Korvani Quillet]");
    EXPECT_EQ(boxes.boxes()[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(GetFocus(), harness.control());
}

TEST(MainWindowDialogs, FontDialogListsFixedPitchFontsCentredOnTheWindow)
{
    MainFormHarness harness;
    // Away from the screen's edges, so that centring is not pulled back inside the work area.
    SetWindowPos(harness.form().Handle(), nullptr, 250, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    FontDialogWatch seen;
    watch = &seen;
    hook = SetWindowsHookExA(WH_CBT, WatchFontDialog, nullptr, GetCurrentThreadId());
    LOGFONTA before{};
    COLORREF colour = 0;
    Editor.QX_GetLogFont(harness.control(), &before, &colour);
    harness.form().Action(ActionId::PrefFont).Execute();
    UnhookWindowsHookEx(hook);
    watch = nullptr;

    ASSERT_TRUE(seen.seen);
    ASSERT_FALSE(seen.faces.empty());
    for (const std::string& face : seen.faces)
        EXPECT_TRUE(FixedPitch(face)) << face;
    EXPECT_TRUE(seen.secondDialogRefused);
    EXPECT_EQ(SystemDialogOwner(), nullptr);

    RECT window{};
    GetWindowRect(harness.form().Handle(), &window);
    EXPECT_NEAR((seen.dialog.left + seen.dialog.right) / 2, (window.left + window.right) / 2, 1);

    // Cancelled: the control keeps its font, and has the focus back.
    LOGFONTA after{};
    Editor.QX_GetLogFont(harness.control(), &after, &colour);
    EXPECT_STREQ(after.lfFaceName, before.lfFaceName);
    EXPECT_EQ(GetFocus(), harness.control());
}

namespace {

struct ColourDialogWatch {
    bool seen = false;
    bool redEntryInside = false;
    RECT dialog{};
};

ColourDialogWatch* colourWatch = nullptr;

// Opened in full, the dialog shows its red, green and blue entries: type a colour there and confirm.
LRESULT CALLBACK AnswerColourDialog(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && colourWatch && !colourWatch->seen) {
        const auto dialog = reinterpret_cast<HWND>(wParam);
        char name[32] = {};
        GetClassNameA(dialog, name, sizeof name);
        if (lstrcmpA(name, "#32770") == 0) {
            colourWatch->seen = true;
            GetWindowRect(dialog, &colourWatch->dialog);
            // The entries lie in the part a dialog not opened in full cuts off.
            const HWND red = GetDlgItem(dialog, 0x2C2);
            RECT entry{};
            GetWindowRect(red, &entry);
            colourWatch->redEntryInside = entry.right <= colourWatch->dialog.right && entry.right > entry.left;
            SendMessageA(red, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("10"));
            SendMessageA(GetDlgItem(dialog, 0x2C3), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("20"));
            SendMessageA(GetDlgItem(dialog, 0x2C4), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("30"));
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

TEST(MainWindowDialogs, ColourDialogOpensInFullAndGivesTheChoiceToTheControl)
{
    MainFormHarness harness;
    SetWindowPos(harness.form().Handle(), nullptr, 250, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ColourDialogWatch seen;
    colourWatch = &seen;
    const HHOOK colourHook = SetWindowsHookExA(WH_CBT, AnswerColourDialog, nullptr, GetCurrentThreadId());
    harness.form().Action(ActionId::PrefBgColor).Execute();
    UnhookWindowsHookEx(colourHook);
    colourWatch = nullptr;

    ASSERT_TRUE(seen.seen);
    EXPECT_TRUE(seen.redEntryInside);
    COLORREF colour = 0;
    Editor.QX_GetBkColor(harness.control(), &colour);
    EXPECT_EQ(colour, RGB(10, 20, 30));
    RECT window{};
    GetWindowRect(harness.form().Handle(), &window);
    EXPECT_NEAR((seen.dialog.left + seen.dialog.right) / 2, (window.left + window.right) / 2, 1);
    EXPECT_EQ(SystemDialogOwner(), nullptr);
    EXPECT_EQ(GetFocus(), harness.control());
}
