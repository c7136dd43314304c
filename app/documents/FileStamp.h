// FileStamp: a file's last-write time as the editing list keeps it, its version, and the clock that reads them.
#pragma once
#include <cstdint>
#include <string_view>

// UTC, as the file system gives it. Equal when all seven fields are equal.
struct FileStamp {
    uint16_t year = 0;
    uint16_t month = 0;
    uint16_t day = 0;
    uint16_t hour = 0;
    uint16_t minute = 0;
    uint16_t second = 0;
    uint16_t millisecond = 0;

    bool operator==(const FileStamp&) const = default;
};

// A file as the file system shows it now: enough to tell that another program wrote, replaced
// or deleted it since the editor read it.
struct FileVersion {
    // Unknown: the file system could not say (no access, drive not ready, a bad name form).
    enum class State : uint8_t { Unknown, Missing, Present };
    State state = State::Unknown;
    uint64_t size = 0;
    uint64_t lastWrite = 0;  // 100-ns ticks, as fine as the file system keeps them
    bool readOnly = false;   // the read-only attribute; not part of SameFile

    [[nodiscard]] bool SameFile(const FileVersion& other) const noexcept
    {
        return state == other.state && size == other.size && lastWrite == other.lastWrite;
    }
};

// Where stamps come from: the file system's last-write times and the system clock.
class FileClock {
public:
    virtual ~FileClock() = default;
    // The file's last-write time; false when the file cannot be opened.
    virtual bool fileStamp(std::wstring_view name, FileStamp& stamp) = 0;
    virtual FileStamp now() = 0;
    // Size, last-write time and read-only attribute, read without opening the file.
    virtual FileVersion fileVersion(std::wstring_view name) = 0;
};
