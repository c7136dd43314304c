// BackupJournal: a journal written by records reads back as the document it recorded; torn or
// damaged records are left out, and a file without a header is not a journal.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/backup/BackupJournal.h"
#include "common/Crc32c.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Record(const std::vector<JournalRegion>& regions, uint64_t resultSize, const std::string& bytes)
{
    Bytes record = ComposeRecordHead(regions, resultSize);
    record.insert(record.end(), bytes.begin(), bytes.end());
    const Bytes tail = ComposeRecordTail(Crc32c(0, record.data(), record.size()));
    record.insert(record.end(), tail.begin(), tail.end());
    return record;
}

// The document the journal holds, its pieces read from `base` and the journal itself; none when
// the file is no journal or an unusable one.
// Older headers' narrow names, byte for byte.
std::wstring Widened(std::string_view narrow) { return std::wstring(narrow.begin(), narrow.end()); }

std::optional<std::string> Read(const Bytes& journal, const std::string& base, uint64_t* validEnd = nullptr,
                                JournalState* state = nullptr)
{
    const std::optional<JournalContents> contents =
        ReadJournal(journal.size(), [&](uint64_t offset, void* out, size_t count) {
            if (offset > journal.size() || count > journal.size() - offset)
                return false;
            std::memcpy(out, journal.data() + offset, count);
            return true;
        }, Widened);
    if (state)
        *state = contents ? contents->state : JournalState::Unusable;
    if (!contents || contents->state == JournalState::Unusable)
        return std::nullopt;
    std::string document;
    for (const JournalPiece& piece : contents->pieces)
        document += piece.fromBase ? base.substr(piece.offset, piece.length)
                                   : std::string(journal.begin() + piece.offset, journal.begin() + piece.offset + piece.length);
    EXPECT_EQ(document.size(), contents->size);
    if (validEnd)
        *validEnd = contents->validEnd;
    return document;
}

void Append(Bytes& journal, const Bytes& more) { journal.insert(journal.end(), more.begin(), more.end()); }

TEST(BackupJournal, RecordsApplyInOrderToTheBaseFile)
{
    const std::string base = "0123456789";
    Bytes journal = ComposeJournalHeader({L"C:\\data\\a.bin", base.size(), 1234});
    EXPECT_EQ(Read(journal, base), base);
    // 0123456789 -> 0AB3456789X -> 0AB3ZZ
    Append(journal, Record({{1, 2, 2}, {10, 0, 1}}, 11, "ABX"));
    Append(journal, Record({{4, 7, 2}}, 6, "ZZ"));
    uint64_t end = 0;
    EXPECT_EQ(Read(journal, base, &end), "0AB3ZZ");
    EXPECT_EQ(end, journal.size());

    // A journal without a base starts from no bytes.
    Bytes whole = ComposeJournalHeader({});
    Append(whole, Record({{0, 0, 3}}, 3, "xyz"));
    Append(whole, Record({{0, 3, 0}}, 0, ""));
    Append(whole, Record({{0, 0, 1}}, 1, "q"));
    EXPECT_EQ(Read(whole, ""), "q");
}

TEST(BackupJournal, TornOrDamagedRecordsAndWhatFollowsAreLeftOutAndDamageIsTold)
{
    const std::string base = "abcdef";
    Bytes journal = ComposeJournalHeader({L"C:\\b.bin", base.size(), 7});
    Append(journal, Record({{0, 1, 1}}, 6, "X"));
    const uint64_t goodEnd = journal.size();
    const Bytes next = Record({{5, 1, 2}}, 7, "YZ");

    JournalState state{};
    for (size_t cut = 1; cut < next.size(); ++cut) {  // a kill at any byte of the next record
        Bytes torn = journal;
        torn.insert(torn.end(), next.begin(), next.begin() + cut);
        torn.resize(goodEnd + next.size(), 0);        // its length was set before its bytes came
        uint64_t end = 0;
        EXPECT_EQ(Read(torn, base, &end, &state), "Xbcdef") << cut;
        EXPECT_EQ(end, goodEnd);
        EXPECT_EQ(state, JournalState::Whole) << "an interrupted write is no damage";
    }
    // A damaged record with a whole one after it: the later changes are lost, and that is told.
    Bytes flipped = journal;
    Append(flipped, next);
    Append(flipped, Record({{0, 0, 1}}, 8, "W"));
    flipped[goodEnd + 40] ^= 1;  // the "Y": the record's checksum fails
    EXPECT_EQ(Read(flipped, base, nullptr, &state), "Xbcdef");
    EXPECT_EQ(state, JournalState::Partial);

    // A record that does not fit the document before it is damage too.
    Bytes misfit = journal;
    Append(misfit, Record({{3, 9, 0}}, 3, ""));
    EXPECT_EQ(Read(misfit, base), "Xbcdef");

    // A journal without a base whose first record is damaged holds no document at all, not an
    // empty one; neither does one with a damaged header.
    Bytes whole = ComposeJournalHeader({});
    Append(whole, Record({{0, 0, 3}}, 3, "xyz"));
    whole[whole.size() - 10] ^= 1;
    EXPECT_FALSE(Read(whole, "", nullptr, &state));
    EXPECT_EQ(state, JournalState::Unusable);
    Bytes header = ComposeJournalHeader({L"C:\\b.bin", 6, 7});
    header[20] ^= 1;
    EXPECT_FALSE(Read(header, base, nullptr, &state));
    EXPECT_EQ(state, JournalState::Unusable);

    // Without the journal's magic the file is a document's bytes, not a journal.
    for (const Bytes& plain : {Bytes(100, 0), Bytes{'Q', 'X'}}) {
        EXPECT_FALSE(ReadJournal(plain.size(), [&](uint64_t offset, void* out, size_t count) {
            if (offset + count > plain.size())
                return false;
            std::memcpy(out, plain.data() + offset, count);
            return true;
        }, Widened));
    }
}

