// FileSource: a file opened for reading as the document's base. Others may read it, rename it
// or delete its name, but not write its bytes (unless it was opened sharing writes, the
// read-only fallback); the handle reads on after its name moved or went. Reads name their
// offsets, so several threads may read at once; small reads go through a block cache.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "core/BlockCache.h"
#include "core/ByteSource.h"

class FileSource final : public ByteSource {
public:
    enum class Sharing { ReadersOnly, WritersToo };

    // The file opened, or null with `error` set to the system's code (ERROR_SHARING_VIOLATION
    // when another program holds it open for writing and writers are not shared).
    static std::shared_ptr<FileSource> Open(const wchar_t* name, Sharing sharing, DWORD& error);
    ~FileSource() override;

    [[nodiscard]] uint64_t size() const noexcept override { return size_; }
    [[nodiscard]] bool read(uint64_t offset, uint8_t* out, size_t count) const noexcept override;

    [[nodiscard]] const std::wstring& name() const noexcept { return name_; }
    [[nodiscard]] Sharing sharing() const noexcept { return sharing_; }

private:
    FileSource(HANDLE handle, uint64_t size, std::wstring name, Sharing sharing) noexcept;
    // Exactly [offset, offset + count) from the file; false on any failure or a short read.
    bool readFile(uint64_t offset, uint8_t* out, size_t count) const noexcept;

    HANDLE handle_;
    uint64_t size_;  // taken at the open; the file cannot grow or shrink under a reader-only share
    std::wstring name_;
    Sharing sharing_;
    mutable BlockCache cache_;
};
