// ControlModel: construction, whole-data operations, the edit frame, history and flags.
#include "core/ControlModel.h"

#include <algorithm>
#include <utility>

#include "common/AError.h"
#include "core/SpanReader.h"

namespace {

void ignoreChange() {}

// The most bytes handed over in one call, in and out: each is one system call on the other side.
constexpr size_t fillPiece = 64u << 20;

} // namespace

ControlModel::ControlModel(ControlView& view, uint32_t sizeLimit)
    : view_(view), sizeLimit_(std::clamp<uint32_t>(sizeLimit, 1, maxDataSize)), notifyChanged_(ignoreChange)
{
    const uint8_t zero = 0;
    store_.assign(&zero, 1);
    setModified(false, true);
}

void ControlModel::setModified(bool value, bool notifyChange)
{
    modified_ = value;
    if (notifyChange)
        notify();
}

void ControlModel::setNotifyChanged(void (*notifyFunction)())
{
    notifyChanged_ = notifyFunction ? notifyFunction : ignoreChange;
}

int ControlModel::scrollPage() const noexcept
{
    return std::min(positions_.pageLines, positions_.bottomLine - positions_.topLine);
}

bool ControlModel::setData(const void* bytes, int count)
{
    static const uint8_t zero = 0;
    const uint8_t* source = static_cast<const uint8_t*>(bytes);
    size_t size = count > 0 && source ? std::min<size_t>(static_cast<size_t>(count), sizeLimit_) : 0;
    if (size == 0) {
        source = &zero;
        size = 1;
    }
    // The bytes first: when the block cannot be had, nothing has changed.
    const size_t oldSize = store_.size();
    store_.assign(source, size);
    showNewData(oldSize);
    return true;
}

bool ControlModel::readData(size_t count, const AddBuffer::Filler& fill)
{
    if (count == 0 || count > sizeLimit_)
        return false;
    const size_t oldSize = store_.size();
    if (!store_.assignFrom(count, fillPiece, fill))
        return false;
    showNewData(oldSize);
    return true;
}

bool ControlModel::writeData(size_t byte, size_t count, const Taker& take) const
{
    if (byte > store_.size() || count > store_.size() - byte)
        return false;
    // Pieces of at most 64 MiB: each is one system write on the other side.
    SpanReader reader;
    return reader.forward(store_.table(), byte, byte + count, [&](const uint8_t* run, size_t length, uint64_t) {
        for (size_t at = 0; at < length;) {
            const size_t piece = std::min<size_t>(length - at, fillPiece);
            if (!take(run + at, piece))
                return false;
            at += piece;
        }
        return true;
    }) == SpanReader::Walk::Done;
}

void ControlModel::showNewData(size_t oldSize)
{
    const size_t size = store_.size();
    changes_.replaceAll(oldSize, size);
    positions_.resetPositions(static_cast<int>(2 * size));
    history_.clear();
    notify();
    {
        CaretKidnapper kidnapper(view_);
        view_.invalidate(false);
        view_.placeCaret();
        setModified(false, true);
    }
    ScrollBarSetupper bar(view_);
    bar.setRange(scrollRange());
    bar.setPage(scrollPage());
    bar.setPosition(positions_.topLine);
}

bool ControlModel::newData()
{
    const uint8_t zero = 0;
    return setData(&zero, 1);
}

bool ControlModel::getData(void* buffer, int nibble, int count) const noexcept
{
    if (nibble < 0 || count < 0 || (count > 0 && !buffer))
        return false;
    const size_t byte = static_cast<size_t>(nibble) >> 1;
    return store_.read(byte, static_cast<uint8_t*>(buffer), static_cast<size_t>(count));
}

bool ControlModel::copyBytes(size_t byteOffset, size_t count, uint8_t* out) const noexcept
{
    return store_.read(byteOffset, out, count);
}

void ControlModel::checkEditSize(size_t removeCount, size_t insertCount) const
{
    const uint64_t size = store_.size();
    if (insertCount > sizeLimit_ || size - removeCount + insertCount > sizeLimit_)
        throw AOverflowError();
}

