// ByteSearcher: the rare-byte filter (16 bytes a step where SSE2 is there) and the verification.
#include "core/ByteSearcher.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// How common a byte value is in typical files: zero and 0xFF padding, text letters and digits
// first, control and high bytes last. Only the order matters.
[[nodiscard]] int commonness(uint8_t value) noexcept
{
    if (value == 0x00)
        return 255;
    if (value == 0xFF)
        return 200;
    if (value == ' ' || value == 'e' || value == 't' || value == 'a' || value == 'o' || value == 'i')
        return 160;
    if (value >= 'a' && value <= 'z')
        return 140;
    if (value == '\n' || value == '\r' || value == '\t')
        return 130;
    if ((value >= '0' && value <= '9') || (value >= 'A' && value <= 'Z'))
        return 120;
    if (value > ' ' && value < 0x7F)
        return 100;
    if (value < ' ')
        return 80;
    return 60;
}

[[nodiscard]] constexpr bool isAsciiLetter(uint8_t value) noexcept
{
    return (value >= 'A' && value <= 'Z') || (value >= 'a' && value <= 'z');
}

[[nodiscard]] unsigned lowestBit(unsigned mask) noexcept { return static_cast<unsigned>(__builtin_ctz(mask)); }
[[nodiscard]] unsigned highestBit(unsigned mask) noexcept { return 31u - static_cast<unsigned>(__builtin_clz(mask)); }

#if defined(__SSE2__)
// The starts at .. at + 31 where the pattern's rare and other bytes both stand, one bit each;
// `rare` and `other` are the text shifted by those bytes' offsets in the pattern; each text byte
// is ANDed with its mask before the comparison.
class Candidates {
public:
    Candidates(const uint8_t* rare, const uint8_t* other, uint8_t rareByte, uint8_t otherByte, uint8_t rareMask,
               uint8_t otherMask) noexcept
        : rare_(rare), other_(other), rareBytes_(_mm_set1_epi8(static_cast<char>(rareByte))),
          otherBytes_(_mm_set1_epi8(static_cast<char>(otherByte))),
          rareMask_(_mm_set1_epi8(static_cast<char>(rareMask))), otherMask_(_mm_set1_epi8(static_cast<char>(otherMask)))
    {
    }
    [[nodiscard]] unsigned operator()(size_t at) const noexcept { return sixteen(at) | (sixteen(at + 16) << 16); }

private:
    [[nodiscard]] unsigned sixteen(size_t at) const noexcept
    {
        const __m128i rare = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(rare_ + at)), rareMask_);
        const __m128i other = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(other_ + at)), otherMask_);
        const __m128i both = _mm_and_si128(_mm_cmpeq_epi8(rare, rareBytes_), _mm_cmpeq_epi8(other, otherBytes_));
        return static_cast<unsigned>(_mm_movemask_epi8(both));
    }

    const uint8_t* rare_;
    const uint8_t* other_;
    __m128i rareBytes_;
    __m128i otherBytes_;
    __m128i rareMask_;
    __m128i otherMask_;
};
#endif

} // namespace

ByteSearcher::ByteSearcher(const uint8_t* pattern, size_t length, bool eitherCase, const uint8_t* caseFlags) noexcept
    : pattern_(pattern), length_(length), eitherCase_(eitherCase), caseFlags_(caseFlags), masks_(nullptr)
{
    chooseFilter();
}

ByteSearcher::ByteSearcher(const uint8_t* pattern, size_t length, Masked, const uint8_t* masks) noexcept
    : pattern_(pattern), length_(length), eitherCase_(false), caseFlags_(nullptr), masks_(masks)
{
    chooseFilter();
}

uint8_t ByteSearcher::filterMask(size_t offset) const noexcept
{
    if (masks_)
        return masks_[offset];
    return eitherCaseAt(offset) ? 0xDF : 0xFF;
}

