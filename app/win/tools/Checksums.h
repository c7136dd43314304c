// Checksums: CRC-32, MD5, SHA-1 and SHA-256 of a byte stream, computed by the system's own implementations.
#pragma once
#include "app/tools/ChecksumReport.h"

#include "common/AError.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>

// A provider is missing or refused a step.
class ChecksumError : public ASystemError {
public:
    using ASystemError::ASystemError;
};

// The hashes come from CNG (bcrypt.dll), the CRC from ntdll's RtlComputeCrc32. Both are bound at
// run time, so a system without them gets a message from the command instead of a program that
// does not start. Bytes are added in any pieces, to all sums or to one; Finish gives each sum
// over the bytes it was given. Different sums may be fed from different threads at once.
class Checksums {
public:
    // Throws ChecksumError when a provider cannot be loaded or opened.
    Checksums();
    ~Checksums();
    Checksums(const Checksums&) = delete;
    Checksums& operator=(const Checksums&) = delete;

    // Throws ChecksumError when a hash refuses the bytes; the sums are then of no use.
    void Add(const uint8_t* bytes, size_t count);
    void Add(ChecksumKind kind, const uint8_t* bytes, size_t count);
    // The sums of the bytes added so far; once called, the object takes no more bytes.
    [[nodiscard]] ChecksumDigests Finish();

private:
    static constexpr int kHashCount = 3;  // MD5, SHA-1, SHA-256

    using CrcProc = DWORD(WINAPI*)(DWORD initial, const BYTE* bytes, INT count);
    using OpenProc = LONG(WINAPI*)(void** algorithm, const wchar_t* id, const wchar_t* implementation, ULONG flags);
    using CloseProc = LONG(WINAPI*)(void* algorithm, ULONG flags);
    using CreateProc = LONG(WINAPI*)(void* algorithm, void** hash, UCHAR* object, ULONG objectSize, UCHAR* secret,
                                     ULONG secretSize, ULONG flags);
    using DataProc = LONG(WINAPI*)(void* hash, UCHAR* bytes, ULONG count, ULONG flags);
    using FinishProc = LONG(WINAPI*)(void* hash, UCHAR* digest, ULONG size, ULONG flags);
    using DestroyProc = LONG(WINAPI*)(void* hash);

    void Release() noexcept;

    HMODULE bcrypt_ = nullptr;
    CrcProc crc_ = nullptr;
    OpenProc open_ = nullptr;
    CloseProc close_ = nullptr;
    CreateProc create_ = nullptr;
    DataProc data_ = nullptr;
    FinishProc finish_ = nullptr;
    DestroyProc destroy_ = nullptr;
    void* algorithms_[kHashCount] = {};
    void* hashes_[kHashCount] = {};
    uint32_t crc32_ = 0;
    bool finished_ = false;
};
