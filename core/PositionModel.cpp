// PositionModel: caret, view, selection and bookmark rules.
#include "core/PositionModel.h"

#include <algorithm>

#include "common/AError.h"

namespace {

[[nodiscard]] int linesFor(int64_t nibbles) noexcept
{
    return static_cast<int>((nibbles + PositionModel::lineNibbles - 1) / PositionModel::lineNibbles);
}

// Maps a position at or after an edit that replaced [begin, end) and changed the size by delta.
[[nodiscard]] int64_t mapBegin(int64_t p, int64_t begin, int64_t end, int64_t delta) noexcept
{
    if (p < begin)
        return p;
    return p < end ? end + delta : p + delta;
}
[[nodiscard]] int64_t mapEnd(int64_t p, int64_t begin, int64_t end, int64_t delta) noexcept
{
    if (p <= begin)
        return p;
    return p <= end ? begin : p + delta;
}

} // namespace

void PositionModel::storeView(int top, int bottom) noexcept
{
    topLine = top;
    bottomLine = bottom;
    topNibble = top * lineNibbles;
    bottomNibble = static_cast<int>(std::min<int64_t>(nibbleCount, int64_t(topNibble) + pageNibbles));
}

LineDamage PositionModel::scrollDamage(int oldTop, int oldBottom) const noexcept
{
    const int moved = topLine - oldTop;
    LineDamage damage;
    if (moved == 0)
        return damage;
    if (moved >= pageLines || -moved >= pageLines)
        damage = LineDamage::lines(topLine, bottomLine);
    else if (moved > 0)
        damage = LineDamage::lines(std::max(topLine, oldBottom), bottomLine);
    else
        damage = LineDamage::lines(topLine, std::min(bottomLine, oldTop));
    damage.scrolledLines = moved;
    return damage;
}

LineDamage PositionModel::visibleLines(int firstNibble, int endNibble) const noexcept
{
    if (endNibble <= firstNibble)
        return {};
    return LineDamage::lines(std::max(firstNibble / lineNibbles, topLine),
                             std::min((endNibble - 1) / lineNibbles + 1, bottomLine));
}

LineDamage PositionModel::selectionLines() const noexcept
{
    return hasSelection() ? visibleLines(selBegin, selEnd) : LineDamage{};
}

LineDamage PositionModel::bookmarkLine(int nibble) const noexcept
{
    return nibble < 0 ? LineDamage{} : visibleLines(nibble, nibble + 1);
}

void PositionModel::resetPositions(int nibbles)
{
    if (nibbles > maxNibbleCount || nibbles < 2)
        throw AOverflowError();
    nibbleCount = nibbles;
    lineCount = linesFor(nibbles);
    storeView(0, std::min(lineCount, pageLines));
    caret = 0;
    selBegin = selEnd = -1;
    std::fill(std::begin(bookmarks), std::end(bookmarks), -1);
    bookmarkCount = 0;
}

LineDamage PositionModel::setPageLines(int lines)
{
    lines = std::clamp(lines, 1, maxPageLines);
    if (lines > pageLines) {
        pageLines = lines;
        pageNibbles = lines * lineNibbles;
        const int top = std::max(0, std::min(topLine, lineCount - lines));
        storeView(top, std::min(lineCount, top + lines));
        return LineDamage::lines(topLine, bottomLine);
    }
    pageLines = lines;
    pageNibbles = lines * lineNibbles;
    storeView(topLine, std::min(lineCount, topLine + lines));
    if (caret >= bottomNibble)  // the last visible line is a full one here
        caret = (bottomLine - 1) * lineNibbles + caret % lineNibbles;
    return {};
}

LineDamage PositionModel::setTopLine(int line)
{
    const int top = std::max(0, std::min(line, lineCount - pageLines));
    const int oldTop = topLine;
    const int oldBottom = bottomLine;
    storeView(top, std::min(lineCount, top + pageLines));
    const LineDamage damage = scrollDamage(oldTop, oldBottom);

    const int column = caret % lineNibbles;
    if (caret >= bottomNibble)
        caret = (bottomLine - 1) * lineNibbles + column;
    if (caret < topNibble)
        caret = topNibble + column;
    if (caret >= nibbleCount)  // a one-line page on the shorter last line
        caret = nibbleCount - 1;
    return damage;
}

LineDamage PositionModel::setCaret(int nibble)
{
    caret = nibble;
    if (nibble >= topNibble && nibble < bottomNibble)
        return {};
    if (nibble < topNibble)
        return setTopLine(nibble / lineNibbles);
    return setTopLine(std::max(0, nibble / lineNibbles + 1 - pageLines));
}

