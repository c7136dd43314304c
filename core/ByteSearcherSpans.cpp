// ByteSearcher over a piece table: each span searched in place, and the starts that run over a
// span's edge searched in a small stitched copy of the bytes around it.
#include "core/ByteSearcher.h"

uint64_t ByteSearcher::findForward(const PieceTable& table, uint64_t from, SpanReader& reader,
                                   bool& readFailed) const
{
    readFailed = false;
    const uint64_t size = table.size();
    if (size < length_ || from > size - length_)
        return npos;
    const size_t carried = length_ - 1;
    std::vector<uint8_t> carry;  // the last bytes seen, whose starts are not decided yet
    std::vector<uint8_t> stitched;
    uint64_t carryStart = from;
    uint64_t hit = npos;
    const SpanReader::Walk walk = reader.forward(table, from, size, [&](const uint8_t* bytes, size_t count, uint64_t at) {
        if (!carry.empty()) {
            stitched.assign(carry.begin(), carry.end());
            stitched.insert(stitched.end(), bytes, bytes + std::min(count, carried));
            const size_t found = findForward(stitched.data(), stitched.size(), 0);
            if (found != npos && found < carry.size()) {
                hit = carryStart + found;
                return false;
            }
        }
        const size_t found = findForward(bytes, count, 0);
        if (found != npos) {
            hit = at + found;
            return false;
        }
        if (carried > 0) {
            if (count >= carried) {
                carry.assign(bytes + count - carried, bytes + count);
            } else {
                carry.insert(carry.end(), bytes, bytes + count);
                if (carry.size() > carried)
                    carry.erase(carry.begin(), carry.end() - static_cast<std::ptrdiff_t>(carried));
            }
            carryStart = at + count - carry.size();
        }
        return true;
    });
    readFailed = walk == SpanReader::Walk::ReadFailed;
    return hit;
}

uint64_t ByteSearcher::findBackward(const PieceTable& table, uint64_t from, SpanReader& reader,
                                    bool& readFailed) const
{
    readFailed = false;
    const uint64_t size = table.size();
    if (size < length_)
        return npos;
    if (from > size - length_)
        from = size - length_;
    const size_t carried = length_ - 1;
    std::vector<uint8_t> carry;  // the first bytes after the span, whose starts are decided
    std::vector<uint8_t> stitched;
    uint64_t hit = npos;
    const SpanReader::Walk walk =
        reader.backward(table, 0, from + length_, [&](const uint8_t* bytes, size_t count, uint64_t at) {
            // The span's last starts run into the carry; they come before the ones wholly inside.
            if (!carry.empty()) {
                const size_t tail = std::min(count, carried);
                stitched.assign(bytes + count - tail, bytes + count);
                stitched.insert(stitched.end(), carry.begin(), carry.end());
                const size_t found = findBackward(stitched.data(), stitched.size(), tail - 1);
                if (found != npos) {
                    hit = at + count - tail + found;
                    return false;
                }
            }
            const size_t found = findBackward(bytes, count, count - 1);
            if (found != npos) {
                hit = at + found;
                return false;
            }
            if (carried > 0) {
                carry.insert(carry.begin(), bytes, bytes + std::min(count, carried));
                if (carry.size() > carried)
                    carry.resize(carried);
            }
            return true;
        });
    readFailed = walk == SpanReader::Walk::ReadFailed;
    return hit;
}
