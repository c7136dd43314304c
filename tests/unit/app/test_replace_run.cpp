// The replace run and the find commands, driven against the in-memory control.
#include "app/FindCommand.h"
#include "app/ReplaceRun.h"
#include "FakeControl.h"

#include <gtest/gtest.h>

namespace {

_CVec<uint8_t> Bytes(std::initializer_list<uint8_t> list)
{
    return _CVec<uint8_t>(list.begin(), list.size());
}

using Data = std::vector<uint8_t>;

} // namespace

TEST(ReplaceRun, SkippingOffersOverlappingMatchesInTurn)
{
    FakeControl control({0x00, 0x00, 0x00});
    ReplaceRun run(control, Bytes({0x00, 0x00}), Bytes({0x11}));
    ASSERT_TRUE(run.start());
    EXPECT_EQ(run.matchOffset(), 0);
    EXPECT_EQ(control.selectionSize(), 2);
    ASSERT_TRUE(run.answer(ReplaceChoice::SkipNext));
    EXPECT_EQ(run.matchOffset(), 1);
    EXPECT_EQ(control.selectionBegin(), 2);
    // The second match ends at the end of the data: skipping it ends the run.
    EXPECT_FALSE(run.answer(ReplaceChoice::SkipNext));
    EXPECT_FALSE(run.waiting());
    EXPECT_EQ(run.replacedCount(), 0);
    EXPECT_EQ(control.data_, Data({0x00, 0x00, 0x00}));
}

TEST(ReplaceRun, ReplacingMovesPastTheNewBytes)
{
    // The replacement holds the pattern; the next search must start behind it.
    FakeControl control({0x00, 0x00});
    ReplaceRun run(control, Bytes({0x00}), Bytes({0x00, 0x00}));
    ASSERT_TRUE(run.start());
    ASSERT_TRUE(run.answer(ReplaceChoice::ReplaceNext));
    EXPECT_EQ(run.matchOffset(), 2);
    EXPECT_FALSE(run.answer(ReplaceChoice::ReplaceNext));
    EXPECT_EQ(run.replacedCount(), 2);
    EXPECT_EQ(control.data_, Data({0x00, 0x00, 0x00, 0x00}));
}

TEST(ReplaceRun, MatchAtTheEndIsReplacedAndTheRunStops)
{
    FakeControl control({0xAA, 0xBB, 0xCC, 0xBB});
    ReplaceRun run(control, Bytes({0xCC, 0xBB}), Bytes({0x01}));
    ASSERT_TRUE(run.start());
    EXPECT_EQ(run.matchOffset(), 2);
    const int searches = control.findCalls_;
    EXPECT_FALSE(run.answer(ReplaceChoice::ReplaceNext));
    EXPECT_EQ(control.findCalls_, searches);  // no search after the last possible match
    EXPECT_EQ(run.replacedCount(), 1);
    EXPECT_EQ(control.data_, Data({0xAA, 0xBB, 0x01}));
}

TEST(ReplaceRun, EmptyReplacementDeletesEachMatch)
{
    FakeControl control({0x00, 0x11, 0x00, 0x00, 0x22, 0x00});
    ReplaceRun run(control, Bytes({0x00}), Bytes({}));
    ASSERT_TRUE(run.start());
    ASSERT_TRUE(run.answer(ReplaceChoice::ReplaceNext));
    EXPECT_EQ(run.matchOffset(), 1);  // 11 00 00 22 00: the next 00 now stands at byte 1
    EXPECT_FALSE(run.answer(ReplaceChoice::All));
    EXPECT_EQ(run.replacedCount(), 4);
    EXPECT_EQ(control.data_, Data({0x11, 0x22}));
}

TEST(ReplaceRun, DeletingEverythingLeavesOneByteAndEnds)
{
    FakeControl control({0x00, 0x00});
    ReplaceRun run(control, Bytes({0x00}), Bytes({}));
    ASSERT_TRUE(run.start());
    EXPECT_FALSE(run.answer(ReplaceChoice::All));
    EXPECT_EQ(run.replacedCount(), 2);
    EXPECT_EQ(control.data_, Data({0x00}));
}

