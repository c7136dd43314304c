// The replace run driven against the real editing model.
#include "app/find/ReplaceRun.h"
#include "tests/unit/app/documents/ModelControl.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Data = std::vector<uint8_t>;
using enum ReplaceChoice;

_CVec<uint8_t> Bytes(const Data& data)
{
    return _CVec<uint8_t>(data.data(), data.size());
}

// What the page shows agrees with the model: every row, the scroll bar, the invariants.
void ExpectDrawn(ModelControl& control, const char* when)
{
    EXPECT_EQ(control.view().staleRow(), -1) << when;
    EXPECT_TRUE(control.view().barMatches()) << when;
    EXPECT_EQ(control.view().problem, "") << when;
}

struct RunResult {
    std::vector<int> offered;  // byte offsets of the matches shown to the user
    int replaced = 0;
};

// Answers each offered match with the next choice; when the choices run out, ends the run.
RunResult Answer(ModelControl& control, const Data& find, const Data& replace, const std::vector<ReplaceChoice>& choices)
{
    ReplaceRun run(control, Bytes(find), Bytes(replace));
    RunResult outcome;
    bool waiting = run.start();
    for (size_t next = 0; waiting; ++next) {
        outcome.offered.push_back(run.matchOffset());
        // The prompt shows the offered match selected, with the caret on it.
        EXPECT_EQ(control.selectionBegin(), 2 * run.matchOffset());
        EXPECT_EQ(control.selectionSize(), static_cast<int>(find.size()));
        ExpectDrawn(control, "at a prompt");
        if (next == choices.size()) {
            run.end();
            break;
        }
        waiting = run.answer(choices[next]);
    }
    ExpectDrawn(control, "after the run");
    outcome.replaced = run.replacedCount();
    return outcome;
}

int UndoAll(ControlModel& model)
{
    int steps = 0;
    while (model.canUndo() && model.undo())
        ++steps;
    return steps;
}

} // namespace

TEST(ReplaceOnModel, EachChoiceActsOnTheOfferedMatch)
{
    const Data original{0x41, 0x00, 0x41, 0x00, 0x41, 0x00, 0x41};
    ModelControl control(original);
    // Replace and go on, skip, replace and end.
    const RunResult run = Answer(control, {0x41}, {0x5A, 0x5A}, {ReplaceNext, SkipNext, ReplaceEnd, ReplaceNext});
    EXPECT_EQ(run.offered, std::vector<int>({0, 3, 5}));
    EXPECT_EQ(run.replaced, 2);
    EXPECT_EQ(control.bytes(), Data({0x5A, 0x5A, 0x00, 0x41, 0x00, 0x5A, 0x5A, 0x00, 0x41}));
    EXPECT_EQ(UndoAll(control.model()), 2);  // one undo step per replacement
    EXPECT_EQ(control.bytes(), original);

    // All: this and every further match, without another prompt.
    ModelControl all(original);
    const RunResult allRun = Answer(all, {0x41}, {0x5A, 0x5A}, {SkipNext, All});
    EXPECT_EQ(allRun.offered, std::vector<int>({0, 2}));
    EXPECT_EQ(allRun.replaced, 3);
    EXPECT_EQ(all.bytes(), Data({0x41, 0x00, 0x5A, 0x5A, 0x00, 0x5A, 0x5A, 0x00, 0x5A, 0x5A}));

    // End: nothing replaced, the offered match stays selected.
    ModelControl ended(original);
    const RunResult endRun = Answer(ended, {0x41}, {0x5A}, {});
    EXPECT_EQ(endRun.offered, std::vector<int>({0}));
    EXPECT_EQ(ended.bytes(), original);
    EXPECT_FALSE(ended.model().canUndo());
    EXPECT_EQ(ended.selectionSize(), 1);
}

TEST(ReplaceOnModel, ReadOnlyStopsTheRunWithNothingReplaced)
{
    ModelControl control({0x41, 0x42, 0x41});
    control.model().setReadOnly(true);
    const RunResult run = Answer(control, {0x41}, {0x43}, {All});
    EXPECT_EQ(run.offered, std::vector<int>({0}));
    EXPECT_EQ(run.replaced, 0);
    EXPECT_EQ(ReplacedCountMessage(run.replaced), "");
    EXPECT_EQ(control.view().beeps, 1);
    EXPECT_EQ(control.bytes(), Data({0x41, 0x42, 0x41}));
    EXPECT_FALSE(control.model().canUndo());
}

TEST(ReplaceOnModel, LongRunKeepsThePageDrawnAsItScrolls)
{
    Data data(40 * 16, 0x55);
    for (size_t at = 7; at < data.size(); at += 37)
        data[at] = 0xEE;
    ModelControl control(data, 5);
    const RunResult run = Answer(control, {0xEE}, {0x01, 0x02, 0x03}, {ReplaceNext, SkipNext, ReplaceNext, All});
    EXPECT_EQ(run.replaced, 17);
    EXPECT_EQ(ReplacedCountMessage(run.replaced), "17 個のバイト列を置換しました。");
    EXPECT_EQ(control.bytes().size(), data.size() + 2 * 17);
}

// Replacing all from the first byte is the plain left-to-right replacement of every
// non-overlapping match, whatever the pattern and the replacement.
TEST(ReplaceOnModel, AllFromTheStartReplacesEveryMatchLeftToRight)
{
    std::mt19937 random(20240611);
    auto bytes = [&](size_t count) {
        Data out(count);
        for (auto& byte : out)
            byte = static_cast<uint8_t>(random() % 2);
        return out;
    };
    for (int round = 0; round < 300; ++round) {
        const Data data = bytes(1 + random() % 24);
        const Data find = bytes(1 + random() % 3);
        const Data replace = bytes(random() % 4);
        if (find == replace)
            continue;
        Data expected;
        int count = 0;
        for (size_t at = 0; at < data.size();) {
            if (at + find.size() <= data.size() && std::equal(find.begin(), find.end(), data.begin() + at)) {
                expected.insert(expected.end(), replace.begin(), replace.end());
                at += find.size();
                ++count;
            } else {
                expected.push_back(data[at++]);
            }
        }
        if (expected.empty())
            expected.push_back(0x00);

        ModelControl control(data, 2);
        ReplaceRun run(control, Bytes(find), Bytes(replace));
        if (run.start())
            run.answer(All);
        ASSERT_EQ(run.replacedCount(), count) << "round " << round;
        ASSERT_EQ(control.bytes(), expected) << "round " << round;
        ASSERT_EQ(control.view().staleRow(), -1) << "round " << round;
        ASSERT_EQ(UndoAll(control.model()), count) << "round " << round;
        ASSERT_EQ(control.bytes(), data) << "round " << round;
    }
}
