// PieceTable: splicing a window of blocks, reading and walking pieces.
#include "core/PieceTable.h"

#include <algorithm>
#include <atomic>
#include <iterator>
#include <stdexcept>

namespace {

using Pieces = std::vector<Piece>;

// Makes a piece start at `at` (at most the pieces' total) and returns its index; the pieces'
// total when `at` is their end.
size_t splitAt(Pieces& pieces, uint64_t at)
{
    uint64_t start = 0;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const uint64_t length = pieces[i].length;
        if (at == start)
            return i;
        if (at < start + length) {
            Piece back = pieces[i];
            back.offset += at - start;
            back.length = start + length - at;
            pieces[i].length = at - start;
            pieces.insert(pieces.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(back));
            return i + 1;
        }
        start += length;
    }
    return pieces.size();
}

// Drops empty pieces and joins neighbours that continue each other, in [first, last).
void joinContinuing(Pieces& pieces, size_t first, size_t last)
{
    size_t kept = first;
    for (size_t i = first; i < last; ++i) {
        if (pieces[i].length == 0)
            continue;
        if (kept > first && pieces[kept - 1].continuedBy(pieces[i])) {
            pieces[kept - 1].length += pieces[i].length;
            continue;
        }
        if (kept != i)
            pieces[kept] = std::move(pieces[i]);
        ++kept;
    }
    pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(kept), pieces.begin() + static_cast<std::ptrdiff_t>(last));
}

} // namespace

PieceTable::PieceTable(const PieceList& pieces) { replace(0, 0, pieces); }

size_t PieceTable::pieceCount() const noexcept
{
    size_t count = 0;
    for (const BlockPtr& block : blocks_)
        count += block->pieces.size();
    return count;
}

size_t PieceTable::blockAt(uint64_t offset) const noexcept
{
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return static_cast<size_t>(after - starts_.begin()) - 1;
}

PieceTable::BlockPtr PieceTable::makeBlock(Pieces::iterator first, Pieces::iterator last)
{
    auto block = std::make_shared<Block>();
    block->pieces.assign(first, last);
    for (const Piece& piece : block->pieces)
        block->bytes += piece.length;
    return block;
}

bool PieceTable::replaceInBlock(size_t b, uint64_t local, uint64_t removeCount, const PieceList& inserted,
                                PieceList& removed)
{
    if (blocks_[b].use_count() != 1)
        return false;  // a snapshot shares it: the general path copies it
    // A snapshot let go of it on another thread: its last reads come before the changes here.
    std::atomic_thread_fence(std::memory_order_acquire);
    Pieces& pieces = blocks_[b]->pieces;
    // The pieces that hold removed bytes: from the one with byte `local` to the one with the
    // last removed byte.
    size_t touched = 0;
    if (removeCount > 0) {
        size_t first = 0;
        uint64_t start = 0;
        while (local >= start + pieces[first].length)
            start += pieces[first++].length;
        size_t last = first;
        while (local + removeCount > start + pieces[last].length)
            start += pieces[last++].length;
        touched = last - first + 1;
    }
    const size_t most = pieces.size() + inserted.size() + 2;
    const size_t least = pieces.size() > touched + 2 ? pieces.size() - touched - 2 : 0;
    if (most > maxBlockPieces || (blocks_.size() > 1 && least < minBlockPieces))
        return false;
    pieces.reserve(most);
    removed.reserve(touched);

    // Nothing below allocates.
    const size_t removeFirst = splitAt(pieces, local);
    const size_t removeEnd = splitAt(pieces, local + removeCount);
    removed.assign(std::make_move_iterator(pieces.begin() + static_cast<std::ptrdiff_t>(removeFirst)),
                   std::make_move_iterator(pieces.begin() + static_cast<std::ptrdiff_t>(removeEnd)));
    pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(removeFirst),
                 pieces.begin() + static_cast<std::ptrdiff_t>(removeEnd));
    pieces.insert(pieces.begin() + static_cast<std::ptrdiff_t>(removeFirst), inserted.begin(), inserted.end());
    joinContinuing(pieces, removeFirst > 0 ? removeFirst - 1 : 0,
                   std::min(pieces.size(), removeFirst + inserted.size() + 1));
    const uint64_t insertedLength = TotalLength(inserted);
    blocks_[b]->bytes = blocks_[b]->bytes - removeCount + insertedLength;
    for (size_t later = b + 1; later < starts_.size(); ++later)
        starts_[later] = starts_[later] - removeCount + insertedLength;
    size_ = size_ - removeCount + insertedLength;
    return true;
}

