// Checksums: the CNG hashes and ntdll's CRC-32, bound by name.
#include "app/win/tools/Checksums.h"

#include <algorithm>

namespace {

// CNG's algorithm names (BCRYPT_MD5_ALGORITHM, ...), in the order of ChecksumKind after Crc32.
constexpr const wchar_t* kAlgorithmNames[] = {L"MD5", L"SHA1", L"SHA256"};

template <class Proc>
Proc Bind(HMODULE module, const char* name)
{
    const FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    if (!found)
        throw ChecksumError("checksum provider missing");
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(found));
}

bool Succeeded(LONG status) noexcept { return status >= 0; }

} // namespace

Checksums::Checksums()
{
    crc_ = Bind<CrcProc>(GetModuleHandleA("ntdll.dll"), "RtlComputeCrc32");
    // From the system folder only, never from beside the program or the current folder.
    bcrypt_ = LoadLibraryExA("bcrypt.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    try {
        open_ = Bind<OpenProc>(bcrypt_, "BCryptOpenAlgorithmProvider");
        close_ = Bind<CloseProc>(bcrypt_, "BCryptCloseAlgorithmProvider");
        create_ = Bind<CreateProc>(bcrypt_, "BCryptCreateHash");
        data_ = Bind<DataProc>(bcrypt_, "BCryptHashData");
        finish_ = Bind<FinishProc>(bcrypt_, "BCryptFinishHash");
        destroy_ = Bind<DestroyProc>(bcrypt_, "BCryptDestroyHash");
        for (int i = 0; i < kHashCount; ++i) {
            // A null object buffer lets CNG keep the hash state itself.
            if (!Succeeded(open_(&algorithms_[i], kAlgorithmNames[i], nullptr, 0)) ||
                !Succeeded(create_(algorithms_[i], &hashes_[i], nullptr, 0, nullptr, 0, 0)))
                throw ChecksumError("checksum provider failed");
        }
    } catch (...) {
        Release();
        throw;
    }
}

Checksums::~Checksums() { Release(); }

void Checksums::Release() noexcept
{
    for (int i = 0; i < kHashCount; ++i) {
        if (hashes_[i])
            destroy_(hashes_[i]);
        if (algorithms_[i])
            close_(algorithms_[i], 0);
        hashes_[i] = algorithms_[i] = nullptr;
    }
    if (bcrypt_)
        FreeLibrary(bcrypt_);
    bcrypt_ = nullptr;
}

void Checksums::Add(const uint8_t* bytes, size_t count)
{
    for (const ChecksumKind kind : {ChecksumKind::Crc32, ChecksumKind::Md5, ChecksumKind::Sha1, ChecksumKind::Sha256})
        Add(kind, bytes, count);
}

void Checksums::Add(ChecksumKind kind, const uint8_t* bytes, size_t count)
{
    if (finished_)
        throw ChecksumError("checksums already finished");
    // Both interfaces take 32-bit counts, and Wine's SHA-1 miscounts the length of a single
    // piece of 512 MiB or more (a wrong digest, reported as success): pieces stay far below.
    constexpr size_t kPiece = size_t{64} << 20;
    for (size_t done = 0; done < count;) {
        const size_t piece = std::min(kPiece, count - done);
        const uint8_t* at = bytes + done;
        if (kind == ChecksumKind::Crc32)
            crc32_ = crc_(crc32_, at, static_cast<INT>(piece));
        else if (!Succeeded(data_(hashes_[static_cast<int>(kind) - 1], const_cast<UCHAR*>(at),
                                  static_cast<ULONG>(piece), 0)))
            throw ChecksumError("checksum provider failed");
        done += piece;
    }
}

ChecksumDigests Checksums::Finish()
{
    if (finished_)
        throw ChecksumError("checksums already finished");
    finished_ = true;
    ChecksumDigests digests;
    digests.crc32 = crc32_;
    UCHAR* const outputs[kHashCount] = {digests.md5.data(), digests.sha1.data(), digests.sha256.data()};
    const ULONG sizes[kHashCount] = {static_cast<ULONG>(digests.md5.size()), static_cast<ULONG>(digests.sha1.size()),
                                     static_cast<ULONG>(digests.sha256.size())};
    for (int i = 0; i < kHashCount; ++i)
        if (!Succeeded(finish_(hashes_[i], outputs[i], sizes[i], 0)))
            throw ChecksumError("checksum provider failed");
    return digests;
}
