// NumberFind: the number search as a find command: where it starts from the caret and what a hit shows.
#pragma once
#include "app/documents/ControlAccess.h"
#include "app/find/FindCommand.h"
#include "app/patching/NumberPattern.h"

// Searches as RunFind does, from the caret: First from the caret's byte, Next from the byte
// after it, Prev backwards from the byte before it. A hit puts the caret on the value's first
// byte and selects the value; `read` reads the control's data in chunks, so any size works.
[[nodiscard]] FindOutcome RunNumberFind(ControlAccess& control, FindDirection direction, const NumberPattern& pattern,
                                        const NumberSource& read);
