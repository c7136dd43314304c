// The model over documents far larger than memory, on a 16 GiB synthetic base: the int answers
// of the 56 exports past what an int holds, edits anywhere that cost pieces and not bytes, saving
// with the history going on, and bytes that cannot be read.
#include <gtest/gtest.h>

#include <atomic>
#include <array>
#include <climits>
#include <functional>
#include <random>
#include <thread>

#include "core/KeyMap.h"
#include "tests/unit/core/RecordingView.h"
#include "tests/unit/core/TestSources.h"

namespace {

constexpr uint64_t kGiB = uint64_t(1) << 30;

struct LargeDocument : ::testing::Test {
    void SetUp() override
    {
        view.model = &model;
        model.resize(8);
        ASSERT_TRUE(model.openSource(base));
        view.clear();
    }
    std::shared_ptr<SyntheticSource> base = std::make_shared<SyntheticSource>(16 * kGiB);
    RecordingView view;
    ControlModel model{view};
};

// Each int answer next to the 64-bit value it stands for: the value itself while it fits an
// int, the export's guard result once it does not.
TEST_F(LargeDocument, IntAnswersAreTheValueOrTheGuardNeverACutNumber)
{
    EXPECT_EQ(model.dataSize(), -1);
    EXPECT_EQ(model.dataSize64(), 16 * kGiB);
    const struct {
        const char* what;
        int64_t value;
        std::function<void(ControlModel&, int64_t)> set;
        std::function<int(const ControlModel&)> asInt;
        int guard;
    } cases[] = {
        {"caret", 0, [](ControlModel& m, int64_t v) { m.setCaretPos(v); }, [](const ControlModel& m) { return m.caretPos(); }, -1},
        {"view top", 0, [](ControlModel& m, int64_t v) { m.setViewTop(v); }, [](const ControlModel& m) { return m.viewTop(); }, -1},
        {"selection", 0, [](ControlModel& m, int64_t v) { m.setSelection(v, 1); }, [](const ControlModel& m) { return m.selectionStart(); }, -1},
        {"selection size", 0, [](ControlModel& m, int64_t v) { m.setSelection(0, v); }, [](const ControlModel& m) { return m.selectionSize(); }, 0},
        {"bookmark", 0, [](ControlModel& m, int64_t v) { m.setBookMark(7, v); }, [](const ControlModel& m) { return m.bookMark(7); }, -1},
    };
    for (const auto& c : cases) {
        for (const int64_t value : {int64_t(0x7FFFFFC0), int64_t(0x80000000), int64_t(10 * kGiB)}) {
            c.set(model, value);
            const bool fits = value <= INT_MAX;
            EXPECT_EQ(c.asInt(model), fits ? static_cast<int>(value) : c.guard) << c.what << " at " << value;
        }
    }
    EXPECT_EQ(model.selectionSize64(), 10 * kGiB);
    EXPECT_EQ(model.bookMark64(7), int64_t(10 * kGiB));
}

TEST_F(LargeDocument, EditsAnywhereCostPiecesAndUndoBringsBackAllOfIt)
{
    ASSERT_TRUE(model.dataEnd());
    EXPECT_EQ(model.caretPos64(), int64_t(32 * kGiB) - 1);
    EXPECT_TRUE(view.barMatches());
    RunKeyCommand(MapKey('3', true, true), model, view);  // Ctrl+Shift+3: bookmark 3 at the caret
    EXPECT_EQ(model.bookMark64(3), int64_t(32 * kGiB) - 1);
    ASSERT_TRUE(model.setCaretPos(int64_t(24 * kGiB)));  // byte 12 GiB
    const uint8_t before = SyntheticByte(12 * kGiB);
    ASSERT_TRUE(model.typeDigit(0xC));
    uint8_t typed = 0;
    ASSERT_TRUE(model.copyBytes(12 * kGiB, 1, &typed));
    EXPECT_EQ(typed, (before & 0x0F) | 0xC0);
    EXPECT_EQ(view.staleRow(), -1);

    // Everything selected and deleted leaves one zero byte; undo brings the 16 GiB back whole.
    ASSERT_TRUE(model.setSelection(0, int64_t(16 * kGiB)));
    ASSERT_TRUE(model.deleteSelection());
    EXPECT_EQ(model.dataSize64(), 1u);
    ASSERT_TRUE(model.undo());
    EXPECT_EQ(model.dataSize64(), 16 * kGiB);
    EXPECT_LE(model.snapshot().pieceCount(), 3u);
    ASSERT_TRUE(model.copyBytes(12 * kGiB, 1, &typed));
    EXPECT_EQ(typed, (before & 0x0F) | 0xC0);
    ASSERT_TRUE(model.undo());
    ASSERT_TRUE(model.copyBytes(12 * kGiB, 1, &typed));
    EXPECT_EQ(typed, before);
    EXPECT_EQ(model.snapshot().pieceCount(), 1u);
    EXPECT_EQ(model.positions().brokenInvariant(), nullptr);
}

TEST_F(LargeDocument, SavingRebasesAndUndoReadsTheOldBase)
{
    ASSERT_TRUE(model.setCaretPos(int64_t(10 * kGiB)));
    ASSERT_TRUE(model.insert());
    EXPECT_FALSE(model.rebase(std::make_shared<SyntheticSource>(16 * kGiB))) << "the saved size must match";
    ASSERT_TRUE(model.rebase(std::make_shared<SnapshotSource>(model.snapshot())));
    EXPECT_TRUE(model.baseChanges().empty());
    EXPECT_TRUE(model.canUndo()) << "the history stays";
    const std::weak_ptr<const ByteSource> oldBase = base;
    base.reset();
    EXPECT_FALSE(oldBase.expired()) << "the history's pieces keep the old base";
    ASSERT_TRUE(model.undo());
    EXPECT_EQ(model.dataSize64(), 16 * kGiB);
    const std::vector<ChangedRegion> regions = model.baseChanges();
    ASSERT_EQ(regions.size(), 1u);
    EXPECT_EQ(regions[0].offset, 5 * kGiB);
    EXPECT_EQ(regions[0].removed, 1u);
    EXPECT_EQ(regions[0].inserted, 0u);
    model.clearHistory();
    model.newData();
    EXPECT_TRUE(oldBase.expired()) << "nothing holds the old base any more";
}

TEST_F(LargeDocument, UnreadableBytesAreRefusedAndReportedNotShownAsData)
{
    base->failBetween(8 * kGiB, 8 * kGiB + 16);
    ASSERT_TRUE(model.setCaretPos(int64_t(16 * kGiB)));
    const PositionModel& p = model.positions();
    const size_t row = static_cast<size_t>(p.caret / 32 - p.topLine);
    EXPECT_NE(view.rows[row].find("unreadable"), std::string::npos) << view.rows[row];
    EXPECT_EQ(view.rows[row - 1].find("unreadable"), std::string::npos) << "only the line that cannot be read";
    view.clear();
    EXPECT_FALSE(model.typeDigit(3));
    EXPECT_EQ(view.beeps, 1);
    EXPECT_FALSE(model.canUndo());
    uint8_t bytes[4];
    EXPECT_FALSE(model.getData(bytes, int64_t(16 * kGiB) - 2, 4));
    const uint8_t absent[] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07};
    EXPECT_EQ(model.find(ControlModel::FindFrom::Nibble, int64_t(16 * kGiB) - 64, absent, 8, false, nullptr),
              ControlModel::Found::ReadFailed);
    EXPECT_FALSE(model.writeData(8 * kGiB - 100, 200, [](const uint8_t*, size_t) { return true; }));
    EXPECT_EQ(model.caretPos64(), int64_t(16 * kGiB)) << "a failed search moves nothing";
}

