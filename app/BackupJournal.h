// BackupJournal: the form of a backup file that grows with the edits rather than with the
// document: a header naming the base (a file whose bytes the document started from, or none),
// then records, each the regions changed since the previous one with their new bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The bytes a journal's records apply to: the file as it was when its size and last-write time
// were these, or no bytes at all when `file` is empty.
struct JournalBase {
    std::string file;
    uint64_t size = 0;
    uint64_t writeTime = 0;  // the file system's last-write time, in its own ticks

    bool operator==(const JournalBase&) const = default;
};

// At `offset` of the document as the record leaves it, `inserted` new bytes stand where the
// document before had `removed` bytes; ordered, apart from one another.
struct JournalRegion {
    uint64_t offset;
    uint64_t removed;
    uint64_t inserted;
};

// A backup file that does not begin with a valid header is a document's bytes as they are.
[[nodiscard]] std::vector<uint8_t> ComposeJournalHeader(const JournalBase& base);

// A record is its head, the regions' new bytes in order, then its tail, whose checksum covers
// the head and the bytes (Crc32c, fed in the same order).
[[nodiscard]] std::vector<uint8_t> ComposeRecordHead(const std::vector<JournalRegion>& regions, uint64_t resultSize);
[[nodiscard]] std::vector<uint8_t> ComposeRecordTail(uint32_t checksum);
// The whole size of a record over these regions.
[[nodiscard]] uint64_t RecordSize(const std::vector<JournalRegion>& regions);

// Part of a document: `length` bytes at `offset` of the base or of the journal file itself.
struct JournalPiece {
    bool fromBase;
    uint64_t offset;
    uint64_t length;
};

struct JournalContents {
    JournalBase base;
    std::vector<JournalPiece> pieces;  // the document, in order
    uint64_t size = 0;                 // the document's size: the pieces' lengths added up
    uint64_t validEnd = 0;             // the end of the last whole record; what follows is torn
};

// Reads `count` bytes at `offset` of the journal file; false when it cannot.
using JournalReadAt = std::function<bool(uint64_t offset, void* out, size_t count)>;

// The document a journal of `fileSize` bytes holds: every whole record applied to the base in
// order; a torn or damaged record and everything after it are left out. None when the file
// has no valid header.
[[nodiscard]] std::optional<JournalContents> ReadJournal(uint64_t fileSize, const JournalReadAt& readAt);
