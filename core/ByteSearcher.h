// ByteSearcher: finds a byte string in the control's data, forwards or backwards, with exactly the
// hits of a byte-by-byte scan, by first filtering on two of the pattern's rarest bytes.
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/GapBuffer.h"

class ByteSearcher {
public:
    static constexpr size_t npos = static_cast<size_t>(-1);

    // The pattern (at least one byte) is read in place and must outlive the searcher.
    ByteSearcher(const uint8_t* pattern, size_t length) noexcept;

    // First start k >= from with text[k, k + length) equal to the pattern, or npos.
    [[nodiscard]] size_t findForward(const uint8_t* text, size_t size, size_t from) const noexcept;
    // Last start k <= from whose whole match lies inside the text, or npos.
    [[nodiscard]] size_t findBackward(const uint8_t* text, size_t size, size_t from) const noexcept;
    // The same over the two runs of a gap buffer; offsets count over the joined data.
    [[nodiscard]] size_t findForward(const GapBuffer::Segments& data, size_t from) const noexcept;
    [[nodiscard]] size_t findBackward(const GapBuffer::Segments& data, size_t from) const noexcept;

private:
    [[nodiscard]] bool matchesAcross(const GapBuffer::Segments& data, size_t start) const noexcept;

    const uint8_t* pattern_;
    size_t length_;
    size_t rareOffset_;     // offset in the pattern of its least common byte
    size_t otherOffset_;    // offset of the next least common byte (the same when the pattern is one byte)
    uint8_t rareByte_;
    uint8_t otherByte_;
};