PieceList PieceTable::replace(uint64_t offset, uint64_t removeCount, const PieceList& inserted)
{
    if (offset > size_ || removeCount > size_ - offset)
        throw std::out_of_range("piece table range");
    // The window of blocks that holds the byte before the edit and the byte after it, so that
    // pieces on both seams can join the inserted ones.
    size_t first = 0;
    size_t end = 0;
    if (!blocks_.empty()) {
        first = offset > 0 ? blockAt(offset - 1) : 0;
        end = offset + removeCount < size_ ? blockAt(offset + removeCount) + 1 : blocks_.size();
        PieceList removed;
        if (end == first + 1 && replaceInBlock(first, offset - starts_[first], removeCount, inserted, removed))
            return removed;
    }
    Pieces window;
    for (size_t b = first; b < end; ++b)
        window.insert(window.end(), blocks_[b]->pieces.begin(), blocks_[b]->pieces.end());
    const uint64_t local = offset - (first < starts_.size() ? starts_[first] : 0);

    const size_t removeFirst = splitAt(window, local);
    const size_t removeEnd = splitAt(window, local + removeCount);
    PieceList removed(std::make_move_iterator(window.begin() + static_cast<std::ptrdiff_t>(removeFirst)),
                      std::make_move_iterator(window.begin() + static_cast<std::ptrdiff_t>(removeEnd)));
    window.erase(window.begin() + static_cast<std::ptrdiff_t>(removeFirst),
                 window.begin() + static_cast<std::ptrdiff_t>(removeEnd));
    window.insert(window.begin() + static_cast<std::ptrdiff_t>(removeFirst), inserted.begin(), inserted.end());
    joinContinuing(window, removeFirst > 0 ? removeFirst - 1 : 0,
                   std::min(window.size(), removeFirst + inserted.size() + 1));

    // A small window takes in a neighbour, so that blocks stay between the bounds.
    if (window.size() < minBlockPieces && end < blocks_.size()) {
        window.insert(window.end(), blocks_[end]->pieces.begin(), blocks_[end]->pieces.end());
        ++end;
    } else if (window.size() < minBlockPieces && first > 0) {
        --first;
        window.insert(window.begin(), blocks_[first]->pieces.begin(), blocks_[first]->pieces.end());
    }
    std::vector<BlockPtr> made;
    const size_t count = (window.size() + maxBlockPieces - 1) / maxBlockPieces;
    made.reserve(count);
    for (size_t k = 0; k < count; ++k)
        made.push_back(makeBlock(window.begin() + static_cast<std::ptrdiff_t>(window.size() * k / count),
                                 window.begin() + static_cast<std::ptrdiff_t>(window.size() * (k + 1) / count)));
    const size_t blockCount = blocks_.size() - (end - first) + made.size();
    blocks_.reserve(blockCount);
    starts_.reserve(blockCount);

    // Nothing below allocates: the table changes whole or not at all.
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(first), blocks_.begin() + static_cast<std::ptrdiff_t>(end));
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(first), std::make_move_iterator(made.begin()),
                   std::make_move_iterator(made.end()));
    starts_.resize(blocks_.size());
    for (size_t b = first; b < blocks_.size(); ++b)
        starts_[b] = b == 0 ? 0 : starts_[b - 1] + blocks_[b - 1]->bytes;
    size_ = size_ - removeCount + TotalLength(inserted);
    return removed;
}

