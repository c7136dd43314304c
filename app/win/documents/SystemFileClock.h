// File stamps from the file system and the system clock.
#pragma once
#include "app/documents/FileStamp.h"

#include <string_view>

// The file's last-write time (UTC); false when it cannot be opened for reading.
[[nodiscard]] bool GetFileStamp(std::wstring_view name, FileStamp& stamp);

class SystemFileClock : public FileClock {
public:
    bool fileStamp(std::wstring_view name, FileStamp& stamp) override { return GetFileStamp(name, stamp); }
    FileStamp now() override;
    FileVersion fileVersion(std::wstring_view name) override;
};
