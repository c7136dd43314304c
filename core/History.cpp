// HistoryList: filing, discarding and stepping over undo records.
#include "core/History.h"

HistoryList::iterator HistoryList::beginRecord()
{
    return records_.emplace_front();
}

bool HistoryList::commitRecord(iterator record, bool keep) noexcept
{
    if (!keep) {
        records_.erase(record);
        return false;
    }
    records_.eraseToEnd(undoPoint_);
    records_.move(record, records_.end());
    undoPoint_ = records_.end();
    if (canUndo_ && !canRedo_)
        return false;
    canUndo_ = true;
    canRedo_ = false;
    return true;
}

void HistoryList::stepBack() noexcept
{
    --undoPoint_;
    canUndo_ = undoPoint_ != records_.begin();
    canRedo_ = true;
}

void HistoryList::stepForward() noexcept
{
    ++undoPoint_;
    canUndo_ = true;
    canRedo_ = undoPoint_ != records_.end();
}

void HistoryList::clear() noexcept
{
    records_.clear();
    undoPoint_ = records_.end();
    canUndo_ = canRedo_ = false;
}
