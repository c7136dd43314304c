// Search (model and searcher, also across piece and chunk edges) and the ten bookmark slots.
#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "core/ByteSearcher.h"
#include "tests/unit/core/RecordingView.h"
#include "tests/unit/core/TestSources.h"

namespace {

using Bytes = std::vector<uint8_t>;

TEST(Search, ForwardNextAndBackwardWithoutWrapping)
{
    TestControl t({0x41, 0x42, 0x43, 0x41, 0x42});
    const uint8_t ab[] = {0x41, 0x42};
    EXPECT_TRUE(t.model.findFirst(0, ab, 2));
    EXPECT_EQ(t.model.caretPos(), 0);
    EXPECT_EQ(t.p().selEnd, 4);
    EXPECT_TRUE(t.model.findNext(0, ab, 2));
    EXPECT_EQ(t.model.caretPos(), 6);
    EXPECT_EQ(t.p().selBegin, 6);
    EXPECT_EQ(t.p().selEnd, 10);
    EXPECT_FALSE(t.model.findNext(6, ab, 2));
    EXPECT_EQ(t.model.caretPos(), 6);
    EXPECT_EQ(t.p().selBegin, 6);
    EXPECT_TRUE(t.model.findPrev(6, ab, 2));
    EXPECT_EQ(t.p().selBegin, 0);
    EXPECT_FALSE(t.model.findPrev(1, ab, 2));
    EXPECT_FALSE(t.model.findFirst(8, ab, 2));  // inside the last count - 1 bytes
    EXPECT_EQ(t.view.beeps, 0);
}

TEST(Search, BackwardStartsAtTheLastStartThatFits)
{
    TestControl t({0x41, 0x42, 0x43, 0x41, 0x42});
    const uint8_t pattern[] = {0x41, 0x42, 0x00};
    EXPECT_FALSE(t.model.findPrev(8, pattern, 3));
    const uint8_t cab[] = {0x43, 0x41, 0x42};
    EXPECT_TRUE(t.model.findPrev(9, cab, 3));
    EXPECT_EQ(t.model.caretPos(), 4);
}

TEST(Search, RefusesArgumentsThatCannotMatch)
{
    TestControl t({0, 0, 0});
    const uint8_t zero = 0;
    EXPECT_FALSE(t.model.findFirst(0, &zero, 0));
    EXPECT_FALSE(t.model.findFirst(-1, &zero, 1));
    EXPECT_FALSE(t.model.findNext(INT_MAX, &zero, 1));
    EXPECT_FALSE(t.model.findPrev(INT_MAX, &zero, -1));
    EXPECT_FALSE(t.model.findFirst(0, nullptr, 1));
    const Bytes longer(4, 0);
    EXPECT_FALSE(t.model.findFirst(0, longer.data(), 4));
    EXPECT_TRUE(t.model.findPrev(INT_MAX, &zero, 1));
    EXPECT_EQ(t.model.caretPos(), 4);
}

TEST(Search, HitScrollsTheCaretIntoViewAndSelects)
{
    Bytes bytes(16 * 50, 0);
    bytes[16 * 40 + 3] = 0x77;
    TestControl t(bytes, 4);
    const uint8_t pattern[] = {0x00, 0x77};
    EXPECT_TRUE(t.model.findFirst(0, pattern, 2));
    EXPECT_EQ(t.model.caretPos(), 2 * (16 * 40 + 2));
    EXPECT_EQ(t.p().topLine, 37);
    EXPECT_EQ(t.view.staleRow(), -1);
    EXPECT_TRUE(t.view.barMatches());
}

// Every hit must be the byte-by-byte scan's first hit, also when piece edges and the edges of
// the chunks that pieces are read in lie anywhere inside or beside a match.
TEST(Search, SearcherAgreesWithAByteByByteScanAcrossPieceEdges)
{
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        const size_t size = 1 + random() % 200;
        Bytes data(size);
        for (auto& byte : data)
            byte = static_cast<uint8_t>(random() % 3);
        const PieceTable table = ScatteredTable(data, random);
        SpanReader reader(1 + random() % 7);
        bool failed = true;
        Bytes pattern(1 + random() % 6);
        for (auto& byte : pattern)
            byte = static_cast<uint8_t>(random() % 3);
        const ByteSearcher searcher(pattern.data(), pattern.size());
        const size_t from = random() % (data.size() + 2);
        size_t forward = ByteSearcher::npos, backward = ByteSearcher::npos;
        for (size_t k = from; k + pattern.size() <= data.size(); ++k)
            if (std::equal(pattern.begin(), pattern.end(), data.begin() + static_cast<ptrdiff_t>(k))) {
                forward = k;
                break;
            }
        for (size_t k = std::min(from + 1, data.size() + 1); k-- > 0;)
            if (k + pattern.size() <= data.size()
                && std::equal(pattern.begin(), pattern.end(), data.begin() + static_cast<ptrdiff_t>(k))) {
                backward = k;
                break;
            }
        ASSERT_EQ(searcher.findForward(table, from, reader, failed), forward) << "round " << round;
        ASSERT_FALSE(failed);
        ASSERT_EQ(searcher.findBackward(table, from, reader, failed), backward) << "round " << round;
        ASSERT_FALSE(failed);
        ASSERT_EQ(searcher.findForward(data.data(), data.size(), from), forward) << "round " << round;
    }
}

