// ControlAccessSuite: the one set of expectations every ControlAccess passes: the fake, the model and the real control.
#pragma once
#include "app/documents/ControlAccess.h"
#include "app/find/ByteText.h"
#include "app/find/FindCommand.h"
#include "app/find/ReplaceRun.h"

#include "common/_CVec.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// A subject is one implementation over given bytes, instantiated for the suite with
// INSTANTIATE_TYPED_TEST_SUITE_P(Name, ControlAccessSuite, Subject):
//     explicit Subject(std::vector<uint8_t> bytes);
//     ControlAccess& access();
//     std::vector<uint8_t> bytes();   // the data as it is now
//     void setReadOnly(bool on);
template <class Subject>
class ControlAccessSuite : public ::testing::Test {
protected:
    using Data = std::vector<uint8_t>;

    ControlAccess& make(Data bytes)
    {
        subject_ = std::make_unique<Subject>(std::move(bytes));
        return subject_->access();
    }
    [[nodiscard]] Data bytes() { return subject_->bytes(); }
    void setReadOnly(bool on) { subject_->setReadOnly(on); }

    struct Run {
        std::vector<int> offered;  // byte offsets of the matches shown to the user
        int replaced = 0;
        Data data;
    };

    // A replacement run answering each offered match with the next choice; when the choices
    // run out, the run is ended.
    Run Replace(Data data, const Data& find, const Data& replace, const std::vector<ReplaceChoice>& choices,
                bool readOnly = false)
    {
        ControlAccess& control = make(std::move(data));
        setReadOnly(readOnly);
        ReplaceRun run(control, _CVec<uint8_t>(find.data(), find.size()),
                       _CVec<uint8_t>(replace.data(), replace.size()));
        Run outcome;
        bool waiting = run.start();
        for (const ReplaceChoice choice : choices) {
            if (!waiting)
                break;
            outcome.offered.push_back(run.matchOffset());
            // The offered match is selected, with the caret on its first nibble.
            EXPECT_EQ(control.caretPos(), 2 * run.matchOffset());
            EXPECT_EQ(control.selectionSize(), static_cast<int>(find.size()));
            waiting = run.answer(choice);
        }
        if (waiting) {
            outcome.offered.push_back(run.matchOffset());
            run.end();
        }
        EXPECT_FALSE(run.answer(ReplaceChoice::All));  // a finished run stays finished
        outcome.replaced = run.replacedCount();
        outcome.data = bytes();
        return outcome;
    }

private:
    std::unique_ptr<Subject> subject_;
};

TYPED_TEST_SUITE_P(ControlAccessSuite);

TYPED_TEST_P(ControlAccessSuite, PositionsStayInsideTheData)
{
    ControlAccess& control = this->make(typename TestFixture::Data(40, 0x11));
    EXPECT_EQ(control.dataSize(), 40);
    EXPECT_EQ(control.caretPos(), 0);
    EXPECT_TRUE(control.setCaretPos(79));
    EXPECT_EQ(control.caretPos(), 79);
    for (const int outside : {80, -1}) {
        EXPECT_FALSE(control.setCaretPos(outside)) << outside;
        EXPECT_FALSE(control.setViewTop(outside)) << outside;
    }
    EXPECT_EQ(control.caretPos(), 79);
    EXPECT_EQ(control.viewTop(), 0);

    // The view starts at the line of the nibble asked for.
    ControlAccess& longer = this->make(typename TestFixture::Data(4096, 0x22));
    EXPECT_TRUE(longer.setViewTop(32 * 10 + 5));
    EXPECT_EQ(longer.viewTop(), 32 * 10);
}