TEST(ReplaceRun, ReadOnlyStopsAtTheFirstReplacement)
{
    FakeControl control({0x41, 0x42, 0x41, 0x42});
    control.readOnly_ = true;
    ReplaceRun run(control, Bytes({0x41}), Bytes({0x43}));
    ASSERT_TRUE(run.start());
    EXPECT_FALSE(run.answer(ReplaceChoice::All));
    EXPECT_EQ(control.replaceCalls_, 1);
    EXPECT_EQ(run.replacedCount(), 0);
    EXPECT_EQ(ReplacedCountMessage(run.replacedCount()), "");
    EXPECT_EQ(control.data_, Data({0x41, 0x42, 0x41, 0x42}));
}

TEST(ReplaceRun, AllReplacesTheRestWithoutAsking)
{
    FakeControl control({0x41, 0x42, 0x41, 0x42, 0x41, 0x42, 0x41, 0x42});
    ReplaceRun run(control, Bytes({0x41, 0x42}), Bytes({0x43, 0x44, 0x45}));
    ASSERT_TRUE(run.start());
    ASSERT_TRUE(run.answer(ReplaceChoice::SkipNext));
    EXPECT_EQ(run.matchOffset(), 2);
    EXPECT_FALSE(run.answer(ReplaceChoice::All));
    EXPECT_EQ(run.replacedCount(), 3);
    EXPECT_EQ(control.data_, Data({0x41, 0x42, 0x43, 0x44, 0x45, 0x43, 0x44, 0x45, 0x43, 0x44, 0x45}));
    EXPECT_EQ(ReplacedCountMessage(run.replacedCount()), "3 個のバイト列を置換しました。");
}

TEST(ReplaceRun, ReplaceEndAndEndStopTheRun)
{
    FakeControl control({0x41, 0x41, 0x41});
    ReplaceRun run(control, Bytes({0x41}), Bytes({0x42}));
    ASSERT_TRUE(run.start());
    EXPECT_FALSE(run.answer(ReplaceChoice::ReplaceEnd));
    EXPECT_EQ(run.replacedCount(), 1);
    EXPECT_EQ(control.data_, Data({0x42, 0x41, 0x41}));
    EXPECT_EQ(ReplacedCountMessage(run.replacedCount()), "");

    ReplaceRun second(control, Bytes({0x41}), Bytes({0x42}));
    ASSERT_TRUE(second.start());
    EXPECT_EQ(second.matchOffset(), 1);  // from the caret left behind the first run
    second.end();
    EXPECT_FALSE(second.answer(ReplaceChoice::All));
    EXPECT_EQ(control.data_, Data({0x42, 0x41, 0x41}));
}

TEST(ReplaceRun, NoMatchEndsSilently)
{
    FakeControl control({0x41, 0x42});
    control.caret_ = 2;
    ReplaceRun run(control, Bytes({0x41}), Bytes({}));
    EXPECT_FALSE(run.start());
    EXPECT_FALSE(run.answer(ReplaceChoice::All));
    EXPECT_EQ(control.replaceCalls_, 0);
    EXPECT_EQ(control.caret_, 2);
}

TEST(FindCommand, DirectionsStartWhereTheCommandSays)
{
    FakeControl control({0x41, 0x42, 0x43, 0x41, 0x42});
    const auto pattern = Bytes({0x41, 0x42});
    EXPECT_EQ(RunFind(control, FindDirection::First, pattern), FindOutcome::Found);
    EXPECT_EQ(control.caret_, 0);  // a match at the caret is found again
    EXPECT_EQ(RunFind(control, FindDirection::Next, pattern), FindOutcome::Found);
    EXPECT_EQ(control.caret_, 6);
    EXPECT_EQ(RunFind(control, FindDirection::Next, pattern), FindOutcome::NotFound);
    EXPECT_EQ(control.caret_, 6);
    EXPECT_EQ(RunFind(control, FindDirection::Prev, pattern), FindOutcome::Found);
    EXPECT_EQ(control.caret_, 0);
}

TEST(FindCommand, NothingRememberedDoesNothing)
{
    FakeControl control({0x41});
    EXPECT_EQ(RunFind(control, FindDirection::Next, Bytes({})), FindOutcome::NoPattern);
    EXPECT_EQ(RunFind(control, FindDirection::Prev, Bytes({})), FindOutcome::NoPattern);
    EXPECT_EQ(control.findCalls_, 0);
}
