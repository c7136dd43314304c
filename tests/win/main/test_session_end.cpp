// The session's end while the checksum command reads the control's data.
#include "common/win/ARegistry.h"
#include "tests/win/main/FormHarness.h"
#include "tests/win/support/MessageBoxCatcher.h"
#include "tests/win/support/Wait.h"

#include <gtest/gtest.h>

#include <future>

// The end arrives from another thread, as the system sends it, while the run has the window
// disabled: the workers stop before the window and the control free the data, and the command
// leaves without a message.
TEST(SessionEnd, DuringAChecksumRunStopsTheRunBeforeTheDataGoes)
{
    MainFormHarness harness;
    harness.setData(std::vector<uint8_t>(size_t{128} << 20, 0xA5));
    const HWND window = harness.form().Handle();
    MessageBoxCatcher boxes;
    auto ended = std::async(std::launch::async, [window] {
        if (!WaitFor([window] { return !IsWindowEnabled(window); }))
            return false;
        DWORD_PTR answer = 0;
        return SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, 30000, &answer) != 0;
    });
    harness.form().Action(ActionId::ToolChecksum).Execute();
    EXPECT_TRUE(ended.get());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(boxes.boxes().empty());
    RegDeleteTreeA(HKEY_CURRENT_USER, ARegistry::ProgramKey().c_str());
}