TYPED_TEST_P(ControlAccessSuite, SelectionCoversWholeBytesInsideTheData)
{
    ControlAccess& control = this->make(typename TestFixture::Data(40, 0x11));
    EXPECT_EQ(control.selectionBegin(), -1);
    EXPECT_EQ(control.selectionSize(), 0);
    EXPECT_TRUE(control.setSelection(5, 3));  // from the low nibble: the byte's high nibble
    EXPECT_EQ(control.selectionBegin(), 4);
    EXPECT_EQ(control.selectionSize(), 3);
    struct Refused {
        int nibble, count;
    };
    for (const Refused refused : {Refused{0, 0}, Refused{-1, 1}, Refused{2 * 38, 3}, Refused{0, 41}}) {
        EXPECT_FALSE(control.setSelection(refused.nibble, refused.count)) << refused.nibble << " " << refused.count;
        EXPECT_EQ(control.selectionBegin(), 4);
        EXPECT_EQ(control.selectionSize(), 3);
    }
    EXPECT_TRUE(control.setSelection(2 * 37, 3));  // up to the last byte
    EXPECT_EQ(control.selectionSize(), 3);
}

TYPED_TEST_P(ControlAccessSuite, BookmarksHoldNibblesOfTheData)
{
    ControlAccess& control = this->make(typename TestFixture::Data(40, 0x11));
    for (int index = -1; index <= 10; ++index)
        EXPECT_EQ(control.bookMark(index), -1) << index;
    EXPECT_TRUE(control.setBookMark(3, 7));
    EXPECT_EQ(control.bookMark(3), 7);
    EXPECT_FALSE(control.setBookMark(10, 0));
    EXPECT_FALSE(control.setBookMark(0, 80));
    EXPECT_EQ(control.bookMark(0), -1);
    EXPECT_TRUE(control.setBookMark(3, -1));  // cleared
    EXPECT_EQ(control.bookMark(3), -1);
}

TYPED_TEST_P(ControlAccessSuite, SearchesSelectTheMatchFromWhereTheyStart)
{
    ControlAccess& control = this->make({0x41, 0x42, 0x43, 0x41, 0x42});
    const uint8_t ab[] = {0x41, 0x42};
    EXPECT_TRUE(control.findFirst(1, ab, 2));  // from the byte holding the nibble
    EXPECT_EQ(control.caretPos(), 0);
    EXPECT_EQ(control.selectionBegin(), 0);
    EXPECT_EQ(control.selectionSize(), 2);
    EXPECT_TRUE(control.findNext(0, ab, 2));
    EXPECT_EQ(control.caretPos(), 6);
    EXPECT_EQ(control.selectionBegin(), 6);
    EXPECT_FALSE(control.findNext(6, ab, 2));
    EXPECT_EQ(control.caretPos(), 6);  // a miss moves nothing
    EXPECT_EQ(control.selectionBegin(), 6);
    EXPECT_TRUE(control.findPrev(6, ab, 2));
    EXPECT_EQ(control.caretPos(), 0);
    EXPECT_FALSE(control.findPrev(0, ab, 2));
    const uint8_t longer[] = {0x41, 0x42, 0x43, 0x41, 0x42, 0x43};
    EXPECT_FALSE(control.findFirst(0, longer, 6));

    // The commands' starting points over the same searches.
    const _CVec<uint8_t> pattern(ab, 2);
    ASSERT_TRUE(control.setCaretPos(0));
    EXPECT_EQ(RunFind(control, FindDirection::Next, _CVec<uint8_t>()), FindOutcome::NoPattern);
    EXPECT_EQ(RunFind(control, FindDirection::First, pattern), FindOutcome::Found);
    EXPECT_EQ(control.caretPos(), 0);  // a match at the caret is found again
    EXPECT_EQ(RunFind(control, FindDirection::Next, pattern), FindOutcome::Found);
    EXPECT_EQ(control.caretPos(), 6);
    EXPECT_EQ(RunFind(control, FindDirection::Next, pattern), FindOutcome::NotFound);
    EXPECT_EQ(RunFind(control, FindDirection::Prev, pattern), FindOutcome::Found);
    EXPECT_EQ(control.caretPos(), 0);
}

