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

// A document whose matches lie past 4 GiB: AB CD at 4 GiB + 17, + 20 and at its end.
class PastFourGiB : public testing::Test {
protected:
    static constexpr int64_t lead = 0x100000010;
    FakeControl control{{0x00, 0xAB, 0xCD, 0x11, 0xAB, 0xCD, 0x22, 0xAB, 0xCD}, lead};
    const _CVec<uint8_t> pattern{std::vector<uint8_t>{0xAB, 0xCD}.data(), 2};
};

TEST_F(PastFourGiB, ReplacesEveryMatchAndStopsAtTheEnd)
{
    ReplaceRun run(control, pattern, _CVec<uint8_t>(std::vector<uint8_t>{0xEE}.data(), 1));
    ASSERT_TRUE(run.start());
    EXPECT_EQ(run.matchOffset(), lead + 1);
    EXPECT_TRUE(run.answer(SkipNext));
    EXPECT_EQ(run.matchOffset(), lead + 4);
    EXPECT_FALSE(run.answer(All));
    EXPECT_EQ(run.replacedCount(), 2);
    EXPECT_FALSE(run.readFailed());
    EXPECT_EQ(control.data_, (Data{0x00, 0xAB, 0xCD, 0x11, 0xEE, 0x22, 0xEE}));
    EXPECT_EQ(control.dataSize(), lead + 7);
}

// A search that cannot read the document is told apart from a miss, by find and by a run.
TEST_F(PastFourGiB, UnreadableDocumentIsNoMiss)
{
    control.readFails_ = true;
    for (const auto direction : {FindDirection::First, FindDirection::Next, FindDirection::Prev})
        EXPECT_EQ(RunFind(control, direction, pattern), FindOutcome::ReadFailed);
    ReplaceRun run(control, pattern, pattern);
    EXPECT_FALSE(run.start());
    EXPECT_TRUE(run.readFailed());
    EXPECT_EQ(control.replaceCalls_, 0);
}