TEST(BackupJournal, TheBaseIsKnownByIdentityAndSampleAndOlderHeadersStillRead)
{
    JournalBase base{L"C:\\a.bin", 10, 1234, true, 7, 99, 0xABCD};
    Bytes journal = ComposeJournalHeader(base);
    std::optional<JournalContents> contents = ReadJournal(journal.size(), [&](uint64_t offset, void* out, size_t count) {
        std::memcpy(out, journal.data() + offset, count);
        return offset + count <= journal.size();
    }, Widened);
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->base, base);

    JournalBase same = base, moved = base, changed = base;
    moved.fileIndex = 100;
    changed.sample = 1;
    EXPECT_TRUE(SameBase(base, same));
    EXPECT_FALSE(SameBase(base, moved)) << "another file put in its place";
    EXPECT_FALSE(SameBase(base, changed)) << "bytes changed with size and time kept";

    // The header an older editor wrote names the base by size and time alone.
    Bytes older = {'Q', 'X', 'J', 'R', 'N', 'L', 0x1A, 0x01};
    const auto put = [&](uint64_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            older.push_back(static_cast<uint8_t>(value >> (8 * i)));
    };
    const std::string narrow = "C:\\a.bin";
    put(36 + narrow.size() + 4, 4), put(0, 4), put(10, 8), put(1234, 8), put(narrow.size(), 4);
    older.insert(older.end(), narrow.begin(), narrow.end());
    put(Crc32c(0, older.data(), older.size()), 4);
    contents = ReadJournal(older.size(), [&](uint64_t offset, void* out, size_t count) {
        std::memcpy(out, older.data() + offset, count);
        return offset + count <= older.size();
    }, Widened);
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->state, JournalState::Whole);
    EXPECT_FALSE(contents->base.identified);
    EXPECT_TRUE(SameBase(contents->base, base));
}

TEST(BackupJournal, BaseNamesInAnyScriptAndOfAnyLengthComeBack)
{
    const auto read = [](const Bytes& journal) {
        return ReadJournal(journal.size(), [&](uint64_t offset, void* out, size_t count) {
            if (offset > journal.size() || count > journal.size() - offset)
                return false;
            std::memcpy(out, journal.data() + offset, count);
            return true;
        }, [](std::string_view) { return std::wstring(); });
    };
    for (const std::wstring& name : {std::wstring(L"C:\\Café\\한국어\\ύψος\\\U0001F600.bin"), std::wstring(L"\\\\server\\share\\a.bin"),
                                    L"C:\\" + std::wstring(400, L'\u00E9')}) {
        const std::optional<JournalContents> contents = read(ComposeJournalHeader({name, 3, 4}));
        ASSERT_TRUE(contents);
        EXPECT_EQ(contents->base.file, name);
        EXPECT_EQ(contents->size, 3u);
    }
    // An older header whose narrow name stands for no name is unusable, not a journal without a
    // base.
    Bytes older = ComposeJournalHeader({L"C:\\b.bin", 6, 7});
    older[7] = 2;
    older.resize(older.size() - 4);
    const uint32_t checksum = Crc32c(0, older.data(), older.size());
    for (int i = 0; i < 4; ++i)
        older.push_back(static_cast<uint8_t>(checksum >> (8 * i)));
    const std::optional<JournalContents> unnamed = read(older);
    ASSERT_TRUE(unnamed);
    EXPECT_EQ(unnamed->state, JournalState::Unusable);
}

TEST(BackupJournal, TheSampleCoversTheFileFromItsFirstByteToItsLast)
{
    for (const size_t size : {size_t{0}, size_t{5000}, size_t{1} << 20}) {
        std::string file(size, 'a');
        const auto sample = [&] {
            uint32_t value = 0;
            EXPECT_TRUE(BaseSample(file.size(), [&](uint64_t offset, void* out, size_t count) {
                if (offset + count > file.size())
                    return false;
                std::memcpy(out, file.data() + offset, count);
                return true;
            }, value));
            return value;
        };
        const uint32_t before = sample();
        if (size == 0)
            continue;
        for (const size_t at : {size_t{0}, size - 1}) {
            file[at] = 'b';
            EXPECT_NE(sample(), before) << size << " " << at;
            file[at] = 'a';
        }
    }
}

TEST(Crc32c, KnownValues)
{
    EXPECT_EQ(Crc32c(0, "123456789", 9), 0xE3069283u);
    const std::string text(1000, 'q');
    EXPECT_EQ(Crc32c(Crc32c(0, text.data(), 333), text.data() + 333, 667), Crc32c(0, text.data(), 1000));
}

} // namespace
