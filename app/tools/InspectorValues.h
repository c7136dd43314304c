// The data inspector's rows: the bytes at the caret read as integers, floats, bits and characters.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The most bytes any row reads.
inline constexpr size_t InspectorByteCount = 8;

// The code page the pane's texts are in (932 on the program's side). The conversions are the
// system's; the tests supply a small table.
class InspectorCodePage {
public:
    virtual ~InspectorCodePage() = default;
    // The code page's bytes for the code point; empty when it has no character for it.
    [[nodiscard]] virtual std::string FromCodePoint(char32_t codePoint) const = 0;
    // The code point of one well-formed character of the code page (one or two bytes); none
    // when the code page assigns it nothing.
    [[nodiscard]] virtual std::optional<char32_t> ToCodePoint(std::string_view character) const = 0;
};

struct InspectorRow {
    std::string label;
    std::string text;
};

// The rows for the bytes at the caret: `bytes` holds those that exist, at most
// InspectorByteCount (fewer near the end of the data, none at its end). A row whose bytes are
// not all there shows kTextInspectorPastEnd. The row count and labels never change.
[[nodiscard]] std::vector<InspectorRow> InspectorRows(std::span<const uint8_t> bytes,
                                                      const InspectorCodePage& codePage);

// The first `size` bytes (at most 8, all there) as an unsigned number in the given byte order:
// the decoding the rows share with the number search.
[[nodiscard]] uint64_t InspectorUnsigned(std::span<const uint8_t> bytes, size_t size, bool bigEndian) noexcept;

// The row count of InspectorRows.
[[nodiscard]] size_t InspectorRowCount() noexcept;

// One row as the pane shows it: the label padded to a column (the pane's font is fixed-pitch
// and a Shift-JIS byte is one half-width cell), then the text.
[[nodiscard]] std::string InspectorLine(const InspectorRow& row);

// Rows as copied: "label<TAB>text" per row, lines ended by CR LF.
[[nodiscard]] std::string InspectorCopyText(std::span<const InspectorRow> rows);

// A float or double as text: the shortest form that reads back to the same value; "NaN" with
// its bits in hex (the payload and sign tell NaNs apart), "+∞"/"-∞", and a denormal marked as
// such.
[[nodiscard]] std::string FloatText(float value);
[[nodiscard]] std::string FloatText(double value);
