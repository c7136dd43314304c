// ControlModel: the whole document replaced (bytes, a source, pieces on the base), rebased
// after a save, and read out.
#include "core/ControlModel.h"

#include <algorithm>
#include <new>

#include "core/SpanReader.h"

namespace {

// The most bytes handed over in one call, in and out: each is one system call on the other side.
constexpr size_t handOverPiece = 64u << 20;

} // namespace

bool ControlModel::setData(const void* bytes, int count)
{
    static const uint8_t zero = 0;
    const uint8_t* source = static_cast<const uint8_t*>(bytes);
    uint64_t size = count > 0 && source ? std::min<uint64_t>({uint64_t(count), maxBytesCopiedIn, sizeLimit_}) : 0;
    if (size == 0) {
        source = &zero;
        size = 1;
    }
    // The bytes first: when the memory cannot be had, nothing has changed.
    const uint64_t oldSize = store_.size();
    store_.assign(source, static_cast<size_t>(size));
    showNewData(oldSize);
    return true;
}

bool ControlModel::newData()
{
    const uint8_t zero = 0;
    return setData(&zero, 1);
}

bool ControlModel::readData(uint64_t count, const AddBuffer::Filler& fill)
{
    if (count == 0 || count > sizeLimit_ || count > SIZE_MAX)
        return false;
    const uint64_t oldSize = store_.size();
    if (!store_.assignFrom(static_cast<size_t>(count), handOverPiece, fill))
        return false;
    showNewData(oldSize);
    return true;
}

bool ControlModel::readPieces(uint64_t count, const AddBuffer::Filler& fill, PieceList& pieces)
{
    if (count > SIZE_MAX)
        throw std::bad_alloc();
    return store_.addedFrom(static_cast<size_t>(count), handOverPiece, fill, pieces);
}

bool ControlModel::openSource(SourcePtr base)
{
    if (!base || base->size() > sizeLimit_)
        return false;
    const uint64_t oldSize = store_.size();
    store_.open(std::move(base));
    showNewData(oldSize);
    return true;
}

bool ControlModel::buildOnBase(const PieceList& pieces)
{
    const uint64_t size = TotalLength(pieces);
    if (size == 0 || size > sizeLimit_)
        return false;
    const uint64_t oldSize = store_.size();
    store_.build(pieces);
    showNewData(oldSize);
    return true;
}

bool ControlModel::rebase(SourcePtr saved)
{
    // The bytes stay as they are: nothing to show, nothing to tell.
    return store_.rebase(std::move(saved));
}

bool ControlModel::writeData(uint64_t byte, uint64_t count, const Taker& take) const
{
    if (byte > store_.size() || count > store_.size() - byte)
        return false;
    SpanReader reader;
    const auto handOut = [&](const uint8_t* run, size_t length, uint64_t) {
        for (size_t at = 0; at < length;) {
            const size_t piece = std::min(length - at, handOverPiece);
            if (!take(run + at, piece))
                return false;
            at += piece;
        }
        return true;
    };
    return reader.forward(store_.table(), byte, byte + count, handOut) == SpanReader::Walk::Done;
}

bool ControlModel::getData(void* buffer, int64_t nibble, int64_t count) const noexcept
{
    if (nibble < 0 || count < 0 || (count > 0 && !buffer) || uint64_t(count) > SIZE_MAX)
        return false;
    return store_.read(static_cast<uint64_t>(nibble) >> 1, static_cast<uint8_t*>(buffer), static_cast<size_t>(count));
}

bool ControlModel::copyBytes(uint64_t byteOffset, size_t count, uint8_t* out) const noexcept
{
    return store_.read(byteOffset, out, count);
}