void ByteSearcher::chooseFilter() noexcept
{
    // A letter of either case is filtered without its case bit; a byte known in part passes a
    // sixteenth of all values at best, and an unknown byte every one, so both come last.
    const auto filterByte = [&](size_t i) { return static_cast<uint8_t>(pattern_[i] & filterMask(i)); };
    const auto filterCost = [&](size_t i) {
        const uint8_t mask = filterMask(i);
        if (mask == 0)
            return 1000;
        if (mask == 0xFF || mask == 0xDF)
            return commonness(static_cast<uint8_t>(mask == 0xDF ? filterByte(i) | 0x20 : filterByte(i)));
        return 500 - __builtin_popcount(mask);
    };
    rareOffset_ = 0;
    for (size_t i = 1; i < length_; ++i)
        if (filterCost(i) < filterCost(rareOffset_))
            rareOffset_ = i;
    // The second filter byte: cheapest among the other offsets, a different value preferred.
    otherOffset_ = rareOffset_;
    if (length_ > 1) {
        otherOffset_ = rareOffset_ == 0 ? 1 : 0;
        const auto differs = [&](size_t i) {
            return filterByte(i) != filterByte(rareOffset_) || filterMask(i) != filterMask(rareOffset_);
        };
        for (size_t i = 0; i < length_; ++i) {
            if (i == rareOffset_)
                continue;
            if ((differs(i) && !differs(otherOffset_))
                || (differs(i) == differs(otherOffset_) && filterCost(i) < filterCost(otherOffset_)))
                otherOffset_ = i;
        }
    }
    rareMask_ = filterMask(rareOffset_);
    otherMask_ = filterMask(otherOffset_);
    rareByte_ = filterByte(rareOffset_);
    otherByte_ = filterByte(otherOffset_);
}

bool ByteSearcher::eitherCaseAt(size_t offset) const noexcept
{
    return eitherCase_ && isAsciiLetter(pattern_[offset]) && (!caseFlags_ || caseFlags_[offset]);
}

bool ByteSearcher::matches(const uint8_t* text, size_t offset, size_t count) const noexcept
{
    if (masks_) {
        for (size_t i = 0; i < count; ++i)
            if (((text[i] ^ pattern_[offset + i]) & masks_[offset + i]) != 0)
                return false;
        return true;
    }
    if (!eitherCase_)
        return std::memcmp(text, pattern_ + offset, count) == 0;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t wanted = pattern_[offset + i];
        // With `wanted` a letter, only its other case gives it when 0x20 is flipped.
        if (text[i] != wanted && !((text[i] ^ 0x20) == wanted && eitherCaseAt(offset + i)))
            return false;
    }
    return true;
}

size_t ByteSearcher::findForward(const uint8_t* text, size_t size, size_t from) const noexcept
{
    if (size < length_ || from > size - length_)
        return npos;
    const size_t last = size - length_;  // last start whose match fits
    const uint8_t* rare = text + rareOffset_;
    const uint8_t* other = text + otherOffset_;
    size_t k = from;
#if defined(__SSE2__)
    const Candidates candidates(rare, other, rareByte_, otherByte_, rareMask_, otherMask_);
    while (k + 31 <= last) {  // starts k .. k + 31; every load stays inside the text
        unsigned mask = candidates(k);
        while (mask) {
            const size_t start = k + lowestBit(mask);
            if (matches(text + start, 0, length_))
                return start;
            mask &= mask - 1;
        }
        k += 32;
    }
#endif
    for (; k <= last; ++k)
        if ((rare[k] & rareMask_) == rareByte_ && (other[k] & otherMask_) == otherByte_
            && matches(text + k, 0, length_))
            return k;
    return npos;
}

size_t ByteSearcher::findBackward(const uint8_t* text, size_t size, size_t from) const noexcept
{
    if (size < length_)
        return npos;
    const size_t last = size - length_;
    const uint8_t* rare = text + rareOffset_;
    const uint8_t* other = text + otherOffset_;
    size_t end = (from < last ? from : last) + 1;  // starts still to look at: [0, end)
#if defined(__SSE2__)
    const Candidates candidates(rare, other, rareByte_, otherByte_, rareMask_, otherMask_);
    while (end >= 32) {
        const size_t base = end - 32;
        unsigned mask = candidates(base);
        while (mask) {
            const unsigned bit = highestBit(mask);
            if (matches(text + base + bit, 0, length_))
                return base + bit;
            mask &= ~(1u << bit);
        }
        end = base;
    }
#endif
    while (end > 0) {
        --end;
        if ((rare[end] & rareMask_) == rareByte_ && (other[end] & otherMask_) == otherByte_
            && matches(text + end, 0, length_))
            return end;
    }
    return npos;
}