TEST(Search, LongRunsFindTheFirstHitInEveryBlockPosition)
{
    // Hits at every offset of the 32-byte blocks, with the filter bytes matching elsewhere.
    Bytes data(300, 0);
    const uint8_t pattern[] = {0x00, 0x00, 0x01};
    const ByteSearcher searcher(pattern, 3);
    for (size_t hit = 0; hit + 3 <= data.size(); ++hit) {
        data.assign(300, 0);
        data[hit + 2] = 1;
        ASSERT_EQ(searcher.findForward(data.data(), data.size(), 0), hit);
        ASSERT_EQ(searcher.findBackward(data.data(), data.size(), data.size()), hit);
        ASSERT_EQ(searcher.findForward(data.data(), data.size(), hit + 1), ByteSearcher::npos);
    }
}

// Letters of either case: the same agreement with a scan that folds A-Z/a-z at flagged letters
// only; the alphabet holds the neighbours that differ from letters by 0x20 ('@' and '`', 0xC1
// and 0xE1) and all flag choices.
TEST(SearchEitherCase, SearcherAgreesWithAFoldingScanAcrossPieceEdges)
{
    const uint8_t alphabet[] = {'a', 'A', 'b', '@', '`', 0xC1, 0xE1};
    const auto same = [](uint8_t text, uint8_t wanted, bool flagged) {
        const bool letter = (wanted >= 'A' && wanted <= 'Z') || (wanted >= 'a' && wanted <= 'z');
        return text == wanted || (flagged && letter && (text | 0x20) == (wanted | 0x20));
    };
    std::mt19937 random(23);
    for (int round = 0; round < 600; ++round) {
        const size_t size = 1 + random() % 120;
        Bytes data(size);
        for (auto& byte : data)
            byte = alphabet[random() % std::size(alphabet)];
        const PieceTable table = ScatteredTable(data, random);
        SpanReader reader(1 + random() % 7);
        bool failed = true;
        Bytes pattern(1 + random() % 5), flags(pattern.size());
        for (auto& byte : pattern)
            byte = alphabet[random() % 4];  // letters and '@'
        for (auto& flag : flags)
            flag = random() % 3 != 0;
        const bool withFlags = round % 2 == 0;
        const ByteSearcher searcher(pattern.data(), pattern.size(), true, withFlags ? flags.data() : nullptr);
        const auto matchesAt = [&](size_t k) {
            for (size_t i = 0; i < pattern.size(); ++i)
                if (!same(data[k + i], pattern[i], !withFlags || flags[i]))
                    return false;
            return true;
        };
        const size_t from = random() % (data.size() + 2);
        size_t forward = ByteSearcher::npos, backward = ByteSearcher::npos;
        for (size_t k = from; k + pattern.size() <= data.size(); ++k)
            if (matchesAt(k)) {
                forward = k;
                break;
            }
        for (size_t k = std::min(from + 1, data.size() + 1); k-- > 0;)
            if (k + pattern.size() <= data.size() && matchesAt(k)) {
                backward = k;
                break;
            }
        ASSERT_EQ(searcher.findForward(table, from, reader, failed), forward) << "round " << round;
        ASSERT_EQ(searcher.findBackward(table, from, reader, failed), backward) << "round " << round;
        ASSERT_FALSE(failed);
    }
}

