// Piece: a run of bytes of one source, the unit the document and its undo records are made of.
#pragma once
#include <cstdint>
#include <vector>

#include "core/ByteSource.h"

struct Piece {
    SourcePtr source;     // kept alive by every piece that points into it
    uint64_t offset = 0;  // where the run starts in the source
    uint64_t length = 0;  // invariant inside a table: length > 0, offset + length <= source->size()

    // Whether `next` goes on where this piece ends, in the same source.
    [[nodiscard]] bool continuedBy(const Piece& next) const noexcept
    {
        return source == next.source && offset + length == next.offset;
    }
};

using PieceList = std::vector<Piece>;

[[nodiscard]] inline uint64_t TotalLength(const PieceList& pieces) noexcept
{
    uint64_t total = 0;
    for (const Piece& piece : pieces)
        total += piece.length;
    return total;
}
