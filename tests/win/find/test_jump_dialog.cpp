// The jump dialog: position texts, the entry check in either radix, the radix switch, hints and focus cue.
#include "app/win/find/TFormBytePos.h"
#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/ControlHost.h"

#include <gtest/gtest.h>

namespace {

void Retype(TEdit& edit, const std::string& text)
{
    SetWindowTextA(edit.Handle(), "");
    TypeText(edit.Handle(), text);
}

void ChooseRadix(TRadioGroup& group, int index) { Click(group.ItemHandle(index)); }

} // namespace

TEST(JumpDialog, EntryIsCheckedInTheSelectedRadix)
{
    ControlHost host;
    TFormBytePos dialog(host.host());
    dialog.HandleNeeded();
    dialog.SetPosition(256, 0);
    const int result = ShowModalWith(dialog, [&] {
        EXPECT_EQ(dialog.InfoCurPos.Text(), "0 [0 - FF]");
        EXPECT_EQ(dialog.EditNewPos.Text(), "0");
        EXPECT_TRUE(dialog.ButtonOk.Enabled());
        EXPECT_TRUE(dialog.ShowHint());  // always, whatever the preference
        EXPECT_TRUE(dialog.LabelNewPos.Highlighted());
        EXPECT_EQ(dialog.RadioShowMethod.ItemIndex(), 0);

        Retype(dialog.EditNewPos, "100");
        EXPECT_FALSE(dialog.ButtonOk.Enabled());
        Retype(dialog.EditNewPos, "");
        EXPECT_FALSE(dialog.ButtonOk.Enabled());
        Retype(dialog.EditNewPos, "ff");
        EXPECT_EQ(dialog.EditNewPos.Text(), "FF");
        EXPECT_TRUE(dialog.ButtonOk.Enabled());

        // Decimal: the range is shown again, the text stays and is checked again.
        ChooseRadix(dialog.RadioShowMethod, 1);
        EXPECT_EQ(dialog.InfoCurPos.Text(), "0 [0 - 255]");
        EXPECT_EQ(dialog.EditNewPos.Text(), "FF");
        EXPECT_FALSE(dialog.ButtonOk.Enabled());
        Retype(dialog.EditNewPos, "256");
        EXPECT_FALSE(dialog.ButtonOk.Enabled());
        Retype(dialog.EditNewPos, "4294967296");
        EXPECT_FALSE(dialog.ButtonOk.Enabled());
        Retype(dialog.EditNewPos, "255");
        EXPECT_TRUE(dialog.ButtonOk.Enabled());
        Click(dialog.ButtonOk.Handle());
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(dialog.GetNewPosition(), 255u);
}

TEST(JumpDialog, CurrentPositionInEitherRadix)
{
    ControlHost host;
    TFormBytePos dialog(host.host());
    dialog.HandleNeeded();
    dialog.SetPosition(256, 26);
    EXPECT_EQ(dialog.InfoCurPos.Text(), "1A [0 - FF]");
    EXPECT_EQ(dialog.EditNewPos.Text(), "1A");
    const int result = ShowModalWith(dialog, [&] {
        ChooseRadix(dialog.RadioShowMethod, 1);
        EXPECT_EQ(dialog.InfoCurPos.Text(), "26 [0 - 255]");
        // "1A" means nothing in decimal; "26" typed now, then back to hexadecimal, is 0x26.
        Retype(dialog.EditNewPos, "26");
        ChooseRadix(dialog.RadioShowMethod, 0);
        EXPECT_EQ(dialog.InfoCurPos.Text(), "1A [0 - FF]");
        EXPECT_TRUE(dialog.ButtonOk.Enabled());
        Click(dialog.ButtonOk.Handle());
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(dialog.GetNewPosition(), 0x26u);
}
