// Typed reads and writes over a text store.
#include "app/settings/PreferenceStore.h"

#include "app/find/ByteText.h"

std::string PreferenceStore::ReadString(std::string_view section, std::string_view name,
                                        std::string_view defaultText)
{
    std::optional<std::string> text = readText(section, name);
    if (!text || text->empty())
        return std::string(defaultText);
    return std::move(*text);
}

int PreferenceStore::ReadInt(std::string_view section, std::string_view name, int defaultValue)
{
    const std::optional<std::string> text = readText(section, name);
    return text ? ParseStoredInt(*text) : defaultValue;
}

bool PreferenceStore::ReadBool(std::string_view section, std::string_view name, bool defaultValue)
{
    const std::optional<std::string> text = readText(section, name);
    if (!text || text->empty())
        return defaultValue;
    if ((*text)[0] == '1')
        return true;
    if ((*text)[0] == '0')
        return false;
    return defaultValue;
}

bool PreferenceStore::ReadBinary(std::string_view section, std::string_view name,
                                 std::span<uint8_t> buffer)
{
    // A partly converted value would mix stored bytes with the defaults (a font record with
    // the height of one font and the face of another), so only a whole value is taken.
    const std::optional<std::string> text = readText(section, name);
    if (!text || text->size() != 2 * buffer.size() || !IsHexByteText(*text))
        return false;
    for (size_t i = 0; i < buffer.size(); ++i)
        buffer[i] = static_cast<uint8_t>(HexDigitValue((*text)[2 * i]) << 4 | HexDigitValue((*text)[2 * i + 1]));
    return true;
}

bool PreferenceStore::WriteString(std::string_view section, std::string_view name, std::string_view text)
{
    return writeText(section, name, text);
}

bool PreferenceStore::WriteInt(std::string_view section, std::string_view name, int value)
{
    return writeText(section, name, std::to_string(value));
}

bool PreferenceStore::WriteBool(std::string_view section, std::string_view name, bool value)
{
    return writeText(section, name, value ? "1" : "0");
}

bool PreferenceStore::WriteBinary(std::string_view section, std::string_view name,
                                  std::span<const uint8_t> bytes)
{
    return writeText(section, name, BytesToHex(bytes.data(), bytes.size()));
}