TYPED_TEST_P(ControlAccessSuite, FlaggedLettersMatchEitherCase)
{
    ControlAccess& control = this->make({'a', 'X', '1', 'A', 'x', '1', '@', 'x', '1'});
    const uint8_t pattern[] = {'A', 'X', '1'};
    const uint8_t secondOnly[] = {0, 1, 1};
    EXPECT_TRUE(control.findCaseless(FindDirection::First, 0, pattern, nullptr, 3));
    EXPECT_EQ(control.caretPos(), 0);
    EXPECT_EQ(control.selectionSize(), 3);
    EXPECT_TRUE(control.findCaseless(FindDirection::First, 0, pattern, secondOnly, 3));
    EXPECT_EQ(control.caretPos(), 6);
    EXPECT_FALSE(control.findCaseless(FindDirection::Next, 6, pattern, secondOnly, 3));
    EXPECT_TRUE(control.findCaseless(FindDirection::Prev, 6, pattern, nullptr, 3));
    EXPECT_EQ(control.caretPos(), 0);
    // '@' (0x40) is no letter: it never stands for '`' (0x60) or 'A'.
    const uint8_t at[] = {'`'};
    EXPECT_FALSE(control.findCaseless(FindDirection::First, 0, at, nullptr, 1));
}

TYPED_TEST_P(ControlAccessSuite, MaskedBytesMatchOnlyTheirKnownDigits)
{
    ControlAccess& control = this->make({0x50, 0x41, 0x13, 0x4F, 0x23, 0x4A, 0x13});
    _CVec<uint8_t> pattern, masks;
    ASSERT_TRUE(HexToPattern("4??3", pattern, masks));
    ASSERT_TRUE(control.setCaretPos(0));
    EXPECT_EQ(RunFind(control, FindDirection::First, pattern, {}, masks), FindOutcome::Found);
    EXPECT_EQ(control.caretPos(), 2);
    EXPECT_EQ(control.selectionSize(), 2);
    EXPECT_EQ(RunFind(control, FindDirection::Next, pattern, {}, masks), FindOutcome::Found);
    EXPECT_EQ(control.caretPos(), 6);
    EXPECT_EQ(RunFind(control, FindDirection::Next, pattern, {}, masks), FindOutcome::Found);
    EXPECT_EQ(control.caretPos(), 10);
    EXPECT_EQ(RunFind(control, FindDirection::Next, pattern, {}, masks), FindOutcome::NotFound);
    EXPECT_EQ(RunFind(control, FindDirection::Prev, pattern, {}, masks), FindOutcome::Found);
    EXPECT_EQ(control.caretPos(), 6);
}

TYPED_TEST_P(ControlAccessSuite, ReplacingTheSelectionIsOneRefusableStep)
{
    ControlAccess& control = this->make({0x00, 0x11, 0x22, 0x33});
    const uint8_t three[] = {0x99, 0x99, 0x99};
    EXPECT_FALSE(control.replaceSelection(three, 3));  // nothing selected
    ASSERT_TRUE(control.setSelection(2, 2));
    EXPECT_TRUE(control.replaceSelection(three, 3));
    EXPECT_EQ(this->bytes(), (typename TestFixture::Data{0x00, 0x99, 0x99, 0x99, 0x33}));
    EXPECT_EQ(control.selectionSize(), 0);

    this->setReadOnly(true);
    ASSERT_TRUE(control.setSelection(0, 1));
    EXPECT_FALSE(control.replaceSelection(three, 3));
    EXPECT_EQ(this->bytes(), (typename TestFixture::Data{0x00, 0x99, 0x99, 0x99, 0x33}));

    // All the data replaced by nothing leaves the one byte the data keeps.
    this->setReadOnly(false);
    ASSERT_TRUE(control.setSelection(0, 5));
    EXPECT_TRUE(control.replaceSelection(nullptr, 0));
    EXPECT_EQ(this->bytes(), (typename TestFixture::Data{0x00}));
}

