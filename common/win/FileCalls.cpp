// FileCalls: each call asks the fault plan, then makes the system call or stands in for its failure.
#include "common/win/FileCalls.h"

#include "common/FileFaults.h"
#include "common/win/WideName.h"

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

// The POSIX-semantics rename of Windows 10 1607, which the headers of an older target leave out:
// its class and flags, the flags standing where the older form keeps ReplaceIfExists.
constexpr auto kFileRenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);
constexpr DWORD kRenameReplaceIfExists = 0x1;
constexpr DWORD kRenamePosixSemantics = 0x2;

} // namespace

HANDLE FileCalls::Open(const char* name, DWORD access, DWORD sharing, DWORD disposition, DWORD attributes) noexcept
{
    HANDLE faulted = INVALID_HANDLE_VALUE;
    // A silent failure of an open cannot stand for a handle: it fails plainly.
    if (Faulted(FileOperation::Create, INVALID_HANDLE_VALUE, INVALID_HANDLE_VALUE, faulted))
        return faulted;
    return CreateFileA(name, access, sharing, nullptr, disposition, attributes, nullptr);
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

BOOL FileCalls::Move(const char* from, const char* to, DWORD flags) noexcept
{
    BOOL result = FALSE;
    return Faulted(FileOperation::Rename, TRUE, FALSE, result) ? result : MoveFileExA(from, to, flags);
}

BOOL FileCalls::RenameReplacing(HANDLE file, const char* to) noexcept
{
    BOOL result = FALSE;
    if (Faulted(FileOperation::Rename, TRUE, FALSE, result))
        return result;
    try {
        const std::wstring target = WideName(to);
        if (target.empty()) {
            SetLastError(ERROR_INVALID_NAME);
            return FALSE;
        }
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

BOOL FileCalls::Remove(const char* name) noexcept
{
    BOOL result = FALSE;
    return Faulted(FileOperation::Delete, TRUE, FALSE, result) ? result : DeleteFileA(name);
}

BOOL FileCalls::SetAttributes(const char* name, DWORD attributes) noexcept
{
    BOOL result = FALSE;
    return Faulted(FileOperation::Attributes, TRUE, FALSE, result) ? result : SetFileAttributesA(name, attributes);
}

UINT FileCalls::MakeTemporary(const char* folder, const char* prefix, char* name) noexcept
{
    UINT result = 0;
    // A silent failure would give a name with no file behind it: it fails plainly.
    if (Faulted(FileOperation::Create, UINT{0}, UINT{0}, result))
        return result;
    return GetTempFileNameA(folder, prefix, 0, name);
}
