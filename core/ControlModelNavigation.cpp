// ControlModel: caret moves, scrolling, selection commands, bookmarks and search.
#include "core/ControlModel.h"

#include <algorithm>

#include "core/ByteSearcher.h"

bool ControlModel::moveCaret(Move move, ScrollBarSetupper& bar)
{
    const int caret = positions_.caret;
    const int count = positions_.nibbleCount;
    const int lineStart = caret - caret % PositionModel::lineNibbles;
    bool atBoundary = false;
    int target = caret;
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
        bar.setPosition(positions_.topLine);
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

void ControlModel::showCaretAt(int nibble, ScrollBarSetupper& bar)
{
    const LineDamage damage = positions_.setCaret(nibble);
    view_.placeCaret();
    if (damage.hasLines()) {
        if (damage.scrolledLines != 0)
            bar.setPosition(positions_.topLine);
        view_.applyDamage(damage);
    }
}

bool ControlModel::setCaretPos(int nibble)
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

bool ControlModel::setViewTop(int nibble)
{
    if (nibble < 0 || nibble >= positions_.nibbleCount)
        return false;
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    positions_.setTopLine(nibble / PositionModel::lineNibbles);
    view_.invalidate(false);
    view_.placeCaret();
    bar.setPosition(positions_.topLine);
    return true;
}

bool ControlModel::scrollView(int scrollCode, int trackPos)
{
    const PositionModel& p = positions_;
    int64_t delta = 0;
    switch (scrollCode) {
    case ScrollLineUp: delta = -1; break;
    case ScrollLineDown: delta = 1; break;
    case ScrollPageUp: delta = -int64_t(std::max(p.pageLines, 1)); break;
    case ScrollPageDown: delta = std::max(p.pageLines, 1); break;
    case ScrollThumbTrack: delta = int64_t(trackPos) - p.topLine; break;
    default: break;
    }
    return scrollLines(delta);
}

bool ControlModel::scrollLines(int64_t delta)
{
    CaretKidnapper kidnapper(view_);
    const PositionModel& p = positions_;
    delta = std::min<int64_t>(delta, int64_t(p.lineCount) - p.topLine - p.pageLines);
    delta = std::max<int64_t>(delta, -int64_t(p.topLine));
    if (delta != 0) {
        ScrollBarSetupper bar(view_);
        const LineDamage damage = positions_.setTopLine(p.topLine + static_cast<int>(delta));
        bar.setPosition(p.topLine);
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

bool ControlModel::setSelection(int nibble, int count)
{
    if (count <= 0 || nibble < 0)
        return false;
    const int begin = nibble & ~1;
    const int64_t end = begin + 2 * int64_t(count);
    if (end > positions_.nibbleCount)
        return false;
    const LineDamage damage = positions_.beginSelection(begin);
    showSelection(mergeDamage(damage, positions_.stretchSelection(static_cast<int>(end))));
    return true;
}

int ControlModel::selectionSize() const noexcept
{
    return positions_.hasSelection() ? (positions_.selEnd - positions_.selBegin) / 2 : 0;
}

int ControlModel::bookMark(int index) const noexcept
{
    return index >= 0 && index < PositionModel::bookmarkSlots ? positions_.bookmarks[index] : -1;
}

bool ControlModel::goBookMark(int index)
{
    const int nibble = bookMark(index);
    if (nibble < 0)
        return false;
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    showCaretAt(nibble, bar);
    return true;
}

bool ControlModel::setBookMark(int index, int nibble)
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

void ControlModel::showHit(size_t byte, size_t count)
{
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    const int begin = static_cast<int>(2 * byte);
    showCaretAt(begin, bar);
    const LineDamage damage = positions_.beginSelection(begin);
    showSelection(mergeDamage(damage, positions_.stretchSelection(begin + static_cast<int>(2 * count))));
}

bool ControlModel::find(FindFrom from, int nibble, const void* pattern, int count, bool eitherCase,
                        const void* caseFlags)
{
    const int lowest = from == FindFrom::Before ? 2 : 0;  // a position in the first byte has nothing before it
    if (nibble < lowest || count <= 0 || !pattern)
        return false;
    const ByteSearcher searcher(static_cast<const uint8_t*>(pattern), static_cast<size_t>(count), eitherCase,
                                static_cast<const uint8_t*>(caseFlags));
    const size_t byte = static_cast<size_t>(nibble) >> 1;
    SpanReader reader;
    bool readFailed = false;
    const uint64_t hit = from == FindFrom::Before
                             ? searcher.findBackward(store_.table(), byte - 1, reader, readFailed)
                             : searcher.findForward(store_.table(), from == FindFrom::After ? byte + 1 : byte, reader,
                                                    readFailed);
    if (hit == ByteSearcher::npos)
        return false;
    showHit(hit, static_cast<size_t>(count));
    return true;
}

bool ControlModel::findFirst(int nibble, const void* pattern, int count)
{
    return find(FindFrom::Nibble, nibble, pattern, count, false, nullptr);
}

bool ControlModel::findNext(int nibble, const void* pattern, int count)
{
    return find(FindFrom::After, nibble, pattern, count, false, nullptr);
}

bool ControlModel::findPrev(int nibble, const void* pattern, int count)
{
    return find(FindFrom::Before, nibble, pattern, count, false, nullptr);
}

bool ControlModel::findEitherCase(FindFrom from, int nibble, const void* pattern, const void* caseFlags, int count)
{
    return find(from, nibble, pattern, count, true, caseFlags);
}
