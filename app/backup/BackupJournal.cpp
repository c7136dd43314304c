// BackupJournal: composing headers and records, and reading a journal back into pieces.
#include "app/backup/BackupJournal.h"

#include "common/Crc32c.h"
#include "common/Utf16Bytes.h"

#include <algorithm>
#include <cstring>

namespace {

// The magic's last byte is the header's form: 1 names the base by size and time, 2 also by its
// identity and sample, 3 as 2 with the name in UTF-16LE rather than the ANSI code page.
constexpr uint8_t kHeaderMagic[7] = {'Q', 'X', 'J', 'R', 'N', 'L', 0x1A};
constexpr uint8_t kFormTimed = 1;
constexpr uint8_t kFormIdentified = 2;
constexpr uint8_t kFormWideName = 3;
constexpr uint32_t kRecordMagic = 0x43525851;  // "QXRC"
constexpr uint32_t kTailMagic = 0x45525851;    // "QXRE"
// Magic, size, flags, base size, time, name length (in bytes); the later forms have volume,
// index and sample before the name length.
constexpr size_t kHeaderFixedTimed = 36;
constexpr size_t kHeaderFixed = 52;
constexpr uint32_t kFlagIdentified = 1;
constexpr size_t kSamplePieces = 16;
constexpr size_t kSamplePiece = 4096;
constexpr size_t kRecordFixed = 16;             // magic, region count, result size
constexpr size_t kRegionSize = 24;
constexpr size_t kTailSize = 8;
// More regions than a record ever holds, or a longer name than a path has, is damage.
constexpr uint32_t kMostRegions = 1u << 20;
constexpr uint32_t kLongestName = 2 * 32768;
constexpr size_t kCheckPiece = 1u << 20;

void Put32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void Put64(std::vector<uint8_t>& out, uint64_t value)
{
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

uint32_t Get32(const uint8_t* in)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | in[i];
    return value;
}

uint64_t Get64(const uint8_t* in)
{
    return Get32(in) | uint64_t{Get32(in + 4)} << 32;
}

// The pieces of the document before a record, cut out by offset in order.
class PieceCursor {
public:
    explicit PieceCursor(const std::vector<JournalPiece>& pieces) : pieces_(pieces) {}

    // Appends the pieces' bytes [from, to) to `out`; `from` never goes back.
    void copy(uint64_t from, uint64_t to, std::vector<JournalPiece>& out)
    {
        while (from < to) {
            while (pieceEnd() <= from) {
                pieceStart_ += pieces_[index_].length;
                ++index_;
            }
            const JournalPiece& piece = pieces_[index_];
            const uint64_t within = from - pieceStart_;
            const uint64_t length = std::min(to, pieceEnd()) - from;
            Append(out, {piece.fromBase, piece.offset + within, length});
            from += length;
        }
    }

    static void Append(std::vector<JournalPiece>& out, const JournalPiece& piece)
    {
        if (piece.length == 0)
            return;
        if (!out.empty() && out.back().fromBase == piece.fromBase &&
            out.back().offset + out.back().length == piece.offset) {
            out.back().length += piece.length;
            return;
        }
        out.push_back(piece);
    }

private:
    [[nodiscard]] uint64_t pieceEnd() const { return pieceStart_ + pieces_[index_].length; }

    const std::vector<JournalPiece>& pieces_;
    size_t index_ = 0;
    uint64_t pieceStart_ = 0;
};

// A record's head and region table as read from the file, before its bytes are checked.
struct RecordHead {
    uint32_t regionCount = 0;
    uint64_t resultSize = 0;
    std::vector<uint8_t> table;  // regionCount entries of kRegionSize bytes
    uint64_t bytesAt = 0;        // where the regions' bytes begin
    uint64_t bytes = 0;          // their count: the inserted lengths added up
    uint32_t checksum = 0;       // over the head and the table so far

