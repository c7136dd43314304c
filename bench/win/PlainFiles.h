// What a plain program does with a file: the baselines the Windows benchmarks compare against.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

// One allocation of fresh memory, one read, one close; null when the file could not be read whole.
inline std::unique_ptr<char[]> PlainRead(const std::string& name, size_t size)
{
    HANDLE file = CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    auto bytes = std::make_unique_for_overwrite<char[]>(size);
    DWORD read = 0;
    const bool done = ReadFile(file, bytes.get(), static_cast<DWORD>(size), &read, nullptr) && read == size;
    CloseHandle(file);
    return done ? std::move(bytes) : nullptr;
}

// One write of the bytes to a new file and its flush to the disk.
inline bool PlainWrite(const std::string& name, const char* bytes, size_t size)
{
    HANDLE file = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool done = WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr) && written == size &&
                      FlushFileBuffers(file);
    CloseHandle(file);
    return done;
}