// Snapshots are read on other threads while the model goes on editing, undoing and rebasing:
// they keep reading the bytes they were taken with.
TEST_F(LargeDocument, SnapshotsReadOnOtherThreadsWhileTheModelEdits)
{
    std::mt19937_64 random(9);
    for (int i = 0; i < 300; ++i) {
        model.setCaretPos(static_cast<int64_t>(random() % (32 * kGiB)));
        model.typeDigit(5);
    }
    const PieceTable snapshot = model.snapshot();
    // What the snapshot holds at a few hundred places, read before anything goes on.
    std::vector<std::pair<uint64_t, std::array<uint8_t, 64>>> samples(300);
    for (auto& [at, bytes] : samples) {
        at = random() % (snapshot.size() - 64);
        ASSERT_TRUE(snapshot.read(at, bytes.data(), 64));
    }
    std::atomic<bool> editing{true};
    std::atomic<int> differences{0};
    const auto readSnapshot = [&](size_t first) {
        std::array<uint8_t, 64> read{};
        for (size_t i = first; editing; i = (i + 7) % samples.size())
            if (!snapshot.read(samples[i].first, read.data(), 64) || read != samples[i].second)
                ++differences;
    };
    std::thread first(readSnapshot, 1), second(readSnapshot, 2);
    for (int i = 0; i < 2000; ++i) {
        model.setCaretPos(static_cast<int64_t>(random() % (2 * model.dataSize64())));
        if (i % 3 == 0)
            model.deleteByte();
        else
            model.typeDigit(i % 16);
        if (i % 7 == 0)
            model.undo();
        if (i % 500 == 0)
            model.rebase(std::make_shared<SnapshotSource>(model.snapshot()));
    }
    editing = false;
    first.join();
    second.join();
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(snapshot.size(), 16 * kGiB);
}

