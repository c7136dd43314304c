// The clipboard's byte blocks: the bytes a clipboard text stands for, when it stands for any.
#pragma once
#include "common/_CVec.h"

#include <cstdint>
#include <optional>
#include <string_view>

// The bytes of a whole byte-string text (two hex digits per byte, either case, nothing else).
// An empty text, an odd length, or any character but a hex digit (blanks, line breaks, a
// prefix) gives none: such a text is never inserted, not even in part.
[[nodiscard]] std::optional<_CVec<uint8_t>> ClipboardBytes(std::string_view text);
