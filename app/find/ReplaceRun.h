// ReplaceRun: one replacement run, offering each match in turn and acting on the user's choice.
#pragma once
#include "app/documents/ControlAccess.h"
#include "common/_CVec.h"

#include <cstdint>
#include <string>

// The answers of the replace strip; the fifth button (and Escape) ends the run: end().
enum class ReplaceChoice : int {
    ReplaceNext = 1,  // replace this match and go on
    ReplaceEnd = 2,   // replace this match and stop
    SkipNext = 3,     // leave this match and go on
    All = 4,          // replace this and every further match without asking
};

// Driving a run:
//   ReplaceRun run(control, findBytes, replaceBytes);
//   for (bool waiting = run.start(); waiting; )
//       waiting = strip answered OK ? run.answer(choice) : (run.end(), false);
//   message = ReplacedCountMessage(run.replacedCount());
// A search that finds nothing leaves the run finished at once, silently; one that cannot read
// the document finishes it too, with readFailed(). answer(All)
// finishes the whole run inside the one call, so the caller may hold back painting there.
class ReplaceRun {
public:
    // The byte strings are copied; findBytes must not be empty.
    ReplaceRun(ControlAccess& control, const _CVec<uint8_t>& findBytes, const _CVec<uint8_t>& replaceBytes);

    // First search, from the caret's byte. True when a match is selected and waits for a choice.
    bool start();

    // Acts on the offered match and searches on; true when the next match waits.
    // Stops when a replacement is refused (read-only), when the data ends at or right after
    // the new caret, after ReplaceEnd, after a match that ended at the end of the data, and
    // when no further match is found.
    bool answer(ReplaceChoice choice);

    // The user ended the run; the offered match stays as it is.
    void end() noexcept { waiting_ = false; }

    [[nodiscard]] bool waiting() const noexcept { return waiting_; }
    [[nodiscard]] int replacedCount() const noexcept { return replacedCount_; }
    // Byte offset of the match last found.
    [[nodiscard]] int64_t matchOffset() const noexcept { return matchOffset_; }
    // The run ended because a search met bytes of the document it could not read.
    [[nodiscard]] bool readFailed() const noexcept { return readFailed_; }

private:
    bool search();
    bool apply(ReplaceChoice choice);
    bool placeCaret(int64_t offset);

    ControlAccess& control_;
    _CVec<uint8_t> findBytes_;
    _CVec<uint8_t> replaceBytes_;
    int findCount_;
    int replaceCount_;
    int64_t matchOffset_ = -1;
    bool lastPossible_ = false;  // the offered match ends at the end of the data
    bool waiting_ = false;
    bool readFailed_ = false;
    int replacedCount_ = 0;
};

// "N 個のバイト列を置換しました。" for two replacements or more; empty otherwise (no message).
[[nodiscard]] std::string ReplacedCountMessage(int count);