// 64 GiB is 2^32 lines: the bar holds its share of them, and dragging the thumb goes there.
TEST(LargeDocumentBar, PastTheOldRangeTheBarIsProportionalAndTheThumbTakesTheViewAlong)
{
    RecordingView view;
    ControlModel model(view);
    view.model = &model;
    model.resize(8);
    ASSERT_TRUE(model.openSource(std::make_shared<SyntheticSource>(64 * kGiB)));
    EXPECT_TRUE(view.barMatches());
    EXPECT_EQ(view.bar.max, ScrollMapping::proportionalRange);
    const int end = view.bar.max - view.bar.page + 1;
    const PositionModel& p = model.positions();
    ASSERT_TRUE(model.scrollView(ControlModel::ScrollThumbTrack, end / 2));
    EXPECT_EQ(view.bar.pos, end / 2);
    EXPECT_NEAR(double(p.topLine) / double(p.lineCount), 0.5, 1e-6);
    EXPECT_EQ(p.caret / 32, p.topLine) << "the caret came along in its column";
    ASSERT_TRUE(model.dataEnd());
    EXPECT_EQ(view.bar.pos, end);
    EXPECT_TRUE(model.scrollView(ControlModel::ScrollThumbTrack, 0));
    EXPECT_EQ(p.topLine, 0);
    EXPECT_TRUE(view.barMatches());
    EXPECT_EQ(view.staleRow(), -1);
}

} // namespace

TEST_F(LargeDocument, ShiftAndDragSelectPastWhatAnIntHolds)
{
    model.setSelectMode(true);
    ASSERT_TRUE(model.setCaretPos(int64_t(2 * kGiB)));
    RunKeyCommand(MapKey(35, false, true, true), model, view);  // Shift+End
    EXPECT_EQ(model.selectionStart64(), int64_t(2 * kGiB));
    EXPECT_EQ(model.selectionSize64(), 15 * kGiB);
    model.mousePress(model.positions().topNibble + 3, false);
    model.mouseDrag(model.positions().topNibble + 40);
    EXPECT_EQ(model.selectionStart64(), int64_t(32 * kGiB) - model.positions().pageNibbles + 2);
    EXPECT_EQ(model.selectionSize64(), 20);
}
