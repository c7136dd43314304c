// ByteStore: the document's bytes: a piece table over the opened base and the add buffer, with
// the base's own identity, so that the regions that differ from the base can be told.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/AddBuffer.h"
#include "core/ChangeMap.h"
#include "core/PieceTable.h"

class ByteStore {
public:
    ByteStore() = default;
    ByteStore(const ByteStore&) = delete;
    ByteStore& operator=(const ByteStore&) = delete;

    [[nodiscard]] uint64_t size() const noexcept { return table_.size(); }
    [[nodiscard]] const PieceTable& table() const noexcept { return table_; }
    // The source the document was opened from or last saved to; null when it stands on none.
    [[nodiscard]] const SourcePtr& base() const noexcept { return base_; }

    // The whole document replaced; each leaves the store as it was when it fails or throws.
    // Bytes copied in (at least one); the document stands on no base afterwards.
    void assign(const uint8_t* bytes, size_t count);
    // `count` bytes (at least one) that `fill` writes in pieces of at most fillPiece bytes.
    bool assignFrom(size_t count, size_t fillPiece, const AddBuffer::Filler& fill);
    // The base's bytes; an empty base gives one 0x00 byte.
    void open(SourcePtr base);
    // The document as `pieces` (at least one byte), keeping the base.
    void build(const PieceList& pieces);
    // The base becomes `saved`, which holds the document's bytes, and the document one piece of
    // it. False, with nothing changed, when its size differs.
    bool rebase(SourcePtr saved);

    // The bytes as pieces of the add buffer (none for no bytes).
    [[nodiscard]] PieceList added(const uint8_t* bytes, size_t count);
    // `count` bytes that `fill` writes into the add buffer in pieces of at most fillPiece bytes,
    // as pieces; false when fill fails.
    [[nodiscard]] bool addedFrom(size_t count, size_t fillPiece, const AddBuffer::Filler& fill, PieceList& pieces);
    // As PieceTable::replace.
    PieceList replace(uint64_t offset, uint64_t removeCount, const PieceList& inserted)
    {
        return table_.replace(offset, removeCount, inserted);
    }
    [[nodiscard]] bool read(uint64_t offset, uint8_t* out, size_t count) const noexcept
    {
        return table_.read(offset, out, count);
    }

    // Where the document differs from its base, in order, in the document's offsets: at
    // `offset`, `inserted` bytes of the document stand where `removed` bytes of the base stood;
    // between regions the document holds the base's bytes. Without a base, one region of
    // the whole document.
    [[nodiscard]] std::vector<ChangedRegion> baseChanges() const;

private:
    void take(PieceTable& table) noexcept;

    PieceTable table_;
    AddBuffer added_;
    SourcePtr base_;
};
