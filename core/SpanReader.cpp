// SpanReader: pieces to runs of memory.
#include "core/SpanReader.h"

#include <algorithm>

uint8_t* SpanReader::buffer()
{
    if (!buffer_)
        buffer_.reset(new uint8_t[chunk_]);
    return buffer_.get();
}

SpanReader::Walk SpanReader::forward(const PieceTable& table, uint64_t from, uint64_t to, const SpanVisitor& visit)
{
    to = std::min(to, table.size());
    if (from >= to)
        return Walk::Done;
    Walk result = Walk::Done;
    uint64_t at = from;
    table.forEachPart(from, to - from, [&](const Piece& piece, uint64_t offset, uint64_t count) {
        if (const uint8_t* bytes = piece.source->bytes()) {
            if (!visit(bytes + piece.offset + offset, static_cast<size_t>(count), at)) {
                result = Walk::Stopped;
                return false;
            }
            at += count;
            return true;
        }
        for (uint64_t done = 0; done < count;) {
            const size_t part = static_cast<size_t>(std::min<uint64_t>(chunk_, count - done));
            uint8_t* out = buffer();
            if (!piece.source->read(piece.offset + offset + done, out, part)) {
                result = Walk::ReadFailed;
                return false;
            }
            if (!visit(out, part, at)) {
                result = Walk::Stopped;
                return false;
            }
            done += part;
            at += part;
        }
        return true;
    });
    return result;
}

SpanReader::Walk SpanReader::backward(const PieceTable& table, uint64_t from, uint64_t to, const SpanVisitor& visit)
{
    to = std::min(to, table.size());
    if (from >= to)
        return Walk::Done;
    Walk result = Walk::Done;
    uint64_t end = to;
    table.forEachPartBackward(from, to - from, [&](const Piece& piece, uint64_t offset, uint64_t count) {
        if (const uint8_t* bytes = piece.source->bytes()) {
            end -= count;
            if (!visit(bytes + piece.offset + offset, static_cast<size_t>(count), end)) {
                result = Walk::Stopped;
                return false;
            }
            return true;
        }
        for (uint64_t left = count; left > 0;) {
            const size_t part = static_cast<size_t>(std::min<uint64_t>(chunk_, left));
            left -= part;
            end -= part;
            uint8_t* out = buffer();
            if (!piece.source->read(piece.offset + offset + left, out, part)) {
                result = Walk::ReadFailed;
                return false;
            }
            if (!visit(out, part, end)) {
                result = Walk::Stopped;
                return false;
            }
        }
        return true;
    });
    return result;
}
