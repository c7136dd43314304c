// Every caption and label of every form and dialog fits its control with the dialog font.
#include "tests/win/main/FormHarness.h"
#include "common/win/WideText.h"

#include "app/settings/ActionTable.h"
#include "app/win/main/TDialogAbout.h"
#include "app/win/find/TFormBytePos.h"
#include "app/win/settings/TFormFilter.h"
#include "app/win/find/TFormFind.h"
#include "app/win/find/TFormFindString.h"
#include "app/win/documents/TFormQuerySave.h"
#include "app/win/find/TFormReplaceFirst.h"
#include "app/win/find/TFormReplaceNext.h"
#include "app/win/patching/TFormFindNumber.h"
#include "app/win/settings/TFormSettings.h"
#include "app/win/ui/TActionList.h"
#include "common/win/FileSystem.h"
#include "tests/win/support/TextFit.h"

#include <gtest/gtest.h>

namespace {

// Shows the form, gives its texts, hides it again.
template <class Form>
std::string ClippedIn(Form& form)
{
    form.Show();
    const std::string clipped = Describe(ClippedTexts(form.Handle()));
    form.Hide();
    return clipped;
}

} // namespace

TEST(TextFit, EveryCaptionAndLabelFitsItsControl)
{
    MainFormHarness harness;
    TFormVornalix& main = harness.form();
    EXPECT_EQ(Describe(ClippedTexts(main.Handle())), "");
    const HWND owner = main.Handle();
    const bool showHint = true;

    TFormFind find(owner, showHint);
    EXPECT_EQ(ClippedIn(find), "") << "find";
    TFormFindString findString(owner, showHint);
    EXPECT_EQ(ClippedIn(findString), "") << "text search";
    TFormFindNumber findNumber(owner, showHint);
    EXPECT_EQ(ClippedIn(findNumber), "") << "number search";
    TFormReplaceFirst replaceFirst(owner, showHint);
    EXPECT_EQ(ClippedIn(replaceFirst), "") << "replace";
    TFormReplaceNext replaceNext(owner);
    EXPECT_EQ(ClippedIn(replaceNext), "") << "replace strip";
    TFormBytePos jump(owner);
    EXPECT_EQ(ClippedIn(jump), "") << "jump";
    // The widest position texts: the last byte of a document of 256 GiB, in either radix.
    jump.SetPosition(0x4000000000, 0x3FFFFFFFFF);
    EXPECT_EQ(ClippedIn(jump), "") << "jump, hexadecimal";
    jump.Show();
    SendMessageA(jump.RadioShowMethod.ItemHandle(1), BM_CLICK, 0, 0);
    EXPECT_EQ(jump.InfoCurPos.Text(), "274877906943 [0 - 274877906943]");
    EXPECT_EQ(ClippedIn(jump), "") << "jump, decimal";
    TFormQuerySave query(owner, showHint);
    query.SetQuestion("「編集リストから削除」をする前に保存しますか？");
    EXPECT_EQ(ClippedIn(query), "") << "save query";

    TActionList actions;
    for (const ActionInfo& info : ActionTable)
        actions.Add(info.name, info.category, info.caption, info.hint, info.defaultShortcut);
    TFormSettings settings(owner, actions);
    settings.LoadSettings(Preferences{});
    settings.Show();
    for (int page = 0; page < settings.PageSettings.PageCount(); ++page) {
        settings.PageSettings.SetActivePageIndex(page);
        EXPECT_EQ(Describe(ClippedTexts(settings.Handle())), "") << "settings, page " << page;
    }
    TFormFilter filter(settings.Handle(), showHint);
    EXPECT_EQ(ClippedIn(filter), "") << "file filter";

    TDialogAbout about(owner, AnsiText(ProgramPath()));
    about.Show();
    SendMessageA(about.ButtonSystemInfo.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(Describe(ClippedTexts(about.Handle())), "") << "about, with the system information";
}
