// The control's default font, kept as the hexadecimal text of its 60-byte LOGFONT.
#include "core/FontText.h"

namespace {
int hexValue(char c) noexcept
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
} // namespace

size_t DecodeHexPrefix(std::string_view text, uint8_t* out, size_t capacity) noexcept
{
    size_t written = 0;
    for (size_t i = 0; i + 1 < text.size() && written < capacity; i += 2) {
        const int high = hexValue(text[i]);
        const int low = hexValue(text[i + 1]);
        if (high < 0 || low < 0)
            break;
        out[written++] = static_cast<uint8_t>(high << 4 | low);
    }
    return written;
}
