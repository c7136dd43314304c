// PieceTable: the document as an ordered list of pieces with 64-bit totals, kept in blocks of a
// few hundred pieces with their byte counts, so that finding an offset and splicing at any size
// cost a search over the blocks and a copy of one or two of them. Blocks are never changed once
// made: a copy of the table shares them, which makes snapshots cheap and safe to read on other
// threads while the original is edited.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/Piece.h"

class PieceTable {
public:
    static constexpr size_t maxBlockPieces = 512;
    static constexpr size_t minBlockPieces = 64;

    PieceTable() = default;
    explicit PieceTable(const PieceList& pieces);

    [[nodiscard]] uint64_t size() const noexcept { return size_; }
    [[nodiscard]] size_t pieceCount() const noexcept;

    // Replaces [offset, offset + removeCount) by `inserted` and returns the pieces taken out, cut
    // to the range. The range lies inside the table. Either everything happens or, when memory
    // runs out, nothing.
    PieceList replace(uint64_t offset, uint64_t removeCount, const PieceList& inserted);
    // The pieces of [offset, offset + count), cut to the range.
    [[nodiscard]] PieceList slice(uint64_t offset, uint64_t count) const;

    // Copies [offset, offset + count) into out; false when the range leaves the table or a source
    // cannot be read.
    [[nodiscard]] bool read(uint64_t offset, uint8_t* out, size_t count) const noexcept;

    // Calls visit(piece, offsetInPiece, count) for each part of a piece inside [offset, offset +
    // count), in order (backwards: from the end); stops and returns false when visit does.
    using PartVisitor = std::function<bool(const Piece& piece, uint64_t from, uint64_t count)>;
    bool forEachPart(uint64_t offset, uint64_t count, const PartVisitor& visit) const;
    bool forEachPartBackward(uint64_t offset, uint64_t count, const PartVisitor& visit) const;

    // The first broken invariant as a text, or null when all hold (for checks and tests).
    [[nodiscard]] const char* brokenInvariant() const noexcept;

private:
    struct Block {
        std::vector<Piece> pieces;
        uint64_t bytes = 0;  // invariant: the sum of the pieces' lengths
    };
    // A block is changed in place only while no copy of the table shares it.
    using BlockPtr = std::shared_ptr<Block>;

    // The block holding byte `offset` (offset < size_).
    [[nodiscard]] size_t blockAt(uint64_t offset) const noexcept;
    static BlockPtr makeBlock(std::vector<Piece>::iterator first, std::vector<Piece>::iterator last);
    // The common edit, inside one block that nothing shares and that keeps its bounds, done in
    // place; false, with nothing changed, when it is not that edit.
    bool replaceInBlock(size_t b, uint64_t local, uint64_t removeCount, const PieceList& inserted, PieceList& removed);

    // Invariants: no block is empty; blocks hold at most maxBlockPieces pieces and, unless there
    // is only one, at least minBlockPieces; no piece is empty; no piece is continued by the one
    // after it (such neighbours are one piece).
    std::vector<BlockPtr> blocks_;
    std::vector<uint64_t> starts_;  // invariant: starts_[i] = bytes of the blocks before block i
    uint64_t size_ = 0;             // invariant: the bytes of all blocks
};