    [[nodiscard]] const uint8_t* entry(uint32_t i) const { return table.data() + size_t{i} * kRegionSize; }
};

// Reads the head at `at`; false when it is torn or no record's head, or its bytes and tail
// would pass the file's end.
bool ReadRecordHead(uint64_t fileSize, uint64_t at, const JournalReadAt& readAt, RecordHead& head)
{
    uint8_t fixed[kRecordFixed];
    if (fileSize - at < kRecordFixed || !readAt(at, fixed, sizeof fixed) || Get32(fixed) != kRecordMagic)
        return false;
    head.regionCount = Get32(fixed + 4);
    head.resultSize = Get64(fixed + 8);
    if (head.regionCount > kMostRegions || fileSize - at - kRecordFixed < uint64_t{head.regionCount} * kRegionSize)
        return false;
    head.table.resize(size_t{head.regionCount} * kRegionSize);
    if (!head.table.empty() && !readAt(at + kRecordFixed, head.table.data(), head.table.size()))
        return false;
    head.checksum = Crc32c(Crc32c(0, fixed, sizeof fixed), head.table.data(), head.table.size());
    head.bytesAt = at + kRecordFixed + head.table.size();
    head.bytes = 0;
    for (uint32_t i = 0; i < head.regionCount; ++i) {
        head.bytes += Get64(head.entry(i) + 16);
        if (head.bytes > fileSize - head.bytesAt)
            return false;
    }
    return fileSize - head.bytesAt - head.bytes >= kTailSize;
}

// True when the record's bytes and tail agree with its checksum.
bool RecordChecksOut(const RecordHead& head, const JournalReadAt& readAt)
{
    uint32_t checksum = head.checksum;
    std::vector<uint8_t> piece(static_cast<size_t>(std::min<uint64_t>(head.bytes, kCheckPiece)));
    for (uint64_t done = 0; done < head.bytes;) {
        const size_t count = static_cast<size_t>(std::min<uint64_t>(piece.size(), head.bytes - done));
        if (!readAt(head.bytesAt + done, piece.data(), count))
            return false;
        checksum = Crc32c(checksum, piece.data(), count);
        done += count;
    }
    uint8_t tail[kTailSize];
    return readAt(head.bytesAt + head.bytes, tail, sizeof tail) && Get32(tail) == kTailMagic &&
           Get32(tail + 4) == checksum;
}

// The record at `at` applied to `contents`; false, with `contents` unchanged, when it is torn,
// damaged or does not fit the document before it.
bool ApplyRecord(uint64_t fileSize, uint64_t at, const JournalReadAt& readAt, JournalContents& contents)
{
    RecordHead head;
    if (!ReadRecordHead(fileSize, at, readAt, head))
        return false;
    // The regions against the document before: in order, inside it, adding up to resultSize.
    std::vector<JournalPiece> pieces;
    PieceCursor before(contents.pieces);
    uint64_t bytesSoFar = 0, oldPosition = 0, newPosition = 0;
    for (uint32_t i = 0; i < head.regionCount; ++i) {
        const uint8_t* entry = head.entry(i);
        const uint64_t offset = Get64(entry), removed = Get64(entry + 8), inserted = Get64(entry + 16);
        if (offset < newPosition || removed > contents.size)
            return false;
        const uint64_t unchanged = offset - newPosition;
        if (unchanged > contents.size - oldPosition || removed > contents.size - oldPosition - unchanged)
            return false;
        before.copy(oldPosition, oldPosition + unchanged, pieces);
        PieceCursor::Append(pieces, {false, head.bytesAt + bytesSoFar, inserted});
        bytesSoFar += inserted;
        oldPosition += unchanged + removed;
        newPosition = offset + inserted;
    }
    if (head.resultSize < newPosition || head.resultSize - newPosition != contents.size - oldPosition)
        return false;
    before.copy(oldPosition, contents.size, pieces);
    if (!RecordChecksOut(head, readAt))
        return false;
    contents.pieces = std::move(pieces);
    contents.size = head.resultSize;
    contents.validEnd = head.bytesAt + head.bytes + kTailSize;
    return true;
}

// True when a whole record, intact by its own checksum, stands at `at`, whatever document it fits.
bool RecordIntact(uint64_t fileSize, uint64_t at, const JournalReadAt& readAt)
{
    RecordHead head;
    return ReadRecordHead(fileSize, at, readAt, head) && RecordChecksOut(head, readAt);
}

// True when a whole record stands somewhere after the damaged one at `from`: then the damage is
// not the torn end of an interrupted write, and whole records are lost.
bool WholeRecordAfter(uint64_t fileSize, uint64_t from, const JournalReadAt& readAt)
{
    uint8_t magic[4];
    for (int i = 0; i < 4; ++i)
        magic[i] = static_cast<uint8_t>(kRecordMagic >> (8 * i));
    std::vector<uint8_t> window(kCheckPiece + 3);
    for (uint64_t at = from + 1; at + kRecordFixed <= fileSize; at += kCheckPiece) {
        const size_t count = static_cast<size_t>(std::min<uint64_t>(window.size(), fileSize - at));
        if (!readAt(at, window.data(), count))
            return false;
        for (size_t i = 0; i + 4 <= count && i < kCheckPiece; ++i)
            if (std::memcmp(window.data() + i, magic, 4) == 0 && RecordIntact(fileSize, at + i, readAt))
                return true;
    }
    return false;
}

} // namespace

