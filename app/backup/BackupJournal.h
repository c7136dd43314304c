// BackupJournal: the form of a backup file that grows with the edits rather than with the
// document: a header naming the base (a file whose bytes the document started from, or none),
// then records, each the regions changed since the previous one with their new bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The bytes a journal's records apply to: the file as it was when these were its size, last-write
// time, identity and sample, or no bytes at all when `file` is empty.
struct JournalBase {
    std::wstring file;
    uint64_t size = 0;
    uint64_t writeTime = 0;  // the file system's last-write time, in its own ticks
    // The file itself, whatever its name (volume and index), and a checksum of pieces spread over
    // its bytes (BaseSample): a file put in its place, or changed with its size and time kept,
    // differs in one or the other. Journals of older editors name neither.
    bool identified = false;
    uint32_t volume = 0;
    uint64_t fileIndex = 0;
    uint32_t sample = 0;

    bool operator==(const JournalBase&) const = default;
};

// True when `now`, read from the file system, is still the base `recorded` names. A recorded base
// without identity (from an older journal) is compared by size and time alone.
[[nodiscard]] bool SameBase(const JournalBase& recorded, const JournalBase& now) noexcept;

// Reads `count` bytes at `offset` of a file; false when it cannot.
using FileReadAt = std::function<bool(uint64_t offset, void* out, size_t count)>;

// The checksum of a file of `size` bytes over up to 16 pieces of 4 KiB spread evenly from its
// first byte to its last (the whole file when it is smaller); false when a piece cannot be read.
[[nodiscard]] bool BaseSample(uint64_t size, const FileReadAt& readAt, uint32_t& sample);

// At `offset` of the document as the record leaves it, `inserted` new bytes stand where the
// document before had `removed` bytes; ordered, apart from one another.
struct JournalRegion {
    uint64_t offset;
    uint64_t removed;
    uint64_t inserted;
};

// A backup file that does not begin with a valid header is a document's bytes as they are.
// The header names the base in UTF-16; older editors' headers name it in the ANSI code page.
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

// How much of the document a journal gives back.
enum class JournalState : uint8_t {
    Whole,     // every record, or all but a last one torn by an end in the middle of its writing
    Partial,   // a damaged record with whole ones after it: the document as it was before it
    Unusable,  // a damaged header, or no whole record in a journal without a base
};

struct JournalContents {
    JournalBase base;
    std::vector<JournalPiece> pieces;  // the document, in order
    uint64_t size = 0;                 // the document's size: the pieces' lengths added up
    uint64_t validEnd = 0;             // the end of the last whole record; what follows is torn
    JournalState state = JournalState::Whole;
};

using JournalReadAt = FileReadAt;

// The name a base's narrow name in an older editor's header stands for.
using LegacyNameReader = std::function<std::wstring(std::string_view)>;

// The document a journal of `fileSize` bytes holds: every whole record applied to the base in
// order; a torn or damaged record and everything after it are left out, and `state` tells
// whether that lost any whole record. None when the file does not begin as a journal does: it
// is then a document's bytes as they are.
[[nodiscard]] std::optional<JournalContents> ReadJournal(uint64_t fileSize, const JournalReadAt& readAt,
                                                        const LegacyNameReader& legacyName);
