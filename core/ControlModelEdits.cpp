// ControlModel: the byte edits of the keyboard and the exports, and the two selection edits.
#include "core/ControlModel.h"

#include <vector>

namespace {

const uint8_t zeroByte = 0;

} // namespace

bool ControlModel::typeDigit(int digit)
{
    if (digit < 0 || digit > 15)
        return false;
    if (readOnly_) {
        view_.beep();
        return false;
    }
    const int64_t caret = positions_.caret;
    uint8_t old = 0;
    if (!store_.read(static_cast<uint64_t>(caret) >> 1, &old, 1)) {
        view_.beep();  // the other digit of an unreadable byte is not known
        return false;
    }
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    const uint8_t typed = caret & 1 ? static_cast<uint8_t>((old & 0xF0) | digit)
                                    : static_cast<uint8_t>((old & 0x0F) | (digit << 4));
    const EditResult result = recordEdit(caret, 1, &typed, 1);
    setModified(true, true);
    showEdit(result, bar);
    moveCaret(Move::Right, bar);  // at the last nibble this beeps; the digit stays
    return true;
}

bool ControlModel::deleteAtCaret(ScrollBarSetupper& bar)
{
    if (readOnly_ || positions_.nibbleCount == 2) {
        view_.beep();
        return false;
    }
    const EditResult result = recordEdit(positions_.caret, 1, nullptr, 0);
    setModified(true, true);
    showEdit(result, bar);
    return true;
}

bool ControlModel::deleteByte()
{
    if (readOnly_ || positions_.nibbleCount == 2) {
        view_.beep();
        return false;
    }
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    return deleteAtCaret(bar);
}

bool ControlModel::backSpace()
{
    if (readOnly_ || positions_.caret < 2) {
        view_.beep();
        return false;
    }
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    moveCaret(Move::Left, bar);
    moveCaret(Move::Left, bar);
    deleteAtCaret(bar);
    return true;
}

bool ControlModel::insert()
{
    if (readOnly_) {
        view_.beep();
        return false;
    }
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    const EditResult result = recordEdit(positions_.caret, 0, &zeroByte, 1);
    setModified(true, true);
    showEdit(result, bar);
    moveCaret(Move::Left, bar);  // back onto the same nibble of the new byte
    moveCaret(Move::Left, bar);
    return true;
}

bool ControlModel::space()
{
    if (readOnly_) {
        view_.beep();
        return false;
    }
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    const EditResult result = recordEdit(positions_.caret + 2, 0, &zeroByte, 1);
    setModified(true, true);
    showEdit(result, bar);
    moveCaret(Move::Right, bar);
    moveCaret(Move::Right, bar);
    return true;
}

bool ControlModel::tab()
{
    if (readOnly_) {
        view_.beep();
        return false;
    }
    const size_t padding = static_cast<size_t>(tabSize_ - (positions_.caret / 2) % tabSize_);  // 1 .. tabSize
    checkCopiedIn(0, padding);  // before the zero bytes are made
    const std::vector<uint8_t> zeros(padding);
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    const EditResult result = recordEdit(positions_.caret, 0, zeros.data(), padding);
    setModified(true, true);
    showEdit(result, bar);
    return true;
}

bool ControlModel::insertData(int64_t nibble, const void* bytes, int count)
{
    if (readOnly_) {
        view_.beep();
        return false;
    }
    if (count <= 0 || !bytes || nibble < 0 || nibble > positions_.nibbleCount)
        return false;
    checkCopiedIn(0, static_cast<size_t>(count));
    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    const EditResult result = recordEdit(nibble, 0, static_cast<const uint8_t*>(bytes), static_cast<size_t>(count));
    setModified(true, true);
    showEdit(result, bar);
    return true;
}

bool ControlModel::deleteSelection()
{
    return editSelection(nullptr, 0);
}

bool ControlModel::replaceSelection(const void* bytes, int count)
{
    if (count < 0 || (count > 0 && !bytes)) {
        if (readOnly_)
            view_.beep();
        return false;
    }
    return editSelection(static_cast<const uint8_t*>(bytes), static_cast<size_t>(count));
}

bool ControlModel::editSelection(const uint8_t* bytes, size_t count)
{
    if (readOnly_) {
        view_.beep();
        return false;
    }
    const int64_t begin = positions_.selBegin;
    const int64_t end = positions_.selEnd;
    if (begin < 0 || end - begin < 2)
        return false;
    const uint64_t removeCount = static_cast<uint64_t>(end - begin) / 2;
    const bool wholeData = begin == 0 && end == positions_.nibbleCount;
    if (!count && wholeData) {  // the data keeps one byte
        bytes = &zeroByte;
        count = 1;
    }

    CaretKidnapper kidnapper(view_);
    ScrollBarSetupper bar(view_);
    positions_.clearSelection();  // its lines lie inside the edit's damage
    EditResult result;
    try {
        result = recordEdit(begin, removeCount, bytes, count);
    } catch (...) {
        positions_.selBegin = begin;
        positions_.selEnd = end;
        throw;
    }
    setModified(true, true);
    showEdit(result, bar);
    return true;
}
