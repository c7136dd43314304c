// ByteFormats: bytes as the texts people paste into source code and mails (a C array, a hex
// string, a hex dump as the window shows it, Base64), and the two hex forms read back.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class ByteFormat : uint8_t { CArray, HexString, HexDump, Base64 };

// The most bytes a text is made of: past it the text would be several times as many bytes in
// the clipboard, hundreds of megabytes for a large selection.
inline constexpr uint64_t kByteFormatLimit = 16u << 20;

// `bytes` as text in `format`, lines ended by CR LF as the clipboard's texts are. `offset` is
// where the bytes stand in the document (the dump's offset column); `offsetDigits` the
// column's width (at least 8, wider as the document needs).
//   CArray:    unsigned char data[3] = {\r\n    0x41, 0x42, 0x43\r\n};   12 bytes a line
//   HexString: 41 42 43                                                 one line
//   HexDump:   00000010  41 42 43 ...  ABC                              16 bytes a line
//   Base64:    QUJD                                                     76 characters a line
[[nodiscard]] std::string FormatBytes(ByteFormat format, const uint8_t* bytes, size_t count, uint64_t offset = 0,
                                      int offsetDigits = 8);

// The bytes of a hex string (pairs of hex digits, either case, blanks and line breaks between
// pairs allowed) or of a hex dump in the form FormatBytes writes (the offset column and the
// characters are skipped). None for anything else, or for a text with no byte.
[[nodiscard]] std::optional<std::vector<uint8_t>> ParseHexText(std::string_view text);
