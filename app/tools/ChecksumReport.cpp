// ChecksumReport: the range rule and the text forms of the checksum command.
#include "app/tools/ChecksumReport.h"

#include "app/find/ByteText.h"
#include "app/texts/ProgramTexts.h"

#include <cstdio>

std::optional<ChecksumRange> ChecksumRangeOf(int64_t dataSize, int64_t selectionBegin, int64_t selectionSize) noexcept
{
    if (dataSize < 0 || selectionSize < 0)
        return std::nullopt;
    if (selectionSize == 0)
        return ChecksumRange{0, static_cast<uint64_t>(dataSize), false};
    if (selectionBegin < 0 || selectionBegin % 2 != 0)
        return std::nullopt;
    const int64_t first = selectionBegin / 2;
    if (selectionSize > dataSize - first)
        return std::nullopt;
    return ChecksumRange{static_cast<uint64_t>(first), static_cast<uint64_t>(selectionSize), true};
}

std::array<std::string, kChecksumCount> ChecksumHexTexts(const ChecksumDigests& digests)
{
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08X", static_cast<unsigned>(digests.crc32));
    return {crc, BytesToHex(digests.md5.data(), digests.md5.size()),
            BytesToHex(digests.sha1.data(), digests.sha1.size()),
            BytesToHex(digests.sha256.data(), digests.sha256.size())};
}

std::string ChecksumCopyText(const ChecksumDigests& digests)
{
    const std::array<std::string, kChecksumCount> texts = ChecksumHexTexts(digests);
    std::string lines;
    for (int i = 0; i < kChecksumCount; ++i)
        lines += std::string(kChecksumNames[i]) + ": " + texts[i] + "\r\n";
    return lines;
}

std::string ChecksumScopeText(const ChecksumRange& range)
{
    return std::string(range.selection ? kTextChecksumSelection : kTextChecksumWhole) + " (" +
           GroupedDecimal(range.count) + " " + kTextChecksumBytes + ")";
}

std::string GroupedDecimal(uint64_t value)
{
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}
