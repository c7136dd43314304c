// BytePosition: the jump dialog's rules: position texts in either radix, the entry check, the result.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The items of the notation radio group, by index.
enum class PositionRadix : int { Hex = 0, Decimal = 1 };

// Hexadecimal in upper case without prefix or leading zeros, or plain decimal: "1A", "26", "0".
[[nodiscard]] std::string PositionText(uint64_t value, PositionRadix radix);

// The value of a text made only of digits of the radix (hexadecimal digits in either case);
// none for an empty text, any other character, or a value beyond 64 bits.
[[nodiscard]] std::optional<uint64_t> ParsePosition(std::string_view text, PositionRadix radix) noexcept;

class BytePosition {
public:
    // Fills the dialog: the document size in bytes and the caret's byte offset.
    void SetPosition(uint64_t dataSize, uint64_t currentOffset) noexcept
    {
        dataSize_ = dataSize;
        currentOffset_ = currentOffset;
    }
    void SetRadix(PositionRadix radix) noexcept { radix_ = radix; }

    [[nodiscard]] uint64_t DataSize() const noexcept { return dataSize_; }
    [[nodiscard]] uint64_t CurrentOffset() const noexcept { return currentOffset_; }
    [[nodiscard]] PositionRadix Radix() const noexcept { return radix_; }

    // "1A [0 - FF]" / "26 [0 - 255]": the current offset and the range, in the radix.
    [[nodiscard]] std::string InfoText() const;
    // The new-position field's first text: the current offset in the radix.
    [[nodiscard]] std::string EditText() const { return PositionText(currentOffset_, radix_); }

    // OK is enabled exactly for a text that reads, in the selected radix, as an offset inside
    // the data. Run it on every change of the text and after every radix switch: a text typed
    // in one radix may mean nothing, or another offset, in the other.
    [[nodiscard]] bool IsAcceptable(std::string_view text) const noexcept
    {
        return GetNewPosition(text).has_value();
    }

    // The entered byte offset read in the selected radix; none when it is not acceptable.
    [[nodiscard]] std::optional<uint64_t> GetNewPosition(std::string_view text) const noexcept;

private:
    uint64_t dataSize_ = 1;
    uint64_t currentOffset_ = 0;
    PositionRadix radix_ = PositionRadix::Hex;  // every opening starts in hexadecimal
};
