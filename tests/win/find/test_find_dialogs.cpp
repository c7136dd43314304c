// The find and replace dialogs and the replace strip: entry rules, upper case, focus cue, placement, keys.
#include "app/win/find/TFormFind.h"
#include "app/win/find/TFormReplaceFirst.h"
#include "app/win/find/TFormReplaceNext.h"
#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/ControlHost.h"

#include <gtest/gtest.h>

namespace {

RECT WindowRect(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

void Retype(TEdit& edit, const std::string& text)
{
    SetWindowTextA(edit.Handle(), "");
    TypeText(edit.Handle(), text);
}

} // namespace

TEST(FindDialog, OkFollowsTheSearchTextAsItIsTyped)
{
    ControlHost host;
    const bool showHint = false;
    TFormFind dialog(host.host(), showHint);
    const int result = ShowModalWith(dialog, [&] {
        EXPECT_FALSE(dialog.ButtonOk.Enabled());  // nothing remembered yet
        TypeText(dialog.EditFindTarget.Handle(), "a0");
        EXPECT_EQ(dialog.EditFindTarget.Text(), "A0");
        EXPECT_TRUE(dialog.ButtonOk.Enabled());
        for (const char* bad : {"A0 ", "A0B"}) {
            Retype(dialog.EditFindTarget, bad);
            EXPECT_FALSE(dialog.ButtonOk.Enabled()) << bad;
        }
        Retype(dialog.EditFindTarget, "a04932");
        EXPECT_TRUE(dialog.ButtonOk.Enabled());
        EXPECT_FALSE(dialog.ShowHint());
        Click(dialog.ButtonOk.Handle());
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(dialog.EditFindTarget.Text(), "A04932");
}

TEST(FindDialog, PrefilledTextShowsCentredWithTheFocusCue)
{
    ControlHost host(600, 400);
    const bool showHint = true;
    TFormFind dialog(host.host(), showHint);
    dialog.HandleNeeded();
    dialog.EditFindTarget.SetText("A04932");
    const int result = ShowModalWith(dialog, [&] {
        EXPECT_TRUE(dialog.ButtonOk.Enabled());
        EXPECT_TRUE(dialog.ShowHint());
        EXPECT_TRUE(dialog.EditFindTarget.Focused());
        EXPECT_TRUE(dialog.LabelFindTarget.Highlighted());
        DWORD from = 1, to = 0;
        SendMessageA(dialog.EditFindTarget.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                     reinterpret_cast<LPARAM>(&to));
        EXPECT_EQ(from, 0u);
        EXPECT_EQ(to, 6u);  // entering the edit selected its text
        const RECT owner = WindowRect(host.host()), own = WindowRect(dialog.Handle());
        EXPECT_NEAR((own.left + own.right) / 2, (owner.left + owner.right) / 2, 1);
        EXPECT_NEAR((own.top + own.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
        Click(dialog.ButtonOk.Handle());
    });
    EXPECT_EQ(result, mrOk);
    // Left with OK: no closing effect, the window keeps its whole region.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(dialog.Handle(), region), ERROR);
    DeleteObject(region);
}

TEST(FindDialog, CancelPlaysTheCollapseEffect)
{
    ControlHost host;
    const bool showHint = true;
    TFormFind dialog(host.host(), showHint);
    const int result = ShowModalWith(dialog, [&] {
        PostMessageA(dialog.EditFindTarget.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(result, mrCancel);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(dialog.Handle(), region), ERROR);  // the last, smallest step
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_LT(box.bottom - box.top, 6);
    DeleteObject(region);
}

TEST(ReplaceDialog, BothTextsAreCheckedOnEveryChange)
{
    ControlHost host;
    const bool showHint = true;
    TFormReplaceFirst dialog(host.host(), showHint);
    dialog.HandleNeeded();
    dialog.EditFindTarget.SetText("00");
    dialog.EditReplaceTarget.SetText("00");
    const int result = ShowModalWith(dialog, [&] {
        EXPECT_FALSE(dialog.ButtonOk.Enabled());  // the same bytes on both sides
        EXPECT_TRUE(dialog.LabelFindTarget.Highlighted());
        EXPECT_FALSE(dialog.LabelReplaceTarget.Highlighted());
        const struct {
            const char* find;
            const char* replace;
            bool ok;
        } cases[] = {
            {"00", "", true},     // an empty replacement deletes the matches
            {"a0", "A0", false},  // the same bytes in another case
            {"00", "0", false},
            {"AB", "abcd", true},
        };
        for (const auto& entry : cases) {
            Retype(dialog.EditFindTarget, entry.find);
            Retype(dialog.EditReplaceTarget, entry.replace);
            EXPECT_EQ(dialog.ButtonOk.Enabled(), entry.ok) << entry.find << " / " << entry.replace;
        }
        EXPECT_EQ(dialog.EditReplaceTarget.Text(), "ABCD");
        // A click on a label moves the focus, and the cue, to its edit.
        SendMessageA(dialog.PanelClient.Handle(), WM_COMMAND, MAKEWPARAM(dialog.LabelReplaceTarget.Id(), STN_CLICKED),
                     reinterpret_cast<LPARAM>(dialog.LabelReplaceTarget.Handle()));
        EXPECT_TRUE(dialog.EditReplaceTarget.Focused());
        EXPECT_TRUE(dialog.LabelReplaceTarget.Highlighted());
        EXPECT_FALSE(dialog.LabelFindTarget.Highlighted());
        PostMessageA(dialog.EditReplaceTarget.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_EQ(result, mrOk);
}

TEST(ReplaceStrip, ButtonsSetTheChoiceAndKeysEndOrGoOn)
{
    ControlHost host(600, 400);
    SetWindowPos(host.host(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    TFormReplaceNext strip(host.host());
    int result = ShowModalWith(strip, [&] {
        const RECT owner = WindowRect(host.host()), own = WindowRect(strip.Handle());
        EXPECT_EQ(own.left, owner.left);
        EXPECT_EQ(own.top, owner.top);
        // Five buttons of one width, at least 75 pixels and wider where the captions need it.
        const RECT end = WindowRect(strip.ButtonEnd.Handle());
        EXPECT_EQ(own.right - own.left, 5 * (end.right - end.left));
        EXPECT_GE(own.right - own.left, 375);
        EXPECT_EQ(own.bottom - own.top, 25);
        EXPECT_EQ(TextOf(strip.ButtonAll.Handle()), "すべて(&A)");
        Click(strip.ButtonAll.Handle());
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(strip.ReplaceChoice, ReplaceChoice::All);

    const std::pair<TButton*, ReplaceChoice> buttons[] = {{&strip.ButtonReplaceEnd, ReplaceChoice::ReplaceEnd},
                                                          {&strip.ButtonSkipNext, ReplaceChoice::SkipNext},
                                                          {&strip.ButtonReplaceNext, ReplaceChoice::ReplaceNext}};
    for (const auto& [button, choice] : buttons) {
        EXPECT_EQ(ShowModalWith(strip, [button = button] { Click(button->Handle()); }), mrOk);
        EXPECT_EQ(strip.ReplaceChoice, choice);
    }

    strip.ReplaceChoice = ReplaceChoice::SkipNext;
    result = ShowModalWith(strip, [&] {
        EXPECT_TRUE(strip.ButtonReplaceNext.Focused());
        PostMessageA(strip.ButtonReplaceNext.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_EQ(result, mrOk);  // Enter replaces and goes on
    EXPECT_EQ(strip.ReplaceChoice, ReplaceChoice::ReplaceNext);
    result = ShowModalWith(strip, [&] { PostMessageA(strip.ButtonAll.Handle(), WM_KEYDOWN, VK_ESCAPE, 0); });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(ShowModalWith(strip, [&] { Click(strip.ButtonEnd.Handle()); }), mrCancel);
}
