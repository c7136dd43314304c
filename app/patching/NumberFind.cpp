// NumberFind: the number search over the control's data, read through its exports.
#include "app/patching/NumberFind.h"

FindOutcome RunNumberFind(ControlAccess& control, FindDirection direction, const NumberPattern& pattern,
                          const NumberSource& read)
{
    if (pattern.bytes.empty())
        return FindOutcome::NoPattern;
    const int64_t size = control.dataSize();
    const int64_t caret = control.caretPos();
    if (size <= 0 || caret < 0)
        return FindOutcome::NotFound;
    const uint64_t byte = static_cast<uint64_t>(caret) / 2;
    const bool forward = direction != FindDirection::Prev;
    if (!forward && byte == 0)
        return FindOutcome::NotFound;
    const uint64_t from = direction == FindDirection::Next ? byte + 1 : forward ? byte : byte - 1;
    bool readFailed = false;
    const uint64_t hit = FindNumber(pattern, static_cast<uint64_t>(size), from, forward, read, readFailed);
    if (readFailed)
        return FindOutcome::ReadFailed;
    if (hit == kNumberNotFound)
        return FindOutcome::NotFound;
    const int64_t nibble = static_cast<int64_t>(2 * hit);
    control.setCaretPos(nibble);
    control.setSelection(nibble, static_cast<int64_t>(pattern.type.size));
    return FindOutcome::Found;
}
