// PositionModel: caret, view, selection and bookmark rules.
#include "core/PositionModel.h"

#include <algorithm>

#include "common/AError.h"

namespace {

[[nodiscard]] int64_t linesFor(int64_t nibbles) noexcept
{
    return (nibbles + PositionModel::lineNibbles - 1) / PositionModel::lineNibbles;
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

void PositionModel::storeView(int64_t top, int64_t bottom) noexcept
{
    topLine = top;
    bottomLine = bottom;
    topNibble = top * lineNibbles;
    bottomNibble = std::min(nibbleCount, topNibble + pageNibbles);
}

LineDamage PositionModel::scrollDamage(int64_t oldTop, int64_t oldBottom) const noexcept
{
    const int64_t moved = topLine - oldTop;
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

LineDamage PositionModel::visibleLines(int64_t firstNibble, int64_t endNibble) const noexcept
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

LineDamage PositionModel::bookmarkLine(int64_t nibble) const noexcept
{
    return nibble < 0 ? LineDamage{} : visibleLines(nibble, nibble + 1);
}

void PositionModel::resetPositions(int64_t nibbles)
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

LineDamage PositionModel::setPageLines(int64_t lines)
{
    lines = std::clamp<int64_t>(lines, 1, maxPageLines);
    if (lines > pageLines) {
        pageLines = lines;
        pageNibbles = lines * lineNibbles;
        const int64_t top = std::max<int64_t>(0, std::min(topLine, lineCount - lines));
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

LineDamage PositionModel::setTopLine(int64_t line)
{
    const int64_t top = std::max<int64_t>(0, std::min(line, lineCount - pageLines));
    const int64_t oldTop = topLine;
    const int64_t oldBottom = bottomLine;
    storeView(top, std::min(lineCount, top + pageLines));
    const LineDamage damage = scrollDamage(oldTop, oldBottom);

    const int64_t column = caret % lineNibbles;
    if (caret >= bottomNibble)
        caret = (bottomLine - 1) * lineNibbles + column;
    if (caret < topNibble)
        caret = topNibble + column;
    if (caret >= nibbleCount)  // a one-line page on the shorter last line
        caret = nibbleCount - 1;
    return damage;
}

LineDamage PositionModel::setCaret(int64_t nibble)
{
    caret = nibble;
    if (nibble >= topNibble && nibble < bottomNibble)
        return {};
    if (nibble < topNibble)
        return setTopLine(nibble / lineNibbles);
    return setTopLine(std::max<int64_t>(0, nibble / lineNibbles + 1 - pageLines));
}

LineDamage PositionModel::adjustAfterEdit(int64_t newNibbleCount, int64_t editBegin, int64_t editEnd)
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

    const int64_t oldLineCount = lineCount;
    lineCount = linesFor(newCount);
    nibbleCount = newCount;
    const LineDamage editDamage = LineDamage::lines(
        editBegin / lineNibbles, delta == 0 ? (end + lineNibbles - 1) / lineNibbles : std::max(lineCount, oldLineCount));

    if (caret >= begin) {
        const int64_t moved = caret < end ? begin : caret + delta;
        caret = std::min(moved, newCount - 1);
    }

    // The view keeps its top line where it can and is pulled to the caret where it must.
    const int64_t oldTop = topLine;
    const int64_t oldBottom = bottomLine;
    int64_t top = std::max<int64_t>(0, std::min(topLine, lineCount - pageLines));
    if (caret < top * lineNibbles)
        top = caret / lineNibbles;
    int64_t bottom = std::min(lineCount, top + pageLines);
    if (caret >= std::min(newCount, top * lineNibbles + pageNibbles)) {
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
            damage = mergeDamage(damage, beginSelection(mappedBegin));
            damage = mergeDamage(damage, stretchSelection(mappedEnd));
        }
    }

    if (bookmarkCount != 0) {
        for (int slot = 0; slot < bookmarkSlots; ++slot) {
            const int64_t old = bookmarks[slot];
            if (old < 0)
                continue;
            int64_t mapped = old < begin ? old : (old < end ? -1 : old + delta);
            if (mapped >= newCount)
                mapped = -1;
            if (mapped != old)
                damage = mergeDamage(damage, setBookmarkSlot(slot, mapped));
        }
    }

    damage.firstLine = std::max(damage.firstLine, topLine);
    damage.endLine = std::min(damage.endLine, topLine + pageLines);
    if (!damage.hasLines())
        damage.firstLine = damage.endLine = -1;
    return damage;
}

LineDamage PositionModel::beginSelection(int64_t nibble)
{
    LineDamage damage = selectionLines();
    selBegin = nibble & ~int64_t(1);
    selEnd = selBegin + 2;
    return mergeDamage(damage, selectionLines());
}

LineDamage PositionModel::stretchSelection(int64_t nibble)
{
    if (!hasSelection())
        return {};
    const LineDamage before = selectionLines();
    const int64_t end = nibble & ~int64_t(1);
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

LineDamage PositionModel::setBookmarkSlot(int index, int64_t value)
{
    const int64_t old = bookmarks[index];
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
        return "nibbleCount outside 2..maxNibbleCount or odd";
    if (lineCount != linesFor(nibbleCount))
        return "lineCount is not ceil(nibbleCount / 32)";
    if (pageLines < 1 || pageLines > maxPageLines || pageNibbles != pageLines * lineNibbles)
        return "pageLines or pageNibbles wrong";
    if (topLine < 0 || topLine > std::max<int64_t>(0, lineCount - pageLines))
        return "topLine outside 0..max(0, lineCount - pageLines)";
    if (bottomLine != std::min(lineCount, topLine + pageLines) || topNibble != topLine * lineNibbles
        || bottomNibble != std::min(nibbleCount, topNibble + pageNibbles))
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
    for (const int64_t bookmark : bookmarks) {
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