bool SameBase(const JournalBase& recorded, const JournalBase& now) noexcept
{
    if (recorded.file != now.file || recorded.size != now.size || recorded.writeTime != now.writeTime)
        return false;
    return !recorded.identified || (now.identified && recorded.volume == now.volume &&
                                    recorded.fileIndex == now.fileIndex && recorded.sample == now.sample);
}

bool BaseSample(uint64_t size, const FileReadAt& readAt, uint32_t& sample)
{
    std::vector<uint8_t> piece(kSamplePiece);
    uint32_t checksum = 0;
    const auto add = [&](uint64_t offset, size_t count) {
        if (count && !readAt(offset, piece.data(), count))
            return false;
        checksum = Crc32c(checksum, piece.data(), count);
        return true;
    };
    if (size <= kSamplePieces * kSamplePiece) {
        for (uint64_t at = 0; at < size; at += kSamplePiece)
            if (!add(at, static_cast<size_t>(std::min<uint64_t>(kSamplePiece, size - at))))
                return false;
    } else {
        // Evenly from the first piece to the last, which ends with the file's last byte.
        const uint64_t span = size - kSamplePiece;
        for (size_t i = 0; i < kSamplePieces; ++i)
            if (!add(span / (kSamplePieces - 1) * i + (i == kSamplePieces - 1 ? span % (kSamplePieces - 1) : 0),
                     kSamplePiece))
                return false;
    }
    sample = checksum;
    return true;
}

std::vector<uint8_t> ComposeJournalHeader(const JournalBase& base)
{
    const bool named = !base.file.empty();
    std::vector<uint8_t> name;
    AppendUtf16Le(name, base.file);
    std::vector<uint8_t> header(std::begin(kHeaderMagic), std::end(kHeaderMagic));
    header.push_back(kFormWideName);
    Put32(header, static_cast<uint32_t>(kHeaderFixed + name.size() + 4));
    Put32(header, named && base.identified ? kFlagIdentified : 0);
    Put64(header, named ? base.size : 0);
    Put64(header, named ? base.writeTime : 0);
    Put32(header, named ? base.volume : 0);
    Put64(header, named ? base.fileIndex : 0);
    Put32(header, named ? base.sample : 0);
    Put32(header, static_cast<uint32_t>(name.size()));
    header.insert(header.end(), name.begin(), name.end());
    Put32(header, Crc32c(0, header.data(), header.size()));
    return header;
}

