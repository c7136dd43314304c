// ReplaceRun: the replace loop as a state machine between prompts.
#include "app/find/ReplaceRun.h"

#include "app/texts/ProgramTexts.h"

#include "common/AError.h"

#include <climits>

namespace {

int ByteCount(size_t size)
{
    if (size > INT_MAX)
        throw AOverflowError();
    return static_cast<int>(size);
}

} // namespace

ReplaceRun::ReplaceRun(ControlAccess& control, const _CVec<uint8_t>& findBytes, const _CVec<uint8_t>& replaceBytes)
    : control_(control), findBytes_(findBytes), replaceBytes_(replaceBytes),
      findCount_(ByteCount(findBytes.size())), replaceCount_(ByteCount(replaceBytes.size()))
{
}

bool ReplaceRun::start()
{
    waiting_ = search();
    return waiting_;
}

bool ReplaceRun::answer(ReplaceChoice choice)
{
    if (!waiting_)
        return false;
    waiting_ = false;
    do {
        if (!apply(choice) || !search())
            return false;
    } while (choice == ReplaceChoice::All);
    waiting_ = true;
    return true;
}

bool ReplaceRun::search()
{
    if (findCount_ == 0)
        return false;
    const FindResult found =
        control_.find(FindDirection::First, control_.caretPos(), findBytes_.data(), findCount_, FindMatch::Exact, nullptr);
    readFailed_ = found == FindResult::Failed;
    if (found != FindResult::Found)
        return false;
    matchOffset_ = control_.caretPos() / 2;
    lastPossible_ = control_.dataSize() - findCount_ == matchOffset_;
    return true;
}

// Replaces or skips the offered match and puts the caret where the next search starts;
// false when the run ends here.
bool ReplaceRun::apply(ReplaceChoice choice)
{
    const int64_t match = matchOffset_;
    switch (choice) {
    case ReplaceChoice::ReplaceNext:
    case ReplaceChoice::ReplaceEnd:
    case ReplaceChoice::All:
        if (!control_.replaceSelection(replaceBytes_.data(), replaceCount_))
            return false;
        ++replacedCount_;
        if (!placeCaret(match + replaceCount_))  // just past the inserted bytes
            return false;
        break;
    case ReplaceChoice::SkipNext:
        if (!placeCaret(match + 1))  // so overlapping matches are offered too
            return false;
        break;
    default:
        return false;
    }
    return choice != ReplaceChoice::ReplaceEnd && !lastPossible_;
}

// The next search starts at byte `offset`; false when the data ends before it.
bool ReplaceRun::placeCaret(int64_t offset)
{
    if (control_.dataSize() <= offset)
        return false;
    control_.setCaretPos(2 * offset);
    return true;
}

std::string ReplacedCountMessage(int count)
{
    if (count < 2)
        return {};
    return std::to_string(count) + kTextReplacedCountSuffix;
}
