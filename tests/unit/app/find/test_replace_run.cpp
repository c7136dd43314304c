// The replace run and the find commands, driven against the in-memory control.
#include "app/find/FindCommand.h"
#include "app/find/ReplaceRun.h"
#include "tests/unit/app/documents/FakeControl.h"

#include <gtest/gtest.h>

namespace {

using Data = std::vector<uint8_t>;
using enum ReplaceChoice;

struct Outcome {
    std::vector<int> offered;  // byte offsets of the matches shown to the user
    int replaced = 0;
    Data data;
    int searches = 0;
    int replaceCalls = 0;
};

// Answers each offered match with the next choice; when the choices run out, ends the run.
Outcome Answer(Data data, Data find, Data replace, std::vector<ReplaceChoice> choices, bool readOnly = false)
{
    FakeControl control(std::move(data));
    control.readOnly_ = readOnly;
    ReplaceRun run(control, _CVec<uint8_t>(find.data(), find.size()), _CVec<uint8_t>(replace.data(), replace.size()));
    Outcome outcome;
    bool waiting = run.start();
    for (const auto choice : choices) {
        if (!waiting)
            break;
        outcome.offered.push_back(run.matchOffset());
        waiting = run.answer(choice);
    }
    if (waiting) {
        outcome.offered.push_back(run.matchOffset());
        run.end();
    }
    EXPECT_FALSE(run.answer(All));  // a finished run stays finished
    return {outcome.offered, run.replacedCount(), control.data_, control.findCalls_, control.replaceCalls_};
}

} // namespace

TEST(ReplaceRun, SkippingOffersOverlappingMatchesInTurn)
{
    const auto outcome = Answer({0x00, 0x00, 0x00}, {0x00, 0x00}, {0x11}, {SkipNext, SkipNext, SkipNext});
    EXPECT_EQ(outcome.offered, std::vector<int>({0, 1}));  // the second ends the data: no more
    EXPECT_EQ(outcome.data, Data({0x00, 0x00, 0x00}));
}

TEST(ReplaceRun, SearchGoesOnBehindTheNewBytes)
{
    const auto outcome = Answer({0x00, 0x00}, {0x00}, {0x00, 0x00}, {ReplaceNext, ReplaceNext});
    EXPECT_EQ(outcome.offered, std::vector<int>({0, 2}));
    EXPECT_EQ(outcome.replaced, 2);
    EXPECT_EQ(outcome.data, Data(4, 0x00));
}

TEST(ReplaceRun, MatchAtTheEndIsReplacedAndTheRunStops)
{
    const auto outcome = Answer({0xAA, 0xBB, 0xCC, 0xBB}, {0xCC, 0xBB}, {0x01}, {ReplaceNext, ReplaceNext});
    EXPECT_EQ(outcome.offered, std::vector<int>({2}));
    EXPECT_EQ(outcome.searches, 1);
    EXPECT_EQ(outcome.data, Data({0xAA, 0xBB, 0x01}));
}

TEST(ReplaceRun, EmptyReplacementDeletesEachMatch)
{
    auto outcome = Answer({0x00, 0x11, 0x00, 0x00, 0x22, 0x00}, {0x00}, {}, {ReplaceNext, All});
    EXPECT_EQ(outcome.offered, std::vector<int>({0, 1}));
    EXPECT_EQ(outcome.replaced, 4);
    EXPECT_EQ(outcome.data, Data({0x11, 0x22}));

    // Deleting everything leaves the one byte the data keeps, and the run ends.
    outcome = Answer({0x00, 0x00}, {0x00}, {}, {All});
    EXPECT_EQ(outcome.replaced, 2);
    EXPECT_EQ(outcome.data, Data({0x00}));
}

TEST(ReplaceRun, ReadOnlyStopsAtTheFirstReplacement)
{
    const auto outcome = Answer({0x41, 0x42, 0x41}, {0x41}, {0x43}, {All}, true);
    EXPECT_EQ(outcome.replaceCalls, 1);
    EXPECT_EQ(outcome.replaced, 0);
    EXPECT_EQ(outcome.data, Data({0x41, 0x42, 0x41}));
}

TEST(ReplaceRun, AllReplacesTheRestWithoutAsking)
{
    const auto outcome = Answer(Data({0x41, 0x42, 0x41, 0x42, 0x41, 0x42, 0x41, 0x42}), {0x41, 0x42},
                             {0x43, 0x44, 0x45}, {SkipNext, All});
    EXPECT_EQ(outcome.offered, std::vector<int>({0, 2}));
    EXPECT_EQ(outcome.replaced, 3);
    EXPECT_EQ(outcome.data, Data({0x41, 0x42, 0x43, 0x44, 0x45, 0x43, 0x44, 0x45, 0x43, 0x44, 0x45}));
}

TEST(ReplaceRun, ReplaceEndAndEndStopTheRun)
{
    auto outcome = Answer({0x41, 0x41, 0x41}, {0x41}, {0x42}, {ReplaceEnd});
    EXPECT_EQ(outcome.offered, std::vector<int>({0}));
    EXPECT_EQ(outcome.data, Data({0x42, 0x41, 0x41}));
    outcome = Answer({0x41, 0x41, 0x41}, {0x41}, {0x42}, {});
    EXPECT_EQ(outcome.offered, std::vector<int>({0}));
    EXPECT_EQ(outcome.replaceCalls, 0);
    outcome = Answer({0x41, 0x41}, {0x43}, {0x42}, {All});
    EXPECT_TRUE(outcome.offered.empty());
}

TEST(ReplaceRun, CountMessageOnlyForTwoOrMore)
{
    EXPECT_EQ(ReplacedCountMessage(0), "");
    EXPECT_EQ(ReplacedCountMessage(1), "");
    EXPECT_EQ(ReplacedCountMessage(3), "3 個のバイト列を置換しました。");
}

TEST(FindCommand, SearchesStartWhereTheCommandSays)
{
    FakeControl control({0x41, 0x42, 0x43, 0x41, 0x42});
    const _CVec<uint8_t> pattern(control.data_.data(), 2);
    EXPECT_EQ(RunFind(control, FindDirection::Next, _CVec<uint8_t>()), FindOutcome::NoPattern);
    EXPECT_EQ(control.findCalls_, 0);
    EXPECT_EQ(RunFind(control, FindDirection::First, pattern), FindOutcome::Found);
    EXPECT_EQ(control.caret_, 0);  // a match at the caret is found again
    EXPECT_EQ(RunFind(control, FindDirection::Next, pattern), FindOutcome::Found);
    EXPECT_EQ(control.caret_, 6);
    EXPECT_EQ(RunFind(control, FindDirection::Next, pattern), FindOutcome::NotFound);
    EXPECT_EQ(RunFind(control, FindDirection::Prev, pattern), FindOutcome::Found);
    EXPECT_EQ(control.caret_, 0);
}
