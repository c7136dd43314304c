// The find, find-next and find-previous commands: where a search starts and what follows it.
#pragma once
#include "app/documents/ControlAccess.h"
#include "common/_CVec.h"

#include <cstdint>

enum class FindOutcome {
    NoPattern,  // nothing remembered to search for: the command does nothing
    Found,      // the control moved the caret onto the match and selected it
    NotFound,   // caret and selection unchanged; the caller shows kTextFindNotFound
    ReadFailed, // the search met bytes of the document it could not read; the caller says so
};

// Searches from the caret: First includes the caret's byte, Next starts one byte later,
// Prev goes backwards from the byte before it.
// With `caseFlags` (one per pattern byte) the flagged ASCII letters match either case; with
// `masks` (one per pattern byte) only the masked bits of each byte count.
[[nodiscard]] FindOutcome RunFind(ControlAccess& control, FindDirection direction,
                                  const _CVec<uint8_t>& findBytes, const _CVec<uint8_t>& caseFlags = {},
                                  const _CVec<uint8_t>& masks = {});