// Bytes known in part ("4?", "?4", "??"): the same agreement with a scan that compares only the
// masked bits, over data long enough for the 32-byte filter, through the model as well.
TEST(SearchMasked, SearcherAgreesWithAMaskingScanAcrossPieceEdges)
{
    const uint8_t alphabet[] = {0x41, 0x4F, 0x14, 0x00, 0xF4};
    const uint8_t maskChoices[] = {0xFF, 0xF0, 0x0F, 0x00};
    std::mt19937 random(31);
    for (int round = 0; round < 600; ++round) {
        Bytes data(1 + random() % 300);
        for (auto& byte : data)
            byte = alphabet[random() % std::size(alphabet)];
        const PieceTable table = ScatteredTable(data, random);
        SpanReader reader(1 + random() % 40);
        bool failed = true;
        Bytes pattern(1 + random() % 5), masks(pattern.size());
        for (size_t i = 0; i < pattern.size(); ++i) {
            pattern[i] = alphabet[random() % std::size(alphabet)];
            masks[i] = maskChoices[random() % std::size(maskChoices)];
        }
        const ByteSearcher searcher(pattern.data(), pattern.size(), ByteSearcher::Masked{}, masks.data());
        const auto matchesAt = [&](size_t k) {
            for (size_t i = 0; i < pattern.size(); ++i)
                if (((data[k + i] ^ pattern[i]) & masks[i]) != 0)
                    return false;
            return true;
        };
        const size_t from = random() % (data.size() + 2);
        size_t forward = ByteSearcher::npos, backward = ByteSearcher::npos;
        for (size_t k = from; k + pattern.size() <= data.size(); ++k)
            if (matchesAt(k)) {
                forward = k;
                break;
            }
        for (size_t k = std::min(from + 1, data.size() + 1); k-- > 0;)
            if (k + pattern.size() <= data.size() && matchesAt(k)) {
                backward = k;
                break;
            }
        ASSERT_EQ(searcher.findForward(table, from, reader, failed), forward) << "round " << round;
        ASSERT_EQ(searcher.findBackward(table, from, reader, failed), backward) << "round " << round;
        ASSERT_FALSE(failed);
        if (round % 50 == 0 && forward != ByteSearcher::npos) {
            TestControl t(data);
            ASSERT_EQ(t.model.findMasked(ControlModel::FindFrom::Nibble, int64_t(2 * from), pattern.data(),
                                         masks.data(), int(pattern.size())),
                      ControlModel::Found::Hit);
            EXPECT_EQ(t.model.caretPos(), int(2 * forward));
        }
    }
}

