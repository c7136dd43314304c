// BackupJournal: a journal written by records reads back as the document it recorded; torn or
// damaged records are left out, and a file without a header is not a journal.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/BackupJournal.h"
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

// The document the journal holds, its pieces read from `base` and the journal itself.
std::optional<std::string> Read(const Bytes& journal, const std::string& base, uint64_t* validEnd = nullptr)
{
    const std::optional<JournalContents> contents =
        ReadJournal(journal.size(), [&](uint64_t offset, void* out, size_t count) {
            if (offset > journal.size() || count > journal.size() - offset)
                return false;
            std::memcpy(out, journal.data() + offset, count);
            return true;
        });
    if (!contents)
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
    Bytes journal = ComposeJournalHeader({"C:\\data\\a.bin", base.size(), 1234});
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

TEST(BackupJournal, TornOrDamagedRecordsAndWhatFollowsAreLeftOut)
{
    const std::string base = "abcdef";
    Bytes journal = ComposeJournalHeader({"C:\\b.bin", base.size(), 7});
    Append(journal, Record({{0, 1, 1}}, 6, "X"));
    const uint64_t goodEnd = journal.size();
    const Bytes next = Record({{5, 1, 2}}, 7, "YZ");

    for (size_t cut = 1; cut < next.size(); ++cut) {  // a kill at any byte of the next record
        Bytes torn = journal;
        torn.insert(torn.end(), next.begin(), next.begin() + cut);
        uint64_t end = 0;
        EXPECT_EQ(Read(torn, base, &end), "Xbcdef") << cut;
        EXPECT_EQ(end, goodEnd);
    }
    Bytes flipped = journal;
    Append(flipped, next);
    Append(flipped, Record({{0, 0, 1}}, 8, "W"));
    flipped[goodEnd + 40] ^= 1;  // the "Y": the record's checksum fails
    EXPECT_EQ(Read(flipped, base), "Xbcdef");

    // A record that does not fit the document before it is damage too.
    Bytes misfit = journal;
    Append(misfit, Record({{3, 9, 0}}, 3, ""));
    EXPECT_EQ(Read(misfit, base), "Xbcdef");

    // Without a valid header the file is a document's bytes, not a journal.
    Bytes header = ComposeJournalHeader({"C:\\b.bin", 6, 7});
    header[20] ^= 1;
    EXPECT_FALSE(Read(header, base));
    EXPECT_FALSE(Read(Bytes(100, 0), base));
    EXPECT_FALSE(Read(Bytes{'Q', 'X'}, base));
}

TEST(Crc32c, KnownValues)
{
    EXPECT_EQ(Crc32c(0, "123456789", 9), 0xE3069283u);
    const std::string text(1000, 'q');
    EXPECT_EQ(Crc32c(Crc32c(0, text.data(), 333), text.data() + 333, 667), Crc32c(0, text.data(), 1000));
}

} // namespace
