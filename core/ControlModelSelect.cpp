// ControlModel: selection by mouse and Shift, expressed through the selection's begin and end so
// that the selection commands and the gestures act on the same selection.
#include "core/ControlModel.h"

#include <algorithm>

namespace {

constexpr int64_t ByteNibble(int64_t nibble) noexcept { return nibble & ~int64_t(1); }

} // namespace

void ControlModel::setSelectMode(bool on) noexcept
{
    selectMode_ = on;
    dragging_ = false;
}

int64_t ControlModel::selectionAnchor() const noexcept
{
    const PositionModel& p = positions_;
    const int64_t caretByte = ByteNibble(p.caret);
    if (!p.hasSelection())
        return caretByte;
    return caretByte <= p.selBegin ? p.selEnd - 2 : p.selBegin;
}

bool ControlModel::selectToCaret(int64_t anchor)
{
    // An edit since the anchor was taken may have moved the end of the data before it.
    anchor = std::clamp<int64_t>(ByteNibble(anchor), 0, positions_.nibbleCount - 2);
    const int64_t caretByte = ByteNibble(positions_.caret);
    const int64_t begin = std::min(anchor, caretByte);
    const int64_t end = std::max(anchor, caretByte) + 2;
    if (positions_.selBegin == begin && positions_.selEnd == end)
        return true;
    const LineDamage damage = positions_.beginSelection(begin);
    showSelection(mergeDamage(damage, positions_.stretchSelection(end)));
    return true;
}

void ControlModel::mousePress(int64_t nibble, bool shift)
{
    if (nibble < 0 || nibble >= positions_.nibbleCount)
        return;
    if (!selectMode_) {
        setCaretPos(nibble);
        return;
    }
    const int64_t anchor = shift ? selectionAnchor() : ByteNibble(nibble);
    setCaretPos(nibble);
    dragging_ = true;
    dragAnchor_ = anchor;
    dragSelects_ = shift;
    if (shift)
        selectToCaret(anchor);
}

void ControlModel::mouseDrag(int64_t nibble)
{
    if (nibble < 0 || nibble >= positions_.nibbleCount)
        return;
    setCaretPos(nibble);
    if (!dragging_)
        return;
    dragSelects_ = dragSelects_ || ByteNibble(nibble) != dragAnchor_;
    if (dragSelects_)
        selectToCaret(dragAnchor_);
}
