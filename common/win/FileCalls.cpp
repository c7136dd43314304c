// FileCalls: each call asks the fault plan, then makes the system call or stands in for its failure.
#include "common/win/FileCalls.h"

#include "common/FileFaults.h"
#include "common/PathString.h"
#include "common/win/FileSystem.h"

#include <cstddef>
#include <cstring>
#include <new>
#include <vector>

namespace {

// The plan's answer for the next operation: go on (null), or fail as it says. A silent
// failure gives `success`; a plain one sets the error and gives `failure`.
template <typename Result>
bool Faulted(FileOperation operation, Result success, Result failure, Result& result) noexcept
{
    const FaultPlan* fault = FileFaults::Next(operation);
    if (!fault)
        return false;
    if (fault->mode == FaultPlan::Mode::Silent) {
        result = success;
    } else {
        SetLastError(fault->error);
        result = failure;
    }
    return true;
}

// The name in the system's form; a name that cannot be held fails the call.
bool ToSystem(std::wstring_view name, std::wstring& system) noexcept
{
    try {
        system = SystemName(name);
        return true;
    } catch (...) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
}

// The POSIX-semantics rename of Windows 10 1607, which the headers of an older target leave out:
// its class and flags, the flags standing where the older form keeps ReplaceIfExists.
constexpr auto kFileRenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);
constexpr DWORD kRenameReplaceIfExists = 0x1;
constexpr DWORD kRenamePosixSemantics = 0x2;

} // namespace

HANDLE FileCalls::Open(std::wstring_view name, DWORD access, DWORD sharing, DWORD disposition, DWORD attributes) noexcept
{
    HANDLE faulted = INVALID_HANDLE_VALUE;
    // A silent failure of an open cannot stand for a handle: it fails plainly.
    if (Faulted(FileOperation::Create, INVALID_HANDLE_VALUE, INVALID_HANDLE_VALUE, faulted))
        return faulted;
    std::wstring system;
    if (!ToSystem(name, system))
        return INVALID_HANDLE_VALUE;
    return CreateFileW(system.c_str(), access, sharing, nullptr, disposition, attributes, nullptr);
}

BOOL FileCalls::Write(HANDLE file, const void* bytes, DWORD count, DWORD* written) noexcept
{
    BOOL result = FALSE;
    if (Faulted(FileOperation::Write, TRUE, FALSE, result)) {
        // A silent write claims every byte; a failed one none.
        *written = result ? count : 0;
        return result;
    }
    return WriteFile(file, bytes, count, written, nullptr);
}

BOOL FileCalls::Flush(HANDLE file) noexcept
{
    BOOL result = FALSE;
    return Faulted(FileOperation::Flush, TRUE, FALSE, result) ? result : FlushFileBuffers(file);
}

BOOL FileCalls::EndHere(HANDLE file) noexcept
{
    BOOL result = FALSE;
    return Faulted(FileOperation::SetSize, TRUE, FALSE, result) ? result : SetEndOfFile(file);
}

BOOL FileCalls::SetTimes(HANDLE file, const FILETIME* creation, const FILETIME* lastAccess,
                         const FILETIME* lastWrite) noexcept
{
    BOOL result = FALSE;
    return Faulted(FileOperation::Attributes, TRUE, FALSE, result) ? result
                                                                     : SetFileTime(file, creation, lastAccess, lastWrite);
}

BOOL FileCalls::Move(std::wstring_view from, std::wstring_view to, DWORD flags) noexcept
{
    BOOL result = FALSE;
    if (Faulted(FileOperation::Rename, TRUE, FALSE, result))
        return result;
    std::wstring systemFrom, systemTo;
    if (!ToSystem(from, systemFrom) || !ToSystem(to, systemTo))
        return FALSE;
    return MoveFileExW(systemFrom.c_str(), systemTo.c_str(), flags);
}

BOOL FileCalls::RenameReplacing(HANDLE file, std::wstring_view to) noexcept
{
    BOOL result = FALSE;
    if (Faulted(FileOperation::Rename, TRUE, FALSE, result))
        return result;
    std::wstring target;
    if (!ToSystem(to, target))
        return FALSE;
    if (target.empty()) {
        SetLastError(ERROR_INVALID_NAME);
        return FALSE;
    }
    try {
        const size_t nameBytes = target.size() * sizeof(wchar_t);
        std::vector<unsigned char> block(offsetof(FILE_RENAME_INFO, FileName) + nameBytes + sizeof(wchar_t));
        auto* info = reinterpret_cast<FILE_RENAME_INFO*>(block.data());
        const DWORD flags = kRenameReplaceIfExists | kRenamePosixSemantics;
        std::memcpy(block.data(), &flags, sizeof flags);
        info->RootDirectory = nullptr;
        info->FileNameLength = static_cast<DWORD>(nameBytes);
        target.copy(info->FileName, target.size());
        return SetFileInformationByHandle(file, kFileRenameInfoEx, info, static_cast<DWORD>(block.size()));
    } catch (const std::bad_alloc&) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
}

BOOL FileCalls::Remove(std::wstring_view name) noexcept
{
    BOOL result = FALSE;
    if (Faulted(FileOperation::Delete, TRUE, FALSE, result))
        return result;
    std::wstring system;
    return ToSystem(name, system) && DeleteFileW(system.c_str());
}

BOOL FileCalls::SetAttributes(std::wstring_view name, DWORD attributes) noexcept
{
    BOOL result = FALSE;
    if (Faulted(FileOperation::Attributes, TRUE, FALSE, result))
        return result;
    std::wstring system;
    return ToSystem(name, system) && SetFileAttributesW(system.c_str(), attributes);
}

std::wstring FileCalls::MakeTemporary(std::wstring_view folder, std::wstring_view prefix) noexcept
{
    UINT result = 0;
    // A silent failure would give a name with no file behind it: it fails plainly.
    if (Faulted(FileOperation::Create, UINT{0}, UINT{0}, result))
        return {};
    try {
        std::wstring base(folder);
        if (!base.ends_with(L'\\'))
            base += L'\\';
        base += prefix;
        // GetTempFileNameW writes at most MAX_PATH characters and takes a folder of at most
        // MAX_PATH - 14; past that the same names are tried here, from a number of the clock.
        if (base.size() + 8 < MAX_PATH) {
            wchar_t made[MAX_PATH + 1] = {};
            const std::wstring folderText(folder);
            const std::wstring prefixText(prefix);
            return GetTempFileNameW(folderText.c_str(), prefixText.c_str(), 0, made) ? std::wstring(made)
                                                                                    : std::wstring();
        }
        const DWORD start = GetTickCount() & 0xFFFF;
        for (DWORD step = 0; step < 0x10000; ++step) {
            const DWORD unique = (start + step) & 0xFFFF;
            if (unique == 0)
                continue;
            std::wstring name = base;
            for (int shift = 12; shift >= 0; shift -= 4)
                if (unique >> shift)
                    name += L"0123456789ABCDEF"[(unique >> shift) & 0xF];
            name += L".tmp";
            const HANDLE file = CreateFileW(SystemName(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file != INVALID_HANDLE_VALUE) {
                CloseHandle(file);
                return name;
            }
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
                return {};
        }
        return {};
    } catch (...) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return {};
    }
}
