// ControlModel: search over the document's pieces and the showing of a hit.
#include "core/ControlModel.h"

#include "core/ByteSearcher.h"

void ControlModel::showHit(uint64_t byte, uint64_t count)
{
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    const int64_t begin = static_cast<int64_t>(2 * byte);
    showCaretAt(begin, bar);
    const LineDamage damage = positions_.beginSelection(begin);
    showSelection(mergeDamage(damage, positions_.stretchSelection(begin + static_cast<int64_t>(2 * count))));
}

ControlModel::Found ControlModel::find(FindFrom from, int64_t nibble, const void* pattern, int count,
                                       bool eitherCase, const void* caseFlags)
{
    if (count <= 0 || !pattern)
        return Found::Miss;
    const ByteSearcher searcher(static_cast<const uint8_t*>(pattern), static_cast<size_t>(count), eitherCase,
                                static_cast<const uint8_t*>(caseFlags));
    return find(from, nibble, searcher, count);
}

ControlModel::Found ControlModel::findMasked(FindFrom from, int64_t nibble, const void* pattern, const void* masks,
                                             int count)
{
    if (count <= 0 || !pattern || !masks)
        return Found::Miss;
    const ByteSearcher searcher(static_cast<const uint8_t*>(pattern), static_cast<size_t>(count),
                                ByteSearcher::Masked{}, static_cast<const uint8_t*>(masks));
    return find(from, nibble, searcher, count);
}

ControlModel::Found ControlModel::find(FindFrom from, int64_t nibble, const ByteSearcher& searcher, int count)
{
    const int64_t lowest = from == FindFrom::Before ? 2 : 0;  // a position in the first byte has nothing before it
    if (nibble < lowest)
        return Found::Miss;
    const uint64_t byte = static_cast<uint64_t>(nibble) >> 1;
    SpanReader reader;
    bool readFailed = false;
    const uint64_t hit = from == FindFrom::Before
                             ? searcher.findBackward(store_.table(), byte - 1, reader, readFailed)
                             : searcher.findForward(store_.table(), from == FindFrom::After ? byte + 1 : byte, reader,
                                                    readFailed);
    if (readFailed)
        return Found::ReadFailed;
    if (hit == ByteSearcher::npos)
        return Found::Miss;
    showHit(hit, static_cast<uint64_t>(count));
    return Found::Hit;
}

bool ControlModel::findFirst(int64_t nibble, const void* pattern, int count)
{
    return find(FindFrom::Nibble, nibble, pattern, count, false, nullptr) == Found::Hit;
}

bool ControlModel::findNext(int64_t nibble, const void* pattern, int count)
{
    return find(FindFrom::After, nibble, pattern, count, false, nullptr) == Found::Hit;
}

bool ControlModel::findPrev(int64_t nibble, const void* pattern, int count)
{
    return find(FindFrom::Before, nibble, pattern, count, false, nullptr) == Found::Hit;
}

bool ControlModel::findEitherCase(FindFrom from, int64_t nibble, const void* pattern, const void* caseFlags, int count)
{
    return find(from, nibble, pattern, count, true, caseFlags) == Found::Hit;
}
