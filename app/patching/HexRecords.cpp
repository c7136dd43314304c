// HexRecords: the two record forms, written as they stream and read into an image.
#include "app/patching/HexRecords.h"

#include "app/find/ByteText.h"

#include <algorithm>
#include <utility>

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";
constexpr size_t kDataPerRecord = 16;

class Line {
public:
    explicit Line(std::string mark) : text_(std::move(mark)) {}
    void byte(uint8_t value)
    {
        text_ += kDigits[value >> 4];
        text_ += kDigits[value & 0xF];
        sum_ = static_cast<uint8_t>(sum_ + value);
    }
    void bytes(uint64_t value, int count)
    {
        for (int i = count - 1; i >= 0; --i)
            byte(static_cast<uint8_t>(value >> (8 * i)));
    }
    // Intel HEX: the two's complement of the sum; S-records: its ones' complement.
    std::string& end(bool twos)
    {
        const uint8_t sum = sum_;
        byte(static_cast<uint8_t>(twos ? -sum : ~sum));
        return text_ += "\r\n";
    }

private:
    std::string text_;
    uint8_t sum_ = 0;
};

std::string IntelRecord(uint8_t type, uint16_t address, const uint8_t* data, size_t count)
{
    Line line(":");
    line.byte(static_cast<uint8_t>(count));
    line.bytes(address, 2);
    line.byte(type);
    for (size_t i = 0; i < count; ++i)
        line.byte(data[i]);
    return line.end(true);
}

std::string SRecord(char type, int addressBytes, uint64_t address, const uint8_t* data, size_t count)
{
    Line line(std::string{'S', type});
    line.byte(static_cast<uint8_t>(addressBytes + count + 1));
    line.bytes(address, addressBytes);
    for (size_t i = 0; i < count; ++i)
        line.byte(data[i]);
    return line.end(false);
}

} // namespace

RecordWrite WriteRecords(RecordFormat format, uint64_t address, uint64_t size, const RecordSource& read,
                         const RecordSink& write)
{
    if (address > kRecordAddressLimit || size > kRecordAddressLimit - address)
        return RecordWrite::TooFar;
    const uint64_t last = size == 0 ? address : address + size - 1;
    const int addressBytes = last <= 0xFFFF ? 2 : last <= 0xFFFFFF ? 3 : 4;
    const char dataType = static_cast<char>('0' + addressBytes - 1);  // S1, S2, S3
    if (format == RecordFormat::SRecord && !write(SRecord('0', 2, 0, nullptr, 0)))
        return RecordWrite::WriteFailed;
    uint8_t buffer[kDataPerRecord];
    uint64_t upper = 0;  // the Intel HEX records' upper 16 address bits in force
    uint64_t records = 0;
    for (uint64_t done = 0; done < size;) {
        const uint64_t at = address + done;
        // A data record stays inside one 64 KiB page of Intel HEX's 16-bit addresses.
        const uint64_t pageLeft = 0x10000 - (at & 0xFFFF);
        const size_t count = static_cast<size_t>(std::min<uint64_t>({kDataPerRecord, size - done, pageLeft}));
        if (!read(done, buffer, count))
            return RecordWrite::ReadFailed;
        std::string text;
        if (format == RecordFormat::IntelHex) {
            if ((at >> 16) != upper) {
                upper = at >> 16;
                const uint8_t page[2] = {static_cast<uint8_t>(upper >> 8), static_cast<uint8_t>(upper)};
                text = IntelRecord(0x04, 0, page, 2);
            }
            text += IntelRecord(0x00, static_cast<uint16_t>(at), buffer, count);
        } else {
            text = SRecord(dataType, addressBytes, at, buffer, count);
        }
        if (!write(text))
            return RecordWrite::WriteFailed;
        done += count;
        ++records;
    }
    std::string end;
    if (format == RecordFormat::IntelHex) {
        end = IntelRecord(0x01, 0, nullptr, 0);
    } else {
        if (records <= 0xFFFF)
            end = SRecord('5', 2, records, nullptr, 0);
        else if (records <= 0xFFFFFF)
            end = SRecord('6', 3, records, nullptr, 0);
        end += SRecord(static_cast<char>('0' + 11 - addressBytes), addressBytes, 0, nullptr, 0);  // S9, S8, S7
    }
    return write(end) ? RecordWrite::Written : RecordWrite::WriteFailed;
}

