// The replace run and the find commands: the calls they make of the in-memory control.
#include "app/find/FindCommand.h"
#include "app/find/ReplaceRun.h"
#include "tests/unit/app/documents/FakeControl.h"

#include <gtest/gtest.h>

namespace {

using Data = std::vector<uint8_t>;
using enum ReplaceChoice;

struct Calls {
    int searches = 0;
    int replacements = 0;
};

// Answers each offered match with the next choice; when the choices run out, ends the run.
Calls Answer(Data data, Data find, Data replace, std::vector<ReplaceChoice> choices, bool readOnly = false)
{
    FakeControl control(std::move(data));
    control.readOnly_ = readOnly;
    ReplaceRun run(control, _CVec<uint8_t>(find.data(), find.size()), _CVec<uint8_t>(replace.data(), replace.size()));
    bool waiting = run.start();
    for (const auto choice : choices)
        if (waiting)
            waiting = run.answer(choice);
    if (waiting)
        run.end();
    return {control.findCalls_, control.replaceCalls_};
}

} // namespace

// What a run is and does on each control is ControlAccessSuite's; here, what it asks of the
// control: no search after the match that ends the data, one refused replacement when
// read-only, none when ended.
TEST(ReplaceRun, AsksTheControlNoMoreThanItNeeds)
{
    EXPECT_EQ(Answer({0xAA, 0xBB, 0xCC, 0xBB}, {0xCC, 0xBB}, {0x01}, {ReplaceNext, ReplaceNext}).searches, 1);
    EXPECT_EQ(Answer({0x41, 0x42, 0x41}, {0x41}, {0x43}, {All}, true).replacements, 1);
    EXPECT_EQ(Answer({0x41, 0x41, 0x41}, {0x41}, {0x42}, {}).replacements, 0);
}

TEST(ReplaceRun, CountMessageOnlyForTwoOrMore)
{
    EXPECT_EQ(ReplacedCountMessage(0), "");
    EXPECT_EQ(ReplacedCountMessage(1), "");
    EXPECT_EQ(ReplacedCountMessage(3), "3 個のバイト列を置換しました。");
}

TEST(FindCommand, NothingToSearchForAsksNothing)
{
    FakeControl control({0x41, 0x42});
    EXPECT_EQ(RunFind(control, FindDirection::Next, _CVec<uint8_t>()), FindOutcome::NoPattern);
    EXPECT_EQ(control.findCalls_, 0);
}