LineDamage PositionModel::adjustAfterEdit(int64_t newNibbleCount, int editBegin, int editEnd)
{
    if (newNibbleCount > maxNibbleCount || newNibbleCount < 2)
        throw AOverflowError();
    const int64_t newCount = newNibbleCount;
    const int64_t delta = newCount - nibbleCount;
    const int64_t begin = editBegin;
    const int64_t end = editEnd;

    if (delta == 0 && end == begin + 2) {  // one byte overwritten by one byte: nothing moves
        if (editBegin >= topNibble && editBegin < bottomNibble)
            return LineDamage::lines(editBegin / lineNibbles, (editEnd + lineNibbles - 1) / lineNibbles);
        return {};
    }

    const int oldLineCount = lineCount;
    lineCount = linesFor(newCount);
    nibbleCount = static_cast<int>(newCount);
    const LineDamage editDamage = LineDamage::lines(
        editBegin / lineNibbles,
        delta == 0 ? static_cast<int>((end + lineNibbles - 1) / lineNibbles) : std::max(lineCount, oldLineCount));

    if (caret >= begin) {
        const int64_t moved = caret < end ? begin : caret + delta;
        caret = static_cast<int>(std::min(moved, newCount - 1));
    }

    // The view keeps its top line where it can and is pulled to the caret where it must.
    const int oldTop = topLine;
    const int oldBottom = bottomLine;
    int top = std::max(0, std::min(topLine, lineCount - pageLines));
    if (caret < top * lineNibbles)
        top = caret / lineNibbles;
    int bottom = std::min(lineCount, top + pageLines);
    if (int64_t(caret) >= std::min<int64_t>(newCount, int64_t(top) * lineNibbles + pageNibbles)) {
        bottom = caret / lineNibbles + 1;
        top = bottom - pageLines;
    }
    storeView(top, bottom);
    LineDamage damage = mergeDamage(editDamage, scrollDamage(oldTop, oldBottom));

    if (hasSelection()) {
        const int64_t mappedBegin = std::min(mapBegin(selBegin, begin, end, delta), newCount);
        const int64_t mappedEnd = std::min(mapEnd(selEnd, begin, end, delta), newCount);
        // An edit that removed every selected byte maps begin and end together: the selection
        // is gone with its bytes.
        if (mappedEnd <= mappedBegin) {
            damage = mergeDamage(damage, clearSelection());
        } else {
            damage = mergeDamage(damage, beginSelection(static_cast<int>(mappedBegin)));
            damage = mergeDamage(damage, stretchSelection(static_cast<int>(mappedEnd)));
        }
    }

    if (bookmarkCount != 0) {
        for (int slot = 0; slot < bookmarkSlots; ++slot) {
            const int old = bookmarks[slot];
            if (old < 0)
                continue;
            int64_t mapped = old < begin ? old : (old < end ? -1 : old + delta);
            if (mapped >= newCount)
                mapped = -1;
            if (mapped != old)
                damage = mergeDamage(damage, setBookmarkSlot(slot, static_cast<int>(mapped)));
        }
    }

    damage.firstLine = std::max(damage.firstLine, topLine);
    damage.endLine = std::min(damage.endLine, topLine + pageLines);
    if (!damage.hasLines())
        damage.firstLine = damage.endLine = -1;
    return damage;
}

LineDamage PositionModel::beginSelection(int nibble)
{
    LineDamage damage = selectionLines();
    selBegin = nibble & ~1;
    selEnd = selBegin + 2;
    return mergeDamage(damage, selectionLines());
}

LineDamage PositionModel::stretchSelection(int nibble)
{
    if (!hasSelection())
        return {};
    const LineDamage before = selectionLines();
    const int end = nibble & ~1;
    if (end > selEnd)
        selEnd = end;
    else if (end >= 2 && end - 2 < selBegin)
        selBegin = end - 2;
    else
        return {};
    return mergeDamage(before, selectionLines());
}

LineDamage PositionModel::clearSelection()
{
    const LineDamage damage = selectionLines();
    selBegin = selEnd = -1;
    return damage;
}

LineDamage PositionModel::setBookmarkSlot(int index, int value)
{
    const int old = bookmarks[index];
    if (old >= 0 && value < 0)
        --bookmarkCount;
    else if (old < 0 && value >= 0)
        ++bookmarkCount;
    bookmarks[index] = value;
    return mergeDamage(bookmarkLine(old), bookmarkLine(value));
}

const char* PositionModel::brokenInvariant() const noexcept
{
    if (nibbleCount < 2 || nibbleCount > maxNibbleCount || nibbleCount % 2 != 0)
        return "nibbleCount outside 2..0x7FFFFFFE or odd";
    if (lineCount != linesFor(nibbleCount))
        return "lineCount is not ceil(nibbleCount / 32)";
    if (pageLines < 1 || pageLines > maxPageLines || pageNibbles != pageLines * lineNibbles)
        return "pageLines or pageNibbles wrong";
    if (topLine < 0 || topLine > std::max(0, lineCount - pageLines))
        return "topLine outside 0..max(0, lineCount - pageLines)";
    if (bottomLine != std::min(lineCount, topLine + pageLines) || topNibble != topLine * lineNibbles
        || bottomNibble != std::min<int64_t>(nibbleCount, int64_t(topNibble) + pageNibbles))
        return "bottomLine, topNibble or bottomNibble out of step with topLine";
    if (caret < 0 || caret >= nibbleCount)
        return "caret outside the data";
    if (caret < topNibble || caret >= bottomNibble)
        return "caret outside the view";
    if (selBegin != -1 || selEnd != -1) {
        if (selBegin < 0 || selBegin % 2 != 0 || selEnd % 2 != 0 || selBegin >= selEnd || selEnd > nibbleCount)
            return "selection not an ordered run of whole bytes inside the data";
    }
    int set = 0;
    for (const int bookmark : bookmarks) {
        if (bookmark == -1)
            continue;
        if (bookmark < 0 || bookmark >= nibbleCount)
            return "bookmark outside the data";
        ++set;
    }
    if (set != bookmarkCount)
        return "bookmarkCount not the number of set bookmarks";
    return nullptr;
}