std::vector<uint8_t> ComposeRecordHead(const std::vector<JournalRegion>& regions, uint64_t resultSize)
{
    std::vector<uint8_t> head;
    head.reserve(kRecordFixed + regions.size() * kRegionSize);
    Put32(head, kRecordMagic);
    Put32(head, static_cast<uint32_t>(regions.size()));
    Put64(head, resultSize);
    for (const JournalRegion& region : regions) {
        Put64(head, region.offset);
        Put64(head, region.removed);
        Put64(head, region.inserted);
    }
    return head;
}

std::vector<uint8_t> ComposeRecordTail(uint32_t checksum)
{
    std::vector<uint8_t> tail;
    Put32(tail, kTailMagic);
    Put32(tail, checksum);
    return tail;
}

uint64_t RecordSize(const std::vector<JournalRegion>& regions)
{
    uint64_t size = kRecordFixed + regions.size() * kRegionSize + kTailSize;
    for (const JournalRegion& region : regions)
        size += region.inserted;
    return size;
}

std::optional<JournalContents> ReadJournal(uint64_t fileSize, const JournalReadAt& readAt,
                                           const LegacyNameReader& legacyName)
{
    uint8_t fixed[kHeaderFixed];
    if (fileSize < sizeof kHeaderMagic + 1 || !readAt(0, fixed, sizeof kHeaderMagic + 1) ||
        std::memcmp(fixed, kHeaderMagic, sizeof kHeaderMagic) != 0)
        return std::nullopt;
    JournalContents contents;
    contents.state = JournalState::Unusable;
    const uint8_t form = fixed[sizeof kHeaderMagic];
    const size_t fixedSize = form == kFormTimed ? kHeaderFixedTimed : kHeaderFixed;
    if ((form != kFormTimed && form != kFormIdentified && form != kFormWideName) || fileSize < fixedSize + 4 ||
        !readAt(0, fixed, fixedSize))
        return contents;
    const uint32_t headerSize = Get32(fixed + 8);
    const uint32_t nameLength = Get32(fixed + fixedSize - 4);
    if (nameLength > kLongestName || headerSize != fixedSize + nameLength + 4 || headerSize > fileSize ||
        (form == kFormWideName && nameLength % 2 != 0))
        return contents;
    std::vector<uint8_t> rest(nameLength + 4);
    if (!readAt(fixedSize, rest.data(), rest.size()))
        return contents;
    const uint32_t checksum = Crc32c(Crc32c(0, fixed, fixedSize), rest.data(), nameLength);
    if (Get32(rest.data() + nameLength) != checksum)
        return contents;

    if (form == kFormWideName)
        contents.base.file = ReadUtf16Le(rest.data(), nameLength / 2);
    else if (nameLength != 0)
        contents.base.file = legacyName(std::string_view(reinterpret_cast<const char*>(rest.data()), nameLength));
    if (nameLength != 0 && contents.base.file.empty())
        return contents;  // a name that stands for none
    if (nameLength != 0) {
        contents.base.size = Get64(fixed + 16);
        contents.base.writeTime = Get64(fixed + 24);
        if (form != kFormTimed && (Get32(fixed + 12) & kFlagIdentified)) {
            contents.base.identified = true;
            contents.base.volume = Get32(fixed + 32);
            contents.base.fileIndex = Get64(fixed + 36);
            contents.base.sample = Get32(fixed + 44);
        }
        contents.size = contents.base.size;
        PieceCursor::Append(contents.pieces, {true, 0, contents.size});
    }
    contents.validEnd = headerSize;
    bool applied = false;
    while (contents.validEnd < fileSize && ApplyRecord(fileSize, contents.validEnd, readAt, contents))
        applied = true;
    if (contents.base.file.empty() && !applied)
        return contents;  // no record, so no document: not even an empty one
    contents.state = contents.validEnd < fileSize && WholeRecordAfter(fileSize, contents.validEnd, readAt)
                         ? JournalState::Partial
                         : JournalState::Whole;
    return contents;
}