ControlModel::EditResult ControlModel::spliceEdit(int nibble, uint64_t removeCount, const PieceList& putIn,
                                                  PieceList& takenOut)
{
    const uint64_t insertCount = TotalLength(putIn);
    checkEditSize(removeCount, insertCount);
    const size_t byte = static_cast<size_t>(nibble) >> 1;
    const int editBegin = nibble & ~1;
    const int64_t editEnd = editBegin + 2 * static_cast<int64_t>(removeCount);
    const int64_t newNibbles = 2 * static_cast<int64_t>(store_.size() - removeCount + insertCount);
    EditResult result{{}, scrollRange(), scrollPage(), positions_.topLine};

    PieceList removed = store_.replace(byte, removeCount, putIn);
    // Nothing below fails: the store and the positions change together.
    takenOut = std::move(removed);
    changes_.splice(byte, removeCount, insertCount);
    result.damage = positions_.adjustAfterEdit(newNibbles, editBegin, static_cast<int>(editEnd));
    return result;
}

void ControlModel::showEdit(const EditResult& result, ScrollBarSetupper& bar)
{
    view_.placeCaret();
    if (!result.damage.isEmpty())
        view_.applyDamage(result.damage);
    if (scrollRange() != result.rangeBefore)
        bar.setRange(scrollRange());
    if (scrollPage() != result.pageBefore)
        bar.setPage(scrollPage());
    if (positions_.topLine != result.positionBefore)
        bar.setPosition(positions_.topLine);
}

ControlModel::EditResult ControlModel::recordEdit(int editPos, size_t removeCount, const uint8_t* inserted,
                                                  size_t insertCount)
{
    checkEditSize(removeCount, insertCount);  // before the bytes are copied in
    const HistoryList::iterator record = history_.beginRecord();
    EditResult result;
    try {
        record->caretBefore = positions_.caret;
        record->editPos = editPos;
        record->inserted = store_.added(inserted, insertCount);
        result = spliceEdit(editPos, removeCount, record->inserted, record->removed);
    } catch (...) {
        history_.commitRecord(record, false);
        throw;
    }
    if (history_.commitRecord(record, true))
        notify();
    return result;
}

bool ControlModel::clearHistory()
{
    history_.clear();
    notify();
    return true;
}

bool ControlModel::undo()
{
    if (readOnly_ || !history_.canUndo()) {
        view_.beep();
        return false;
    }
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    History& record = history_.undoRecord();
    const EditResult result = spliceEdit(record.editPos, TotalLength(record.inserted), record.removed, record.inserted);
    history_.stepBack();
    notify();
    showEdit(result, bar);
    showCaretAt(std::clamp(record.caretBefore, 0, positions_.nibbleCount - 1), bar);
    return true;
}

bool ControlModel::redo()
{
    if (readOnly_ || !history_.canRedo()) {
        view_.beep();
        return false;
    }
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    History& record = history_.redoRecord();
    showCaretAt(std::clamp(record.caretBefore, 0, positions_.nibbleCount - 1), bar);
    const EditResult result = spliceEdit(record.editPos, TotalLength(record.removed), record.inserted, record.removed);
    history_.stepForward();
    notify();
    showEdit(result, bar);
    return true;
}

void ControlModel::resize(int pageLines)
{
    CaretKidnapper kidnapper(view_);
    {
        ScrollBarSetupper bar(view_);
        positions_.setPageLines(pageLines);
        bar.setRange(scrollRange());
        bar.setPage(scrollPage());
        bar.setPosition(positions_.topLine);
    }
    view_.placeCaret();
    view_.invalidate(true);
}

void ControlModel::fontChanged(int pageLines)
{
    CaretKidnapper kidnapper(view_);
    {
        ScrollBarSetupper bar(view_);
        positions_.setPageLines(pageLines);
        bar.setPage(scrollPage());
        bar.setPosition(positions_.topLine);
    }
    view_.placeCaret();
    view_.invalidate(true);
}

LineDamage ControlModel::setPageLines(int pageLines)
{
    return positions_.setPageLines(pageLines);
}
