// ControlModel: construction, the edit frame, history, flags and the int answers of the exports.
#include "core/ControlModel.h"

#include <algorithm>
#include <climits>
#include <utility>

#include "common/AError.h"
#include "core/ScrollMapping.h"

namespace {

void ignoreChange() {}

// The value where it fits an int, else the export's guard result.
[[nodiscard]] int intOr(int64_t value, int guard) noexcept
{
    return value >= INT_MIN && value <= INT_MAX ? static_cast<int>(value) : guard;
}

} // namespace

ControlModel::ControlModel(ControlView& view, uint64_t sizeLimit)
    : view_(view), sizeLimit_(std::clamp<uint64_t>(sizeLimit, 1, maxDataSize)), notifyChanged_(ignoreChange)
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

int ControlModel::scrollRange() const noexcept { return ScrollMapping::Range(positions_); }
int ControlModel::scrollPage() const noexcept { return ScrollMapping::Page(positions_); }
int ControlModel::scrollPosition() const noexcept { return ScrollMapping::Position(positions_); }

int ControlModel::dataSize() const noexcept { return intOr(int64_t(store_.size()), -1); }
int ControlModel::caretPos() const noexcept { return intOr(positions_.caret, -1); }
int ControlModel::viewTop() const noexcept { return intOr(positions_.topNibble, -1); }
int ControlModel::selectionStart() const noexcept { return intOr(positions_.selBegin, -1); }
int ControlModel::selectionSize() const noexcept { return intOr(selectionSize64(), 0); }
int ControlModel::bookMark(int index) const noexcept { return intOr(bookMark64(index), -1); }

void ControlModel::showNewData(uint64_t oldSize)
{
    const uint64_t size = store_.size();
    changes_.replaceAll(oldSize, size);
    positions_.resetPositions(static_cast<int64_t>(2 * size));
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
    bar.setPosition(scrollPosition());
}

void ControlModel::checkEditSize(uint64_t removeCount, uint64_t insertCount) const
{
    const uint64_t size = store_.size();
    if (insertCount > sizeLimit_ || size - removeCount + insertCount > sizeLimit_)
        throw AOverflowError();
}

void ControlModel::checkCopiedIn(uint64_t removeCount, uint64_t insertCount) const
{
    if (insertCount > maxBytesCopiedIn)
        throw AOverflowError();
    checkEditSize(removeCount, insertCount);
}

ControlModel::EditResult ControlModel::spliceEdit(int64_t nibble, uint64_t removeCount, const PieceList& putIn,
                                                  PieceList& takenOut)
{
    const uint64_t insertCount = TotalLength(putIn);
    checkEditSize(removeCount, insertCount);
    const uint64_t byte = static_cast<uint64_t>(nibble) >> 1;
    const int64_t editBegin = nibble & ~int64_t(1);
    const int64_t editEnd = editBegin + 2 * static_cast<int64_t>(removeCount);
    const int64_t newNibbles = 2 * static_cast<int64_t>(store_.size() - removeCount + insertCount);
    EditResult result{{}, scrollRange(), scrollPage(), scrollPosition()};

    PieceList removed = store_.replace(byte, removeCount, putIn);
    // Nothing below fails: the store and the positions change together.
    takenOut = std::move(removed);
    changes_.splice(byte, removeCount, insertCount);
    result.damage = positions_.adjustAfterEdit(newNibbles, editBegin, editEnd);
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
    if (scrollPosition() != result.positionBefore)
        bar.setPosition(scrollPosition());
}

ControlModel::EditResult ControlModel::recordEdit(int64_t editPos, uint64_t removeCount, const uint8_t* inserted,
                                                  size_t insertCount)
{
    checkCopiedIn(removeCount, insertCount);  // before the bytes are copied in
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
    showCaretAt(std::clamp<int64_t>(record.caretBefore, 0, positions_.nibbleCount - 1), bar);
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
    showCaretAt(std::clamp<int64_t>(record.caretBefore, 0, positions_.nibbleCount - 1), bar);
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
        bar.setPosition(scrollPosition());
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
        bar.setPosition(scrollPosition());
    }
    view_.placeCaret();
    view_.invalidate(true);
}

LineDamage ControlModel::setPageLines(int pageLines)
{
    return positions_.setPageLines(pageLines);
}
