// ChecksumReport: what the checksum command sums (selection or whole data) and how the sums read as text.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The bytes the command sums: the selection, or the whole data when nothing is selected.
struct ChecksumRange {
    uint64_t offset = 0;  // first byte
    uint64_t count = 0;   // bytes
    bool selection = false;
    bool operator==(const ChecksumRange&) const = default;
};

// From the control's data size (bytes), selection begin (nibble, -1 when nothing is selected)
// and selection size (bytes). A selection reaching outside the data, or a negative size, gives
// none: the command then sums nothing rather than bytes the user did not mean.
[[nodiscard]] std::optional<ChecksumRange> ChecksumRangeOf(int64_t dataSize, int64_t selectionBegin,
                                                           int64_t selectionSize) noexcept;

// The four sums; CRC-32 is the zip/PNG one (reflected polynomial EDB88320, inverted in and out).
struct ChecksumDigests {
    uint32_t crc32 = 0;
    std::array<uint8_t, 16> md5{};
    std::array<uint8_t, 20> sha1{};
    std::array<uint8_t, 32> sha256{};
};

// The sums in the order the dialog and the copied text show them.
enum class ChecksumKind { Crc32, Md5, Sha1, Sha256 };
inline constexpr int kChecksumCount = 4;
inline constexpr std::array<const char*, kChecksumCount> kChecksumNames = {"CRC-32", "MD5", "SHA-1", "SHA-256"};

// Upper-case hex in the order of kChecksumNames; CRC-32 as its 32-bit value, high digit first
// ("414FA339"), the digests byte by byte.
[[nodiscard]] std::array<std::string, kChecksumCount> ChecksumHexTexts(const ChecksumDigests& digests);

// One line per sum, "CRC-32: 414FA339", each ended by CR LF: the text the copy button places.
[[nodiscard]] std::string ChecksumCopyText(const ChecksumDigests& digests);

// What was summed: "選択領域 (1,234 バイト)" or "文書全体 (1,234 バイト)".
[[nodiscard]] std::string ChecksumScopeText(const ChecksumRange& range);

// A count with thousands separated by commas: "1,073,741,823".
[[nodiscard]] std::string GroupedDecimal(uint64_t value);
