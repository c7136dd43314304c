// ByteFormats: the four texts and the two that read back.
#include "app/patching/ByteFormats.h"

#include "app/find/ByteText.h"

namespace {

constexpr char kDigits[] = "0123456789ABCDEF";
constexpr char kNewLine[] = "\r\n";

void AppendHex(std::string& text, uint64_t value, int digits)
{
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        text += kDigits[(value >> shift) & 0xF];
}

// The dump's characters: printable ASCII as it is, everything else a dot.
[[nodiscard]] char Shown(uint8_t byte) noexcept { return byte >= 0x20 && byte < 0x7F ? static_cast<char>(byte) : '.'; }

std::string CArray(const uint8_t* bytes, size_t count)
{
    std::string text = "unsigned char data[" + std::to_string(count) + "] = {" + kNewLine;
    for (size_t i = 0; i < count; ++i) {
        if (i % 12 == 0)
            text += "    ";
        text += "0x";
        AppendHex(text, bytes[i], 2);
        if (i + 1 < count)
            text += i % 12 == 11 ? "," : ", ";
        if (i % 12 == 11 || i + 1 == count)
            text += kNewLine;
    }
    return text + "};" + kNewLine;
}

std::string HexString(const uint8_t* bytes, size_t count)
{
    std::string text;
    text.reserve(count * 3);
    for (size_t i = 0; i < count; ++i) {
        if (i > 0)
            text += ' ';
        AppendHex(text, bytes[i], 2);
    }
    return text;
}

std::string HexDump(const uint8_t* bytes, size_t count, uint64_t offset, int offsetDigits)
{
    std::string text;
    for (size_t line = 0; line < count; line += 16) {
        const size_t n = count - line < 16 ? count - line : 16;
        AppendHex(text, offset + line, offsetDigits);
        text += "  ";
        for (size_t i = 0; i < 16; ++i) {
            if (i < n)
                AppendHex(text, bytes[line + i], 2);
            else
                text += "  ";
            text += ' ';
        }
        text += ' ';
        for (size_t i = 0; i < n; ++i)
            text += Shown(bytes[line + i]);
        text += kNewLine;
    }
    return text;
}

std::string Base64(const uint8_t* bytes, size_t count)
{
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    size_t column = 0;
    for (size_t i = 0; i < count; i += 3) {
        const uint32_t group = (uint32_t{bytes[i]} << 16) | (i + 1 < count ? uint32_t{bytes[i + 1]} << 8 : 0u)
                               | (i + 2 < count ? uint32_t{bytes[i + 2]} : 0u);
        if (column == 76) {
            text += kNewLine;
            column = 0;
        }
        text += kAlphabet[(group >> 18) & 63];
        text += kAlphabet[(group >> 12) & 63];
        text += i + 1 < count ? kAlphabet[(group >> 6) & 63] : '=';
        text += i + 2 < count ? kAlphabet[group & 63] : '=';
        column += 4;
    }
    return text;
}

[[nodiscard]] bool IsBlank(char c) noexcept { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Pairs of hex digits with blanks between pairs: appended to `bytes`; false for anything else.
bool ReadPairs(std::string_view text, std::vector<uint8_t>& bytes)
{
    size_t i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        if (i + 1 >= text.size())
            return false;
        const int high = HexDigitValue(text[i]), low = HexDigitValue(text[i + 1]);
        if (high < 0 || low < 0)
            return false;
        bytes.push_back(static_cast<uint8_t>(high << 4 | low));
        i += 2;
    }
    return true;
}

// One line of a dump: an offset of hex digits, two blanks, up to 16 pairs each followed by a
// blank, and the characters after two blanks more.
bool ReadDumpLine(std::string_view line, std::vector<uint8_t>& bytes)
{
    size_t i = 0;
    while (i < line.size() && HexDigitValue(line[i]) >= 0)
        ++i;
    if (i < 8 || line.substr(i, 2) != "  ")
        return false;
    i += 2;
    for (int n = 0; n < 16 && i + 2 < line.size() && line[i] != ' '; ++n, i += 3) {
        const int high = HexDigitValue(line[i]), low = HexDigitValue(line[i + 1]);
        if (high < 0 || low < 0 || line[i + 2] != ' ')
            return false;
        bytes.push_back(static_cast<uint8_t>(high << 4 | low));
    }
    return true;
}

std::optional<std::vector<uint8_t>> ReadDump(std::string_view text)
{
    std::vector<uint8_t> bytes;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;
        if (!ReadDumpLine(line, bytes))
            return std::nullopt;
    }
    return bytes;
}

} // namespace

std::string FormatBytes(ByteFormat format, const uint8_t* bytes, size_t count, uint64_t offset, int offsetDigits)
{
    switch (format) {
    case ByteFormat::CArray: return CArray(bytes, count);
    case ByteFormat::HexString: return HexString(bytes, count);
    case ByteFormat::HexDump: return HexDump(bytes, count, offset, offsetDigits < 8 ? 8 : offsetDigits);
    case ByteFormat::Base64: return Base64(bytes, count);
    }
    return {};
}

std::optional<std::vector<uint8_t>> ParseHexText(std::string_view text)
{
    // A dump first: its offsets and characters would also pass for pairs now and then.
    std::optional<std::vector<uint8_t>> bytes = ReadDump(text);
    if (!bytes) {
        bytes.emplace();
        if (!ReadPairs(text, *bytes))
            return std::nullopt;
    }
    if (bytes->empty())
        return std::nullopt;
    return bytes;
}
