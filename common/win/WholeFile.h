// Whole files: a file's 64-bit size and all its bytes read as one block.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

// Bytes read from a file, exactly as many as it held.
struct FileBytes {
    std::unique_ptr<uint8_t[]> data;
    size_t size = 0;
};

// The size of the file; false when it cannot be opened for reading (missing, no access, a
// name that is not absolute) or the system reports no size.
[[nodiscard]] bool GetFileSize64(std::wstring_view name, uint64_t& size);

// Reads the whole file, opened shared for reading, into `bytes`; false, with `bytes` left
// as it was, when it cannot be opened, is 4 GiB or larger, does not fit in memory, or gives
// fewer bytes than its size. An empty file reads as no bytes.
bool ReadWholeFile(std::wstring_view name, FileBytes& bytes);