namespace {

// A record's bytes after its mark; false for an odd count or a character that is no hex digit.
bool RecordBytes(std::string_view digits, std::vector<uint8_t>& bytes)
{
    if (digits.size() % 2 != 0)
        return false;
    bytes.clear();
    for (size_t i = 0; i < digits.size(); i += 2) {
        const int high = HexDigitValue(digits[i]), low = HexDigitValue(digits[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    return true;
}

struct Chunk {
    uint64_t address;
    std::vector<uint8_t> bytes;
};

// One record; `done` set at an end record.
RecordProblem IntelLine(const std::vector<uint8_t>& r, uint64_t& base, std::vector<Chunk>& chunks, bool& done)
{
    if (r.size() < 5 || r.size() != size_t{r[0]} + 5)
        return RecordProblem::BadLength;
    uint8_t sum = 0;
    for (const uint8_t byte : r)
        sum = static_cast<uint8_t>(sum + byte);
    if (sum != 0)
        return RecordProblem::BadChecksum;
    const uint64_t offset = uint64_t{r[1]} << 8 | r[2];
    const uint8_t count = r[0];
    switch (r[3]) {
    case 0x00:
        chunks.push_back({base + offset, std::vector<uint8_t>(r.begin() + 4, r.begin() + 4 + count)});
        return RecordProblem::None;
    case 0x01:
        done = true;
        return count == 0 ? RecordProblem::None : RecordProblem::BadLength;
    case 0x02:
    case 0x04:
        if (count != 2)
            return RecordProblem::BadLength;
        base = (uint64_t{r[4]} << 8 | r[5]) << (r[3] == 0x02 ? 4 : 16);
        return RecordProblem::None;
    case 0x03:
    case 0x05:
        return count == 4 ? RecordProblem::None : RecordProblem::BadLength;
    default:
        return RecordProblem::NotRecords;
    }
}

RecordProblem SLine(char type, const std::vector<uint8_t>& r, std::vector<Chunk>& chunks, bool& done)
{
    static constexpr int kAddressBytes[10] = {2, 2, 3, 4, -1, 2, 3, 4, 3, 2};
    const int addressBytes = kAddressBytes[type - '0'];
    if (addressBytes < 0)
        return RecordProblem::NotRecords;
    if (r.empty() || r.size() != size_t{r[0]} + 1 || r.size() < size_t(addressBytes) + 2)
        return RecordProblem::BadLength;
    uint8_t sum = 0;
    for (const uint8_t byte : r)
        sum = static_cast<uint8_t>(sum + byte);
    if (sum != 0xFF)
        return RecordProblem::BadChecksum;
    uint64_t address = 0;
    for (int i = 0; i < addressBytes; ++i)
        address = address << 8 | r[1 + i];
    if (type >= '1' && type <= '3')
        chunks.push_back({address, std::vector<uint8_t>(r.begin() + 1 + addressBytes, r.end() - 1)});
    done = type >= '7';
    return RecordProblem::None;
}

} // namespace

RecordImage ReadRecords(std::string_view text)
{
    RecordImage image;
    std::vector<Chunk> chunks;
    std::vector<uint8_t> record;
    uint64_t base = 0;
    char form = 0;
    bool done = false;
    for (size_t number = 1; !text.empty() && !done; ++number) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        if (line.empty())
            continue;
        const char mark = line[0];
        RecordProblem problem = RecordProblem::NotRecords;
        if ((mark == ':' || mark == 'S') && (form == 0 || form == mark)) {
            form = mark;
            const bool isS = mark == 'S';
            if (isS && (line.size() < 2 || line[1] < '0' || line[1] > '9'))
                problem = RecordProblem::NotRecords;
            else if (!RecordBytes(line.substr(isS ? 2 : 1), record))
                problem = RecordProblem::NotRecords;
            else
                problem = isS ? SLine(line[1], record, chunks, done) : IntelLine(record, base, chunks, done);
        }
        if (problem != RecordProblem::None) {
            image.problem = problem;
            image.line = number;
            return image;
        }
    }
    uint64_t low = UINT64_MAX, high = 0;
    for (const Chunk& chunk : chunks) {
        if (chunk.bytes.empty())
            continue;
        low = std::min(low, chunk.address);
        high = std::max(high, chunk.address + chunk.bytes.size());
    }
    if (low == UINT64_MAX) {
        image.problem = RecordProblem::NoData;
        return image;
    }
    if (high - low > kRecordImageLimit) {
        image.problem = RecordProblem::TooLarge;
        return image;
    }
    image.start = low;
    image.bytes.assign(static_cast<size_t>(high - low), 0xFF);
    for (const Chunk& chunk : chunks)
        std::copy(chunk.bytes.begin(), chunk.bytes.end(), image.bytes.begin() + static_cast<ptrdiff_t>(chunk.address - low));
    return image;
}
