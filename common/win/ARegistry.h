// ARegistry: the program's values in the registry, with the store's own "Record Base" bookkeeping.
#pragma once
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One store is made for each batch of reads or writes. Values are registry strings in
// sections, the subkeys of the base key. Every failure is silent: a failed read gives
// nothing (or the default), a failed write returns false and leaves the old value.
class ARegistry {
public:
    // The text encoding recorded in "Record Base"; it does not change how values are stored.
    enum Encoding : int { kSjis = 0, kJis = 1, kEuc = 2, kUnicode = 3, kUtf8 = 4, kUnknown = 6 };

    static constexpr size_t InitialBufferSize = 264;
    // The most any value may need, terminator included. A recorded "value size" beyond it is
    // taken as this much, so a damaged record cannot ask for an absurd buffer.
    static constexpr size_t MaxBufferSize = 1024 * 1024;

    // "Software\KORVANI\" and the program's file name without its folder and its last four
    // characters (the ".exe"), so a renamed copy of the program keeps settings of its own.
    [[nodiscard]] static std::string ProgramKey();

    // Opens the store under HKEY_CURRENT_USER (HKEY_LOCAL_MACHINE with localMachine) and
    // records the encoding: "encoding" is read (default "sjis") and written back.
    explicit ARegistry(std::string basePath = ProgramKey(), bool localMachine = false);
    virtual ~ARegistry() = default;
    ARegistry(const ARegistry&) = delete;
    ARegistry& operator=(const ARegistry&) = delete;

    // The value's text (up to its first NUL), after the "value size" bookkeeping: the buffer
    // grows to the recorded size, and a recorded size below the buffer's is raised to it.
    // None when the section or value is missing, is no string, or does not fit the buffer.
    [[nodiscard]] std::optional<std::string> ReadText(std::string_view section, std::string_view name);
    // ReadText; the default when there is none or it is empty.
    [[nodiscard]] std::string ReadString(std::string_view section, std::string_view name,
                                         std::string_view defaultText);
    // Creates the section (and missing parent keys) as needed. A text longer than the buffer
    // grows it and records the new "value size" first; the value is not written when that
    // record cannot be, nor when the text could never be read back (MaxBufferSize).
    bool WriteString(std::string_view section, std::string_view name, std::string_view text);

    // A name's value through the W calls, so that characters no code page spells are kept. The
    // bookkeeping is ReadText's and WriteString's for the value's ANSI form, which older
    // editors read. None when the value is missing or no string.
    [[nodiscard]] std::optional<std::wstring> ReadWideText(std::string_view section, std::string_view name);
    bool WriteWideString(std::string_view section, std::string_view name, std::wstring_view text);

    // The number in the stored text (ParseStoredInt), read without the bookkeeping; the
    // default when the value cannot be read.
    [[nodiscard]] int ReadInt(std::string_view section, std::string_view name, int defaultValue);
    bool WriteInt(std::string_view section, std::string_view name, int value);

    bool DeleteValue(std::string_view section, std::string_view name);
    // Deletes the section's key (a section has no subkeys of its own).
    bool DeleteKey(std::string_view section);

    [[nodiscard]] Encoding encoding() const noexcept { return encoding_; }
    [[nodiscard]] size_t bufferSize() const noexcept { return buffer_.size(); }
    [[nodiscard]] const std::string& basePath() const noexcept { return basePath_; }

private:
    [[nodiscard]] std::string sectionPath(std::string_view section) const;
    [[nodiscard]] std::optional<std::string> readRaw(std::string_view section, std::string_view name);
    bool writeRaw(std::string_view section, std::string_view name, std::string_view text);
    // Tries to give the buffer `size` bytes; keeps the old one when memory runs out.
    void growBuffer(size_t size) noexcept;
    // ReadText's bookkeeping: the buffer grows to the recorded "value size", and a recorded size
    // below the buffer's is raised to it. False when that record cannot be written.
    bool noteValueSize();
    // Grows the buffer (and the recorded "value size") to hold a value of `needed` bytes with its
    // terminator; false when it cannot.
    bool makeRoom(size_t needed);

    HKEY root_;
    std::string basePath_;
    Encoding encoding_ = kUnknown;
    std::vector<char> buffer_;  // invariant: InitialBufferSize <= size <= MaxBufferSize
};

// Section and value names of the store's bookkeeping.
namespace RecordBaseKey {
inline constexpr std::string_view Section = "Record Base";
inline constexpr std::string_view Encoding = "encoding";
inline constexpr std::string_view ValueSize = "value size";
} // namespace RecordBaseKey