// Long data takes the 32-byte filter; hits at its block edges, the data's first and last
// bytes, and the three starts of the model.
TEST(SearchEitherCase, ModelFindsBothCasesFromEveryStart)
{
    Bytes data(200, 0xE9);  // 0xE9 | 0x20 == 0xE9: high bytes stay as they are
    const char text[] = "QuIlLeT";
    std::copy(text, text + 7, data.begin());
    std::copy(text, text + 7, data.begin() + 95);
    std::copy(text, text + 7, data.end() - 7);
    data[60] = 0xC9;  // 'i' | 0x80 must not be taken for a letter
    TestControl t(data);
    const uint8_t pattern[] = {'q', 'U', 'i', 'L', 'l', 'E', 't'};
    EXPECT_TRUE(t.model.findEitherCase(ControlModel::FindFrom::Nibble, 0, pattern, nullptr, 7));
    EXPECT_EQ(t.model.caretPos(), 0);
    EXPECT_EQ(t.p().selEnd, 14);
    EXPECT_TRUE(t.model.findEitherCase(ControlModel::FindFrom::After, 0, pattern, nullptr, 7));
    EXPECT_EQ(t.model.caretPos(), 2 * 95);
    EXPECT_TRUE(t.model.findEitherCase(ControlModel::FindFrom::After, 2 * 95, pattern, nullptr, 7));
    EXPECT_EQ(t.model.caretPos(), 2 * 193);
    EXPECT_FALSE(t.model.findEitherCase(ControlModel::FindFrom::After, 2 * 193, pattern, nullptr, 7));
    EXPECT_TRUE(t.model.findEitherCase(ControlModel::FindFrom::Before, 2 * 193, pattern, nullptr, 7));
    EXPECT_EQ(t.model.caretPos(), 2 * 95);
    // A letter whose flag is clear matches only itself; so does any byte from 0x80 up.
    const uint8_t flags[] = {1, 1, 1, 1, 1, 1, 0};
    EXPECT_FALSE(t.model.findEitherCase(ControlModel::FindFrom::Nibble, 0, pattern, flags, 7));
    const uint8_t high[] = {0xC9, 0xC9};
    EXPECT_FALSE(t.model.findEitherCase(ControlModel::FindFrom::Nibble, 0, high, nullptr, 2));
    EXPECT_FALSE(t.model.findEitherCase(ControlModel::FindFrom::Before, 1, pattern, nullptr, 7));
}

TEST(Bookmarks, SlotsRefuseBadIndexesAndValuesAndCountExactly)
{
    TestControl t(countingBytes(20));
    EXPECT_FALSE(t.model.setBookMark(10, 0));
    EXPECT_FALSE(t.model.setBookMark(-1, 0));
    EXPECT_FALSE(t.model.setBookMark(0, -2));
    EXPECT_FALSE(t.model.setBookMark(0, 40));
    EXPECT_EQ(t.model.bookMark(10), -1);
    EXPECT_EQ(t.model.bookMark(-1), -1);
    EXPECT_TRUE(t.model.setBookMark(3, 21));
    EXPECT_TRUE(t.model.setBookMark(3, 23));  // overwriting counts once
    EXPECT_EQ(t.p().bookmarkCount, 1);
    EXPECT_TRUE(t.model.setBookMark(4, -1));  // clearing a clear slot
    EXPECT_EQ(t.p().bookmarkCount, 1);
    EXPECT_TRUE(t.model.setBookMark(3, -1));
    EXPECT_EQ(t.p().bookmarkCount, 0);
    EXPECT_FALSE(t.model.goBookMark(3));
    EXPECT_EQ(t.view.beeps, 0);
}

TEST(Bookmarks, FollowTheirBytesUnderEdits)
{
    TestControl t(countingBytes(20));
    const uint8_t two[] = {1, 2};
    t.model.setBookMark(3, 21);
    t.model.insertData(20, two, 2);
    EXPECT_EQ(t.model.bookMark(3), 25);
    t.model.setCaretPos(26);  // byte 13, after the bookmark's byte 12
    t.model.deleteByte();
    EXPECT_EQ(t.model.bookMark(3), 25);
    t.model.setBookMark(2, 30);
    t.model.setCaretPos(24);
    t.model.deleteByte();
    EXPECT_EQ(t.model.bookMark(3), -1);
    EXPECT_EQ(t.p().bookmarkCount, 1);
    t.model.setCaretPos(0);
    t.model.insert();
    EXPECT_EQ(t.model.bookMark(2), 30);  // 28 after the delete, 30 after the insert
    t.model.typeDigit(5);                 // an overwrite moves nothing
    EXPECT_EQ(t.model.bookMark(2), 30);
    EXPECT_TRUE(t.model.goBookMark(2));
    EXPECT_EQ(t.model.caretPos(), 30);
    t.model.newData();
    EXPECT_EQ(t.p().bookmarkCount, 0);
    EXPECT_EQ(t.model.bookMark(2), -1);
}

TEST(Bookmarks, TheLastByteDeletedUnsetsItsBookmark)
{
    TestControl t({1, 2});
    t.model.setBookMark(0, 3);
    t.model.setCaretPos(3);
    t.model.deleteByte();
    EXPECT_EQ(t.model.bookMark(0), -1);
    EXPECT_EQ(t.p().bookmarkCount, 0);
}

} // namespace
