// The clipboard's byte blocks: the bytes a clipboard text stands for, when it stands for any.
#pragma once
#include "common/_CVec.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The bytes of a whole byte-string text (two hex digits per byte, either case, nothing else).
// An empty text, an odd length, or any character but a hex digit (blanks, line breaks, a
// prefix) gives none: such a text is never inserted, not even in part.
[[nodiscard]] std::optional<_CVec<uint8_t>> ClipboardBytes(std::string_view text);

// The largest selection a copy puts on the clipboard, in bytes. Its text, two characters a
// byte and a terminating zero, then stays below 2 GiB: a length every reader of the clipboard
// holds in a signed 32-bit number, the program's own insert included. It is also what a copy
// took before documents outgrew the control's 1 GiB, so nothing that copied stops copying.
inline constexpr uint64_t kClipboardCopyLimit = 0x3FFFFFFF;

// Empty when a selection of `size` bytes fits on the clipboard; otherwise the message that
// refuses the copy, naming the selection's size and the limit.
[[nodiscard]] std::string CopyRefusal(uint64_t size);
