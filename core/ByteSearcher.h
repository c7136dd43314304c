// ByteSearcher: finds a byte string in the control's data, forwards or backwards, with exactly the
// hits of a byte-by-byte scan, by first filtering on two of the pattern's rarest bytes. The
// pattern's ASCII letters may match either case, and its bytes may be known in part: a mask per
// byte tells which bits must match (0xF0 for a byte whose high digit is known, 0 for any byte).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/SpanReader.h"

class ByteSearcher {
public:
    static constexpr size_t npos = static_cast<size_t>(-1);

    // The pattern (at least one byte) and the flags are read in place and must outlive the
    // searcher. A pattern byte that is an ASCII letter (A-Z, a-z) also matches its other case
    // where `eitherCase` is set and, with `caseFlags`, its flag there is nonzero; every other
    // byte, 0x80 and up included, matches only itself.
    ByteSearcher(const uint8_t* pattern, size_t length, bool eitherCase = false,
                 const uint8_t* caseFlags = nullptr) noexcept;
    // A pattern whose byte i matches every text byte t with (t & masks[i]) == (pattern[i] &
    // masks[i]). The filter stands on fully known bytes where there are any.
    struct Masked {};
    ByteSearcher(const uint8_t* pattern, size_t length, Masked, const uint8_t* masks) noexcept;

    // First start k >= from with text[k, k + length) equal to the pattern, or npos.
    [[nodiscard]] size_t findForward(const uint8_t* text, size_t size, size_t from) const noexcept;
    // Last start k <= from whose whole match lies inside the text, or npos.
    [[nodiscard]] size_t findBackward(const uint8_t* text, size_t size, size_t from) const noexcept;
    // The same over a piece table, read through `reader` span by span with pattern length - 1
    // bytes carried over each span's edge. A read that fails ends the search: npos, with
    // readFailed set.
    [[nodiscard]] uint64_t findForward(const PieceTable& table, uint64_t from, SpanReader& reader,
                                       bool& readFailed) const;
    [[nodiscard]] uint64_t findBackward(const PieceTable& table, uint64_t from, SpanReader& reader,
                                        bool& readFailed) const;

private:
    [[nodiscard]] bool eitherCaseAt(size_t offset) const noexcept;
    // text[0, count) against pattern[offset, offset + count).
    [[nodiscard]] bool matches(const uint8_t* text, size_t offset, size_t count) const noexcept;

    const uint8_t* pattern_;
    size_t length_;
    bool eitherCase_;
    const uint8_t* caseFlags_;  // null: every letter of the pattern matches either case
    const uint8_t* masks_;      // null: every bit of every byte counts
    size_t rareOffset_;     // offset in the pattern of its least common byte
    size_t otherOffset_;    // offset of the next least common byte (the same when the pattern is one byte)
    // A filter byte is compared as (text byte & mask) == byte; the mask drops 0x20 for a letter
    // of either case, which also lets a few non-letters through to the full comparison, and the
    // unknown bits of a byte known in part.
    uint8_t rareByte_;
    uint8_t otherByte_;
    uint8_t rareMask_;
    uint8_t otherMask_;

    void chooseFilter() noexcept;
    [[nodiscard]] uint8_t filterMask(size_t offset) const noexcept;
};
