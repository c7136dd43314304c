// ByteStore: whole-document replacements and the regions that differ from the base.
#include "core/ByteStore.h"

#include <utility>

void ByteStore::take(PieceTable& table) noexcept
{
    std::swap(table_, table);
}

PieceList ByteStore::added(const uint8_t* bytes, size_t count)
{
    if (count == 0)
        return {};
    return PieceList{added_.append(bytes, count)};
}

bool ByteStore::addedFrom(size_t count, size_t fillPiece, const AddBuffer::Filler& fill, PieceList& pieces)
{
    Piece piece;
    if (!added_.appendFrom(count, fillPiece, fill, piece))
        return false;
    pieces.clear();
    if (count)
        pieces.push_back(std::move(piece));
    return true;
}

void ByteStore::assign(const uint8_t* bytes, size_t count)
{
    PieceTable table(added(bytes, count));
    take(table);
    base_.reset();
}

bool ByteStore::assignFrom(size_t count, size_t fillPiece, const AddBuffer::Filler& fill)
{
    PieceList pieces;
    if (!addedFrom(count, fillPiece, fill, pieces))
        return false;
    PieceTable table(pieces);
    take(table);
    base_.reset();
    return true;
}

void ByteStore::open(SourcePtr base)
{
    static const uint8_t zero = 0;
    const uint64_t size = base->size();
    PieceTable table(size ? PieceList{Piece{base, 0, size}} : added(&zero, 1));
    take(table);
    base_ = std::move(base);
}

void ByteStore::build(const PieceList& pieces)
{
    PieceTable table(pieces);
    take(table);
}

bool ByteStore::rebase(SourcePtr saved)
{
    if (!saved || saved->size() != size())
        return false;
    PieceTable table(PieceList{Piece{saved, 0, saved->size()}});
    take(table);
    base_ = std::move(saved);
    return true;
}

std::vector<ChangedRegion> ByteStore::baseChanges() const
{
    std::vector<ChangedRegion> regions;
    bool open = false;  // the last region still grows
    const auto change = [&](uint64_t at, uint64_t removed, uint64_t inserted) {
        if (!open)
            regions.push_back({at, 0, 0});
        regions.back().removed += removed;
        regions.back().inserted += inserted;
        open = true;
    };
    uint64_t basePos = 0;  // the base's bytes before it are accounted for
    uint64_t at = 0;
    table_.forEachPart(0, table_.size(), [&](const Piece& piece, uint64_t, uint64_t length) {
        if (base_ && piece.source == base_ && piece.offset >= basePos) {
            if (piece.offset > basePos)
                change(at, piece.offset - basePos, 0);
            open = false;
            basePos = piece.offset + length;
        } else {
            change(at, 0, length);
        }
        at += length;
        return true;
    });
    const uint64_t baseSize = base_ ? base_->size() : 0;
    if (baseSize > basePos)
        change(at, baseSize - basePos, 0);
    return regions;
}
