// The find commands over the control's three searches.
#include "app/find/FindCommand.h"

#include "common/AError.h"

#include <climits>
#include <stdexcept>

FindOutcome RunFind(ControlAccess& control, FindDirection direction, const _CVec<uint8_t>& findBytes,
                    const _CVec<uint8_t>& caseFlags, const _CVec<uint8_t>& masks)
{
    if (findBytes.empty())
        return FindOutcome::NoPattern;
    if (findBytes.size() > INT_MAX)
        throw AOverflowError();
    if ((!caseFlags.empty() && caseFlags.size() != findBytes.size()) || (!masks.empty() && masks.size() != findBytes.size()))
        throw std::invalid_argument("RunFind: one case flag or mask per pattern byte");
    const int count = static_cast<int>(findBytes.size());
    const FindMatch match = !masks.empty()       ? FindMatch::Masked
                            : !caseFlags.empty() ? FindMatch::EitherCase
                                                 : FindMatch::Exact;
    const uint8_t* flags = match == FindMatch::Masked       ? masks.data()
                           : match == FindMatch::EitherCase ? caseFlags.data()
                                                            : nullptr;
    switch (control.find(direction, control.caretPos(), findBytes.data(), count, match, flags)) {
    case FindResult::Found:
        return FindOutcome::Found;
    case FindResult::NotFound:
        return FindOutcome::NotFound;
    default:
        return FindOutcome::ReadFailed;
    }
}
