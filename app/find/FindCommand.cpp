// The find commands over the control's three searches.
#include "app/find/FindCommand.h"

#include "common/AError.h"

#include <climits>
#include <stdexcept>

FindOutcome RunFind(ControlAccess& control, FindDirection direction, const _CVec<uint8_t>& findBytes,
                    const _CVec<uint8_t>& caseFlags)
{
    if (findBytes.empty())
        return FindOutcome::NoPattern;
    if (findBytes.size() > INT_MAX)
        throw AOverflowError();
    if (!caseFlags.empty() && caseFlags.size() != findBytes.size())
        throw std::invalid_argument("RunFind: one case flag per pattern byte");
    const int caret = control.caretPos();
    const int count = static_cast<int>(findBytes.size());
    if (!caseFlags.empty())
        return control.findCaseless(direction, caret, findBytes.data(), caseFlags.data(), count) ? FindOutcome::Found
                                                                                                 : FindOutcome::NotFound;
    bool found = false;
    switch (direction) {
    case FindDirection::First:
        found = control.findFirst(caret, findBytes.data(), count);
        break;
    case FindDirection::Next:
        found = control.findNext(caret, findBytes.data(), count);
        break;
    case FindDirection::Prev:
        found = control.findPrev(caret, findBytes.data(), count);
        break;
    }
    return found ? FindOutcome::Found : FindOutcome::NotFound;
}