TYPED_TEST_P(ControlAccessSuite, ReplaceRunsOfferAndReplaceMatchesInTurn)
{
    using enum ReplaceChoice;
    using Data = typename TestFixture::Data;
    struct Case {
        const char* what;
        Data data, find, replace;
        std::vector<ReplaceChoice> choices;
        std::vector<int> offered;
        int replaced;
        Data result;
    };
    const Case cases[] = {
        {"skipping offers overlapping matches", {0x00, 0x00, 0x00}, {0x00, 0x00}, {0x11}, {SkipNext, SkipNext, SkipNext},
         {0, 1}, 0, {0x00, 0x00, 0x00}},
        {"replacing searches on behind the new bytes", {0x00, 0x00, 0x00}, {0x00, 0x00}, {0x11},
         {ReplaceNext, ReplaceNext}, {0}, 1, {0x11, 0x00}},
        {"a replacement holding the pattern is not offered again", {0x00, 0x00}, {0x00}, {0x00, 0x00},
         {ReplaceNext, ReplaceNext}, {0, 2}, 2, Data(4, 0x00)},
        {"a match ending the data ends the run", {0xAA, 0xBB, 0xCC, 0xBB}, {0xCC, 0xBB}, {0x01},
         {ReplaceNext, ReplaceNext}, {2}, 1, {0xAA, 0xBB, 0x01}},
        {"an empty replacement deletes", {0x00, 0x11, 0x00, 0x00, 0x22, 0x00}, {0x00}, {}, {ReplaceNext, All}, {0, 1},
         4, {0x11, 0x22}},
        {"deleting everything keeps one byte", {0x00, 0x00}, {0x00}, {}, {All}, {0}, 2, {0x00}},
        {"all replaces the rest unasked", {0x41, 0x42, 0x41, 0x42, 0x41, 0x42, 0x41, 0x42}, {0x41, 0x42},
         {0x43, 0x44, 0x45}, {SkipNext, All}, {0, 2}, 3,
         {0x41, 0x42, 0x43, 0x44, 0x45, 0x43, 0x44, 0x45, 0x43, 0x44, 0x45}},
        {"replace and end", {0x41, 0x41, 0x41}, {0x41}, {0x42}, {ReplaceEnd}, {0}, 1, {0x42, 0x41, 0x41}},
        {"end", {0x41, 0x41, 0x41}, {0x41}, {0x42}, {}, {0}, 0, {0x41, 0x41, 0x41}},
        {"no match offers nothing", {0x41, 0x41}, {0x43}, {0x42}, {All}, {}, 0, {0x41, 0x41}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto run = this->Replace(c.data, c.find, c.replace, c.choices);
        EXPECT_EQ(run.offered, c.offered);
        EXPECT_EQ(run.replaced, c.replaced);
        EXPECT_EQ(run.data, c.result);
    }
    // Read-only: the first replacement is refused and the run stops.
    const auto refused = this->Replace({0x41, 0x42, 0x41}, {0x41}, {0x43}, {All}, true);
    EXPECT_EQ(refused.offered, std::vector<int>({0}));
    EXPECT_EQ(refused.replaced, 0);
    EXPECT_EQ(refused.data, Data({0x41, 0x42, 0x41}));
}

REGISTER_TYPED_TEST_SUITE_P(ControlAccessSuite, PositionsStayInsideTheData, SelectionCoversWholeBytesInsideTheData,
                            BookmarksHoldNibblesOfTheData, SearchesSelectTheMatchFromWhereTheyStart,
                            FlaggedLettersMatchEitherCase, MaskedBytesMatchOnlyTheirKnownDigits,
                            ReplacingTheSelectionIsOneRefusableStep,
                            ReplaceRunsOfferAndReplaceMatchesInTurn);
