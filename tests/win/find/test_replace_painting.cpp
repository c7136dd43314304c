// A replace run through the strip: at each prompt and after an "all" answer, the control shows
// exactly what painting every step at once shows.
#include "app/find/ReplaceRun.h"
#include "app/win/system/EditorControl.h"
#include "app/win/find/ReplaceCommand.h"
#include "tests/win/support/DialogDriver.h"
#include "tests/win/support/ControlHost.h"
#include "tests/win/support/ControlPicture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Data(HWND control)
{
    Bytes bytes(static_cast<size_t>(Editor.QX_GetDataSize(control)));
    Editor.QX_GetData(control, bytes.data(), 0, static_cast<int>(bytes.size()));
    return bytes;
}

// The first pixel where the two pictures differ, as "x,y"; empty when they agree.
std::string FirstDifference(const ControlPicture& one, const ControlPicture& other)
{
    if (one.width() != other.width() || one.height() != other.height())
        return "size";
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x)
            if (one.pixel(x, y) != other.pixel(x, y))
                return std::to_string(x) + "," + std::to_string(y);
    return {};
}

// The control as painted now, against the same control painted whole from its state.
std::string StaleAgainstFullRepaint(HWND control)
{
    const ControlPicture shown(control);
    InvalidateRect(control, nullptr, TRUE);
    const ControlPicture repainted(control);
    return FirstDifference(shown, repainted);
}

_CVec<uint8_t> Vec(const Bytes& bytes) { return _CVec<uint8_t>(bytes.data(), bytes.size()); }

} // namespace

TEST(ReplacePainting, HeldPaintingEndsAsImmediatePaintingShows)
{
    Bytes data(96 * 16, 0x20);
    for (size_t at = 5; at + 2 <= data.size(); at += 53) {
        data[at] = 0xAB;
        data[at + 1] = 0xCD;
    }
    const Bytes find{0xAB, 0xCD}, replace{0x11, 0x22, 0x33};

    ControlHost held(600, 400), immediate(600, 400);
    SetWindowPos(immediate.host(), nullptr, 620, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    for (HWND control : {held.control(), immediate.control()})
        Editor.QX_SetData(control, data.data(), static_cast<int>(data.size()));

    // The control answered through the strip: replace the first match, then all the others.
    DialogAnswerer answers;
    answers.queue("TFormReplaceNext", [&](HWND strip) {
        EXPECT_EQ(StaleAgainstFullRepaint(held.control()), "") << "at the first prompt";
        Click(ChildWithText(strip, "置換/次(&Y)"));
    });
    answers.queue("TFormReplaceNext", [&](HWND strip) {
        EXPECT_EQ(StaleAgainstFullRepaint(held.control()), "") << "at the second prompt";
        EXPECT_EQ(Editor.QX_GetSelectionBegin(held.control()), 2 * (53 + 5 + 1));
        Click(ChildWithText(strip, "すべて(&A)"));
    });
    EditorControl heldAccess(held.control());
    ReplaceRun heldRun(heldAccess, Vec(find), Vec(replace));
    RunReplaceCommand(held.host(), held.control(), heldRun, nullptr);
    const int replaced = heldRun.replacedCount();
    EXPECT_EQ(answers.pending(), 0u);

    // The same answers with every step painted at once.
    EditorControl access(immediate.control());
    ReplaceRun run(access, Vec(find), Vec(replace));
    ASSERT_TRUE(run.start());
    ASSERT_TRUE(run.answer(ReplaceChoice::ReplaceNext));
    EXPECT_FALSE(run.answer(ReplaceChoice::All));

    EXPECT_EQ(replaced, 29);
    EXPECT_EQ(run.replacedCount(), replaced);
    EXPECT_EQ(Data(held.control()), Data(immediate.control()));
    EXPECT_EQ(Editor.QX_GetCaretPos(held.control()), Editor.QX_GetCaretPos(immediate.control()));
    EXPECT_EQ(Editor.QX_GetViewTop(held.control()), Editor.QX_GetViewTop(immediate.control()));
    const SCROLLINFO heldBar = ScrollBarOf(held.control()), immediateBar = ScrollBarOf(immediate.control());
    EXPECT_EQ(heldBar.nMax, immediateBar.nMax);
    EXPECT_EQ(heldBar.nPos, immediateBar.nPos);
    EXPECT_EQ(FirstDifference(ControlPicture(held.control()), ControlPicture(immediate.control())), "");
    EXPECT_EQ(StaleAgainstFullRepaint(immediate.control()), "");
}
