// ControlModel: construction, whole-data operations, the edit frame, history and flags.
#include "core/ControlModel.h"

#include <algorithm>
#include <utility>

#include "common/AError.h"

namespace {

void ignoreChange() {}

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
    store_.assign(source, size);
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
    return true;
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
    if (byte > store_.size() || static_cast<size_t>(count) > store_.size() - byte)
        return false;
    store_.copyOut(byte, static_cast<size_t>(count), static_cast<uint8_t*>(buffer));
    return true;
}

void ControlModel::copyBytes(size_t byteOffset, size_t count, uint8_t* out) const noexcept
{
    store_.copyOut(byteOffset, count, out);
}

void ControlModel::checkEditSize(size_t removeCount, size_t insertCount) const
{
    const uint64_t size = store_.size();
    if (insertCount > sizeLimit_ || size - removeCount + insertCount > sizeLimit_)
        throw AOverflowError();
}

ControlModel::EditResult ControlModel::spliceEdit(int nibble, size_t removeCount, const _CVec<uint8_t>& putIn,
                                                  _CVec<uint8_t>& takenOut)
{
    checkEditSize(removeCount, putIn.size());
    const size_t byte = static_cast<size_t>(nibble) >> 1;
    const int editBegin = nibble & ~1;
    const int64_t editEnd = editBegin + 2 * static_cast<int64_t>(removeCount);
    const int64_t newNibbles = 2 * static_cast<int64_t>(store_.size() - removeCount + putIn.size());
    EditResult result{{}, scrollRange(), scrollPage(), positions_.topLine};

    takenOut.resize(removeCount);
    store_.copyOut(byte, removeCount, takenOut.data());
    store_.replace(byte, removeCount, putIn.data(), putIn.size());
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

ControlModel::EditResult ControlModel::recordEdit(int editPos, size_t removeCount, _CVec<uint8_t>&& inserted)
{
    const HistoryList::iterator record = history_.beginRecord();
    EditResult result;
    try {
        record->caretBefore = positions_.caret;
        record->editPos = editPos;
        record->inserted = std::move(inserted);
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
    const EditResult result = spliceEdit(record.editPos, record.inserted.size(), record.removed, record.inserted);
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
    const EditResult result = spliceEdit(record.editPos, record.removed.size(), record.inserted, record.removed);
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
