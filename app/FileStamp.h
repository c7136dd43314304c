// FileStamp: a file's last-write time as the editing list keeps it, and the clock that reads it.
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

// Where stamps come from: the file system's last-write times and the system clock.
class FileClock {
public:
    virtual ~FileClock() = default;
    // The file's last-write time; false when the file cannot be opened.
    virtual bool fileStamp(std::string_view name, FileStamp& stamp) = 0;
    virtual FileStamp now() = 0;
};
