// AFilePtr: one open file with whole-item reads and writes, closed (and flushed) when it ends.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

// Names must be absolute: a drive letter and a colon, or a network name (\\server\share...);
// any other name (relative, empty) fails to open like a missing file. Names of any length open
// (FileCalls). Every system call runs with the critical-error boxes suppressed.
class AFilePtr {
public:
    // New files get the archive attribute.
    enum Mode {
        kRead,       // read; the file must exist; others may read
        kReadShared, // read; the file must exist; others may read, write, rename and delete it
        kWrite,      // write; created or emptied; others may read
        kUpdate,     // read and write; the file must exist; others may read and write
        kUpdateNew,  // read and write; created or emptied; others may read and write
    };
    enum Origin { kBegin = FILE_BEGIN, kCurrent = FILE_CURRENT, kEnd = FILE_END };

    AFilePtr() = default;
    virtual ~AFilePtr();
    AFilePtr(const AFilePtr&) = delete;
    AFilePtr& operator=(const AFilePtr&) = delete;

    // Closes what was open first. `exclusive` lets no other opener in, whatever the mode.
    bool Open(std::wstring_view name, Mode mode, bool exclusive = false);
    // Flushes a writable file, then closes it; nothing when closed.
    void Close() noexcept;
    // Closes without waiting for the disk: for files whose flush is done elsewhere.
    void CloseWithoutFlush() noexcept;
    [[nodiscard]] bool IsOpen() const noexcept { return handle_ != INVALID_HANDLE_VALUE; }
    [[nodiscard]] bool IsWritable() const noexcept { return writable_; }
    [[nodiscard]] bool IsExclusive() const noexcept { return exclusive_; }

    // Whole items only: the bytes of a partial item at the end are stepped back over, so the
    // file position stays after the last whole item. 0 without a system call when the item
    // size or the count is 0.
    size_t Read(void* buffer, size_t itemSize, size_t count);
    size_t Write(const void* buffer, size_t itemSize, size_t count);

    bool Seek(int64_t offset, Origin origin);
    // Moves to `length` and ends the file there (which reserves the space when it grows);
    // writable files only.
    bool SetLength(uint64_t length);
    bool Flush();
    [[nodiscard]] bool Size(uint64_t& size) const;
    // Where the next read or write goes.
    [[nodiscard]] bool Position(uint64_t& position) const;
    // Any of the times may be null.
    bool Times(FILETIME* creation, FILETIME* lastAccess, FILETIME* lastWrite) const;
    bool SetCreationTime(const FILETIME& creation);
    // What names the file itself on its volume, whatever name it is opened by.
    [[nodiscard]] bool Identity(uint32_t& volume, uint64_t& index) const;

private:
    // One system call moves at most this much, well inside a DWORD.
    static constexpr size_t TransferLimit = size_t{1} << 30;

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    bool writable_ = false;
    bool exclusive_ = false;
};
