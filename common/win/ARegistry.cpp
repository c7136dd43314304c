// ARegistry: raw registry access, the encoding and value-size bookkeeping, the integer form.
#include "common/win/ARegistry.h"

#include "common/DecimalText.h"
#include "common/PathString.h"
#include "common/ShiftJis.h"
#include "common/win/FileSystem.h"
#include "common/win/WideText.h"

#include <algorithm>
#include <array>
#include <new>

namespace {

// An open registry key, closed when the scope ends.
class OpenKey {
public:
    OpenKey() = default;
    ~OpenKey()
    {
        if (key_)
            RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    [[nodiscard]] HKEY* out() noexcept { return &key_; }
    [[nodiscard]] HKEY get() const noexcept { return key_; }

private:
    HKEY key_ = nullptr;
};

constexpr std::array<std::string_view, 5> EncodingNames = {"sjis", "jis", "euc", "unicode", "utf8"};

ARegistry::Encoding EncodingOf(std::string_view name) noexcept
{
    for (size_t i = 0; i < EncodingNames.size(); ++i)
        if (EncodingNames[i] == name)
            return static_cast<ARegistry::Encoding>(i);
    return ARegistry::kUnknown;
}

} // namespace

std::string ARegistry::ProgramKey()
{
    return "Software\\KORVANI\\" + std::string(ProgramNameOf(AnsiText(ProgramPath())));
}

ARegistry::ARegistry(std::string basePath, bool localMachine)
    : root_(localMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER),
      basePath_(std::move(basePath)),
      buffer_(InitialBufferSize)
{
    const std::string name = ReadString(RecordBaseKey::Section, RecordBaseKey::Encoding, "sjis");
    encoding_ = EncodingOf(name);
    WriteString(RecordBaseKey::Section, RecordBaseKey::Encoding, name);
}

std::string ARegistry::sectionPath(std::string_view section) const
{
    std::string path = basePath_;
    path += '\\';
    path += section;
    return path;
}

std::optional<std::string> ARegistry::readRaw(std::string_view section, std::string_view name)
{
    OpenKey key;
    if (RegOpenKeyExA(root_, sectionPath(section).c_str(), 0, KEY_QUERY_VALUE, key.out()) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer_.size());
    const std::string valueName(name);
    if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(buffer_.data()), &size) != ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return std::nullopt;
    // A string need not be stored with its terminator; the reported size bounds it.
    const std::string_view stored(buffer_.data(), std::min<size_t>(size, buffer_.size()));
    return std::string(stored.substr(0, stored.find('\0')));
}

bool ARegistry::writeRaw(std::string_view section, std::string_view name, std::string_view text)
{
    OpenKey key;
    if (RegCreateKeyExA(root_, sectionPath(section).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        key.out(), nullptr) != ERROR_SUCCESS)
        return false;
    const std::string valueName(name);
    const std::string value(text);  // the terminator goes with the value
    return RegSetValueExA(key.get(), valueName.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

void ARegistry::growBuffer(size_t size) noexcept
{
    size = std::min(size, MaxBufferSize);
    if (size <= buffer_.size())
        return;
    try {
        buffer_.resize(size);
    } catch (const std::bad_alloc&) {
        // Values that need more than the buffer holds then fail to read, as any too long one.
    }
}

bool ARegistry::noteValueSize()
{
    const int recorded = ReadInt(RecordBaseKey::Section, RecordBaseKey::ValueSize, 0);
    if (recorded < 0 || static_cast<size_t>(recorded) < buffer_.size())
        return writeRaw(RecordBaseKey::Section, RecordBaseKey::ValueSize, std::to_string(buffer_.size()));
    growBuffer(static_cast<size_t>(recorded));
    return true;
}

std::optional<std::string> ARegistry::ReadText(std::string_view section, std::string_view name)
{
    if (!noteValueSize())
        return std::nullopt;
    return readRaw(section, name);
}

std::string ARegistry::ReadString(std::string_view section, std::string_view name,
                                  std::string_view defaultText)
{
    std::optional<std::string> text = ReadText(section, name);
    if (!text || text->empty())
        return std::string(defaultText);
    return std::move(*text);
}

bool ARegistry::WriteString(std::string_view section, std::string_view name, std::string_view text)
{
    return makeRoom(text.size() + 1) && writeRaw(section, name, text);
}

bool ARegistry::makeRoom(size_t needed)
{
    if (needed > buffer_.size()) {
        if (needed > MaxBufferSize)
            return false;
        // The record keeps the largest size any store needed: another store may have recorded
        // more than this buffer knows of, and writing less would make its values unreadable.
        const int recorded = ReadInt(RecordBaseKey::Section, RecordBaseKey::ValueSize, 0);
        if (recorded > 0)
            growBuffer(static_cast<size_t>(recorded));
    }
    if (needed > buffer_.size()) {
        growBuffer(needed);
        if (buffer_.size() < needed)
            return false;
        if (!writeRaw(RecordBaseKey::Section, RecordBaseKey::ValueSize, std::to_string(needed)))
            return false;
    }
    return true;
}

std::optional<std::wstring> ARegistry::ReadWideText(std::string_view section, std::string_view name)
{
    if (!noteValueSize())
        return std::nullopt;
    OpenKey key;
    if (RegOpenKeyExA(root_, sectionPath(section).c_str(), 0, KEY_QUERY_VALUE, key.out()) != ERROR_SUCCESS)
        return std::nullopt;
    const std::wstring valueName = WideFromAnsi(name);
    std::wstring text(MAX_PATH, L'\0');
    for (;;) {
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LSTATUS status = RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type,
                                                reinterpret_cast<BYTE*>(text.data()), &size);
        if (status == ERROR_MORE_DATA && size / sizeof(wchar_t) < MaxBufferSize) {
            text.resize(size / sizeof(wchar_t) + 1);
            continue;
        }
        if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            return std::nullopt;
        text.resize(std::min<size_t>(size / sizeof(wchar_t), text.size()));
        return text.substr(0, text.find(L'\0'));
    }
}

bool ARegistry::WriteWideString(std::string_view section, std::string_view name, std::wstring_view text)
{
    // Older editors read the value through the A calls, into a buffer of the recorded size.
    if (!makeRoom(AnsiText(text).size() + 1))
        return false;
    OpenKey key;
    if (RegCreateKeyExA(root_, sectionPath(section).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        key.out(), nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring valueName = WideFromAnsi(name);
    const std::wstring value(text);  // the terminator goes with the value
    return RegSetValueExW(key.get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

int ARegistry::ReadInt(std::string_view section, std::string_view name, int defaultValue)
{
    const std::optional<std::string> text = readRaw(section, name);
    return text ? ParseStoredInt(*text) : defaultValue;
}

bool ARegistry::WriteInt(std::string_view section, std::string_view name, int value)
{
    return WriteString(section, name, std::to_string(value));
}

bool ARegistry::DeleteValue(std::string_view section, std::string_view name)
{
    OpenKey key;
    if (RegOpenKeyExA(root_, sectionPath(section).c_str(), 0, KEY_SET_VALUE, key.out()) != ERROR_SUCCESS)
        return false;
    const std::string valueName(name);
    return RegDeleteValueA(key.get(), valueName.c_str()) == ERROR_SUCCESS;
}

bool ARegistry::DeleteKey(std::string_view section)
{
    return RegDeleteKeyA(root_, sectionPath(section).c_str()) == ERROR_SUCCESS;
}
