// TextPattern: a search text turned into the bytes of an encoding, with the bytes that stand for ASCII letters marked.
#pragma once
#include "common/_CVec.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

enum class TextEncoding { ShiftJis, Utf16Le, Utf8 };

// What the text search dialog was last left with, for the next time it opens.
struct TextSearchEntry {
    std::string text;
    TextEncoding encoding = TextEncoding::ShiftJis;
    bool eitherCase = false;
};

// The code-page step: Shift-JIS text (code page 932) as UTF-16 code units; none when the text
// holds a sequence the code page does not define. The program passes the system's conversion.
using SjisToUtf16 = std::function<std::optional<std::u16string>(std::string_view)>;

struct TextPattern {
    _CVec<uint8_t> bytes;
    // One per byte: 1 where the byte is a whole character that is an ASCII letter, so it may
    // match its other case; 0 for everything else, trail bytes and the high bytes of UTF-16
    // code units included (the trail byte 0x41 of ア is not the letter A).
    _CVec<uint8_t> letters;
};

// The text (Shift-JIS, as the program's narrow strings are) in `encoding`. False, with the
// pattern empty, when the text is empty, ends in a lone lead byte or the code-page step
// refuses it: nothing is searched for in place of what cannot be converted.
bool TextToPattern(std::string_view text, TextEncoding encoding, const SjisToUtf16& toUtf16, TextPattern& pattern);
