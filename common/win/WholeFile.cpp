// GetFileSize64 and ReadWholeFile over AFilePtr.
#include "common/win/WholeFile.h"

#include "common/win/AFilePtr.h"

#include <new>

bool GetFileSize64(std::wstring_view name, uint64_t& size)
{
    AFilePtr file;
    return file.Open(name, AFilePtr::kRead) && file.Size(size);
}

bool ReadWholeFile(std::wstring_view name, FileBytes& bytes)
{
    try {
        AFilePtr file;
        uint64_t size = 0;
        // One open for the size and the bytes: a file that changes in between cannot make
        // the count disagree with the buffer.
        if (!file.Open(name, AFilePtr::kRead) || !file.Size(size) || size > UINT32_MAX)
            return false;
        FileBytes read;
        read.size = static_cast<size_t>(size);
        read.data = std::make_unique_for_overwrite<uint8_t[]>(read.size);
        if (read.size != 0 && file.Read(read.data.get(), read.size, 1) != 1)
            return false;
        bytes = std::move(read);
        return true;
    } catch (...) {
        return false;
    }
}