PieceList PieceTable::slice(uint64_t offset, uint64_t count) const
{
    PieceList pieces;
    forEachPart(offset, count, [&](const Piece& piece, uint64_t from, uint64_t length) {
        pieces.push_back(Piece{piece.source, piece.offset + from, length});
        return true;
    });
    return pieces;
}

bool PieceTable::read(uint64_t offset, uint8_t* out, size_t count) const noexcept
{
    if (offset > size_ || count > size_ - offset)
        return false;
    try {
        return forEachPart(offset, count, [&](const Piece& piece, uint64_t from, uint64_t length) {
            if (!piece.source->read(piece.offset + from, out, static_cast<size_t>(length)))
                return false;
            out += length;
            return true;
        });
    } catch (...) {
        return false;  // a visitor that copies nothing cannot throw; this only keeps the promise
    }
}

bool PieceTable::forEachPart(uint64_t offset, uint64_t count, const PartVisitor& visit) const
{
    if (count == 0 || offset >= size_)
        return true;
    count = std::min(count, size_ - offset);
    size_t b = blockAt(offset);
    uint64_t inBlock = offset - starts_[b];
    size_t p = 0;
    while (inBlock >= blocks_[b]->pieces[p].length)
        inBlock -= blocks_[b]->pieces[p++].length;
    for (uint64_t from = inBlock; count > 0; from = 0) {
        const Piece& piece = blocks_[b]->pieces[p];
        const uint64_t length = std::min(count, piece.length - from);
        if (!visit(piece, from, length))
            return false;
        count -= length;
        if (++p == blocks_[b]->pieces.size()) {
            ++b;
            p = 0;
        }
    }
    return true;
}

bool PieceTable::forEachPartBackward(uint64_t offset, uint64_t count, const PartVisitor& visit) const
{
    if (count == 0 || offset >= size_)
        return true;
    count = std::min(count, size_ - offset);
    const uint64_t last = offset + count - 1;
    size_t b = blockAt(last);
    uint64_t inBlock = last - starts_[b];
    size_t p = 0;
    while (inBlock >= blocks_[b]->pieces[p].length)
        inBlock -= blocks_[b]->pieces[p++].length;
    // inBlock: the offset in piece p of the last byte still to visit.
    for (uint64_t lastIn = inBlock; count > 0;) {
        const Piece& piece = blocks_[b]->pieces[p];
        const uint64_t length = std::min(count, lastIn + 1);
        if (!visit(piece, lastIn + 1 - length, length))
            return false;
        count -= length;
        if (count == 0)
            break;
        if (p == 0) {
            --b;
            p = blocks_[b]->pieces.size();
        }
        --p;
        lastIn = blocks_[b]->pieces[p].length - 1;
    }
    return true;
}

const char* PieceTable::brokenInvariant() const noexcept
{
    if (starts_.size() != blocks_.size())
        return "one start per block";
    uint64_t total = 0;
    const Piece* previous = nullptr;
    for (size_t b = 0; b < blocks_.size(); ++b) {
        const Block& block = *blocks_[b];
        if (block.pieces.empty() || block.pieces.size() > maxBlockPieces)
            return "a block is empty or holds too many pieces";
        if (blocks_.size() > 1 && block.pieces.size() < minBlockPieces)
            return "a block of several holds too few pieces";
        if (starts_[b] != total)
            return "a block's start is not the bytes before it";
        uint64_t bytes = 0;
        for (const Piece& piece : block.pieces) {
            if (piece.length == 0 || !piece.source || piece.offset + piece.length > piece.source->size())
                return "a piece is empty or leaves its source";
            if (previous && previous->continuedBy(piece))
                return "a piece is continued by its neighbour";
            previous = &piece;
            bytes += piece.length;
        }
        if (bytes != block.bytes)
            return "a block's bytes are not its pieces' lengths";
        total += bytes;
    }
    return total == size_ ? nullptr : "the size is not the blocks' bytes";
}
