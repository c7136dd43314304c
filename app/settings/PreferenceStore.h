// The registry as the preferences see it: text values by section and name, and the value encodings.
#pragma once
#include "common/DecimalText.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Every value is stored as text. A subclass supplies the raw access (the registry on Windows,
// a map in tests); the typed reads and writes are the same for every store. Failures are
// silent: a failed read gives the default, a failed write leaves the old value.
class PreferenceStore {
public:
    virtual ~PreferenceStore() = default;

    // The stored text, or none when the section or value is missing or cannot be read.
    [[nodiscard]] virtual std::optional<std::string> readText(std::string_view section,
                                                              std::string_view name) = 0;
    // Creates the section when needed; false when the value could not be written.
    virtual bool writeText(std::string_view section, std::string_view name, std::string_view text) = 0;
    // The same for a value that holds a file's name, which any characters may spell.
    [[nodiscard]] virtual std::optional<std::wstring> readWideText(std::string_view section,
                                                                   std::string_view name) = 0;
    virtual bool writeWideText(std::string_view section, std::string_view name, std::wstring_view text) = 0;

    // The stored text; the default when it is missing or empty.
    [[nodiscard]] std::string ReadString(std::string_view section, std::string_view name,
                                         std::string_view defaultText);
    // The number in the stored text (ParseStoredInt); the default when the value is missing.
    [[nodiscard]] int ReadInt(std::string_view section, std::string_view name, int defaultValue);
    // "1" at the start reads true, "0" false; anything else, or a missing value, the default.
    [[nodiscard]] bool ReadBool(std::string_view section, std::string_view name, bool defaultValue);
    // Fills `buffer` from a text of exactly 2 x buffer.size() hex digits (either case) and
    // returns true; any other text, or a missing value, leaves the buffer untouched.
    bool ReadBinary(std::string_view section, std::string_view name, std::span<uint8_t> buffer);

    bool WriteString(std::string_view section, std::string_view name, std::string_view text);
    bool WriteInt(std::string_view section, std::string_view name, int value);
    bool WriteBool(std::string_view section, std::string_view name, bool value);
    // Two upper-case hex digits per byte, in byte order.
    bool WriteBinary(std::string_view section, std::string_view name, std::span<const uint8_t> bytes);
};
