// HexRecords: bytes as Intel HEX or Motorola S-records, the text forms in which programmers of
// flash memories take firmware, and such a file read back into bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum class RecordFormat : uint8_t { IntelHex, SRecord };

// Both forms address 32 bits at most.
inline constexpr uint64_t kRecordAddressLimit = uint64_t{1} << 32;
// The most bytes a file read back may span, gaps included.
inline constexpr uint64_t kRecordImageLimit = uint64_t{1} << 30;

// Reads `count` bytes of the data at `offset` from its first byte; false when it cannot.
using RecordSource = std::function<bool(uint64_t offset, uint8_t* out, size_t count)>;
// Takes the next part of the text; false when it cannot be written.
using RecordSink = std::function<bool(std::string_view text)>;

enum class RecordWrite : uint8_t { Written, TooFar, ReadFailed, WriteFailed };

// The records for `size` bytes standing at `address`, 16 bytes a data record, each line ended
// by CR LF. Intel HEX: extended linear address records (type 04) where the upper 16 bits
// change, data records (00) that never cross 64 KiB, and the end record (01). S-records: a
// header (S0), data records of the shortest address that reaches the end (S1, S2 or S3), the
// record count (S5, or S6 past 65535) and the matching end (S9, S8 or S7). TooFar when the
// bytes reach past kRecordAddressLimit; nothing is written then.
RecordWrite WriteRecords(RecordFormat format, uint64_t address, uint64_t size, const RecordSource& read,
                         const RecordSink& write);

// What reading a file of records found.
enum class RecordProblem : uint8_t {
    None,
    NotRecords,  // a line that is no record of either form, or of the other form than the first
    BadChecksum,
    BadLength,   // a record's byte count does not fit its type or its line
    TooLarge,    // the data spans more than kRecordImageLimit
    NoData,
};

struct RecordImage {
    RecordProblem problem = RecordProblem::None;
    size_t line = 0;         // the line (from 1) of the problem
    uint64_t start = 0;      // the lowest address that holds data
    std::vector<uint8_t> bytes;  // from `start` to the highest, gaps as 0xFF (erased flash)
};

// Reads a file of either form (told by its first record); blank lines are skipped, and what
// follows an end record is not read. Later records win where addresses repeat.
[[nodiscard]] RecordImage ReadRecords(std::string_view text);
