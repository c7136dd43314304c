// BackupJournal: composing headers and records, and reading a journal back into pieces.
#include "app/BackupJournal.h"

#include "common/Crc32c.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint8_t kHeaderMagic[8] = {'Q', 'X', 'J', 'R', 'N', 'L', 0x1A, 0x01};
constexpr uint32_t kRecordMagic = 0x43525851;  // "QXRC"
constexpr uint32_t kTailMagic = 0x45525851;    // "QXRE"
constexpr size_t kHeaderFixed = 36;             // magic, size, flags, base size, time, name length
constexpr size_t kRecordFixed = 16;             // magic, region count, result size
constexpr size_t kRegionSize = 24;
constexpr size_t kTailSize = 8;
// More regions than a record ever holds, or a longer name than a path has, is damage.
constexpr uint32_t kMostRegions = 1u << 20;
constexpr uint32_t kLongestName = 4096;
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

// The record at `at` applied to `contents`; false, with `contents` unchanged, when it is torn,
// damaged or does not fit the document before it.
bool ApplyRecord(uint64_t fileSize, uint64_t at, const JournalReadAt& readAt, JournalContents& contents)
{
    uint8_t fixed[kRecordFixed];
    if (fileSize - at < kRecordFixed || !readAt(at, fixed, sizeof fixed) || Get32(fixed) != kRecordMagic)
        return false;
    const uint32_t regionCount = Get32(fixed + 4);
    const uint64_t resultSize = Get64(fixed + 8);
    if (regionCount > kMostRegions || fileSize - at - kRecordFixed < uint64_t{regionCount} * kRegionSize)
        return false;
    std::vector<uint8_t> table(size_t{regionCount} * kRegionSize);
    if (!table.empty() && !readAt(at + kRecordFixed, table.data(), table.size()))
        return false;
    uint32_t checksum = Crc32c(Crc32c(0, fixed, sizeof fixed), table.data(), table.size());

    // The regions against the document before: in order, inside it, adding up to resultSize.
    std::vector<JournalPiece> pieces;
    PieceCursor before(contents.pieces);
    const uint64_t bytesAt = at + kRecordFixed + table.size();
    uint64_t bytesSoFar = 0, oldPosition = 0, newPosition = 0;
    for (uint32_t i = 0; i < regionCount; ++i) {
        const uint8_t* entry = table.data() + size_t{i} * kRegionSize;
        const uint64_t offset = Get64(entry), removed = Get64(entry + 8), inserted = Get64(entry + 16);
        if (offset < newPosition || removed > contents.size || inserted > fileSize)
            return false;
        const uint64_t unchanged = offset - newPosition;
        if (unchanged > contents.size - oldPosition || removed > contents.size - oldPosition - unchanged)
            return false;
        before.copy(oldPosition, oldPosition + unchanged, pieces);
        PieceCursor::Append(pieces, {false, bytesAt + bytesSoFar, inserted});
        bytesSoFar += inserted;
        oldPosition += unchanged + removed;
        newPosition = offset + inserted;
        if (bytesSoFar > fileSize)
            return false;
    }
    if (resultSize < newPosition || resultSize - newPosition != contents.size - oldPosition)
        return false;
    if (fileSize - bytesAt < bytesSoFar || fileSize - bytesAt - bytesSoFar < kTailSize)
        return false;
    before.copy(oldPosition, contents.size, pieces);

    std::vector<uint8_t> piece(static_cast<size_t>(std::min<uint64_t>(bytesSoFar, kCheckPiece)));
    for (uint64_t done = 0; done < bytesSoFar;) {
        const size_t count = static_cast<size_t>(std::min<uint64_t>(piece.size(), bytesSoFar - done));
        if (!readAt(bytesAt + done, piece.data(), count))
            return false;
        checksum = Crc32c(checksum, piece.data(), count);
        done += count;
    }
    uint8_t tail[kTailSize];
    if (!readAt(bytesAt + bytesSoFar, tail, sizeof tail) || Get32(tail) != kTailMagic || Get32(tail + 4) != checksum)
        return false;
    contents.pieces = std::move(pieces);
    contents.size = resultSize;
    contents.validEnd = bytesAt + bytesSoFar + kTailSize;
    return true;
}

} // namespace

std::vector<uint8_t> ComposeJournalHeader(const JournalBase& base)
{
    std::vector<uint8_t> header(std::begin(kHeaderMagic), std::end(kHeaderMagic));
    Put32(header, static_cast<uint32_t>(kHeaderFixed + base.file.size() + 4));
    Put32(header, 0);
    Put64(header, base.file.empty() ? 0 : base.size);
    Put64(header, base.file.empty() ? 0 : base.writeTime);
    Put32(header, static_cast<uint32_t>(base.file.size()));
    header.insert(header.end(), base.file.begin(), base.file.end());
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

std::optional<JournalContents> ReadJournal(uint64_t fileSize, const JournalReadAt& readAt)
{
    uint8_t fixed[kHeaderFixed];
    if (fileSize < kHeaderFixed + 4 || !readAt(0, fixed, sizeof fixed) ||
        std::memcmp(fixed, kHeaderMagic, sizeof kHeaderMagic) != 0)
        return std::nullopt;
    const uint32_t headerSize = Get32(fixed + 8);
    const uint32_t nameLength = Get32(fixed + 32);
    if (nameLength > kLongestName || headerSize != kHeaderFixed + nameLength + 4 || headerSize > fileSize)
        return std::nullopt;
    std::vector<uint8_t> rest(nameLength + 4);
    if (!readAt(kHeaderFixed, rest.data(), rest.size()))
        return std::nullopt;
    const uint32_t checksum = Crc32c(Crc32c(0, fixed, sizeof fixed), rest.data(), nameLength);
    if (Get32(rest.data() + nameLength) != checksum)
        return std::nullopt;

    JournalContents contents;
    contents.base.file.assign(rest.begin(), rest.begin() + nameLength);
    if (!contents.base.file.empty()) {
        contents.base.size = Get64(fixed + 16);
        contents.base.writeTime = Get64(fixed + 24);
        contents.size = contents.base.size;
        PieceCursor::Append(contents.pieces, {true, 0, contents.size});
    }
    contents.validEnd = headerSize;
    while (contents.validEnd < fileSize && ApplyRecord(fileSize, contents.validEnd, readAt, contents)) {
    }
    return contents;
}
