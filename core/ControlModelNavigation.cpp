// ControlModel: caret moves, scrolling, selection commands and bookmarks.
#include "core/ControlModel.h"

#include <algorithm>

#include "core/ScrollMapping.h"

bool ControlModel::moveCaret(Move move, ScrollBarSetupper& bar)
{
    const int64_t caret = positions_.caret;
    const int64_t count = positions_.nibbleCount;
    const int64_t lineStart = caret - caret % PositionModel::lineNibbles;
    bool atBoundary = false;
    int64_t target = caret;
    switch (move) {
    case Move::Down:
        atBoundary = caret >= count - PositionModel::lineNibbles;
        target = caret + PositionModel::lineNibbles;
        break;
    case Move::Up:
        atBoundary = caret < PositionModel::lineNibbles;
        target = caret - PositionModel::lineNibbles;
        break;
    case Move::Left:
        atBoundary = caret == 0;
        target = caret - 1;
        break;
    case Move::Right:
        atBoundary = caret + 1 >= count;
        target = caret + 1;
        break;
    case Move::LineTop:
        target = lineStart;
        break;
    case Move::LineEnd:
        target = std::min(lineStart + PositionModel::lineNibbles - 1, count - 1);
        break;
    }
    if (atBoundary) {
        view_.beep();
        return false;
    }
    const LineDamage damage = positions_.setCaret(target);
    if (damage.scrolledLines != 0) {
        view_.applyDamage(damage);
        bar.setPosition(scrollPosition());
    }
    view_.placeCaret();
    return true;
}

bool ControlModel::moveCaret(Move move)
{
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    return moveCaret(move, bar);
}

bool ControlModel::cursorDown() { return moveCaret(Move::Down); }

bool ControlModel::cursorUp() { return moveCaret(Move::Up); }

bool ControlModel::cursorLeft() { return moveCaret(Move::Left); }

bool ControlModel::cursorRight() { return moveCaret(Move::Right); }

bool ControlModel::lineTop() { return moveCaret(Move::LineTop); }

bool ControlModel::lineEnd() { return moveCaret(Move::LineEnd); }

void ControlModel::showCaretAt(int64_t nibble, ScrollBarSetupper& bar)
{
    const LineDamage damage = positions_.setCaret(nibble);
    view_.placeCaret();
    if (damage.hasLines()) {
        if (damage.scrolledLines != 0)
            bar.setPosition(scrollPosition());
        view_.applyDamage(damage);
    }
}

bool ControlModel::setCaretPos(int64_t nibble)
{
    if (nibble < 0 || nibble >= positions_.nibbleCount)
        return false;
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    showCaretAt(nibble, bar);
    return true;
}

bool ControlModel::dataTop()
{
    return setCaretPos(0);
}

bool ControlModel::dataEnd()
{
    return setCaretPos(positions_.nibbleCount - 1);
}

bool ControlModel::setViewTop(int64_t nibble)
{
    if (nibble < 0 || nibble >= positions_.nibbleCount)
        return false;
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    positions_.setTopLine(nibble / PositionModel::lineNibbles);
    view_.invalidate(false);
    view_.placeCaret();
    bar.setPosition(scrollPosition());
    return true;
}

bool ControlModel::scrollView(int scrollCode, int trackPos)
{
    const PositionModel& p = positions_;
    int64_t delta = 0;
    switch (scrollCode) {
    case ScrollLineUp: delta = -1; break;
    case ScrollLineDown: delta = 1; break;
    case ScrollPageUp: delta = -std::max<int64_t>(p.pageLines, 1); break;
    case ScrollPageDown: delta = std::max<int64_t>(p.pageLines, 1); break;
    case ScrollThumbTrack: delta = ScrollMapping::LineAt(trackPos, p) - p.topLine; break;
    default: break;
    }
    return scrollLines(delta);
}

bool ControlModel::scrollLines(int64_t delta)
{
    CaretKidnapper kidnapper(view_);
    const PositionModel& p = positions_;
    delta = std::min<int64_t>(delta, p.lineCount - p.topLine - p.pageLines);
    delta = std::max<int64_t>(delta, -p.topLine);
    if (delta != 0) {
        ScrollBarSetupper bar(view_);
        const LineDamage damage = positions_.setTopLine(p.topLine + delta);
        bar.setPosition(scrollPosition());
        view_.placeCaret();
        view_.applyDamage(damage);
    }
    return true;
}

bool ControlModel::pageDown()
{
    return scrollView(ScrollPageDown);
}

bool ControlModel::pageUp()
{
    return scrollView(ScrollPageUp);
}

void ControlModel::showSelection(const LineDamage& damage)
{
    if (!damage.hasLines())
        return;
    CaretKidnapper kidnapper(view_);
    view_.applyDamage(damage);
}

bool ControlModel::selectionBegin()
{
    showSelection(positions_.beginSelection(positions_.caret));
    return true;
}

bool ControlModel::selectionEnd()
{
    if (positions_.hasSelection())
        showSelection(positions_.stretchSelection(positions_.caret + 2));
    return true;
}

bool ControlModel::hideSelection()
{
    if (positions_.hasSelection())
        showSelection(positions_.clearSelection());
    return true;
}

bool ControlModel::setSelection(int64_t nibble, int64_t count)
{
    if (count <= 0 || nibble < 0 || nibble >= positions_.nibbleCount)
        return false;
    const int64_t begin = nibble & ~int64_t(1);
    if (count > (positions_.nibbleCount - begin) / 2)
        return false;
    const int64_t end = begin + 2 * count;
    const LineDamage damage = positions_.beginSelection(begin);
    showSelection(mergeDamage(damage, positions_.stretchSelection(end)));
    return true;
}

int64_t ControlModel::selectionSize64() const noexcept
{
    return positions_.hasSelection() ? (positions_.selEnd - positions_.selBegin) / 2 : 0;
}

int64_t ControlModel::bookMark64(int index) const noexcept
{
    return index >= 0 && index < PositionModel::bookmarkSlots ? positions_.bookmarks[index] : -1;
}

bool ControlModel::goBookMark(int index)
{
    const int64_t nibble = bookMark64(index);
    if (nibble < 0)
        return false;
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    showCaretAt(nibble, bar);
    return true;
}

bool ControlModel::setBookMark(int index, int64_t nibble)
{
    if (index < 0 || index >= PositionModel::bookmarkSlots)
        return false;
    if (nibble != -1 && (nibble < 0 || nibble >= positions_.nibbleCount))
        return false;
    CaretKidnapper kidnapper(view_);
    const LineDamage damage = positions_.setBookmarkSlot(index, nibble);
    if (damage.hasLines())
        view_.applyDamage(damage);
    return true;
}
