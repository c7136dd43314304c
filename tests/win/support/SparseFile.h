// A file in the temporary folder made by a plain program: a given size, sparse where nothing was
// written (SetFilePointerEx and SetEndOfFile), with a few known bytes at known offsets; removed
// at the end.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

class SparseFile {
public:
    SparseFile(const std::wstring& name, uint64_t size)
        : path_(TempFolder() + name + L"_" + std::to_wstring(GetCurrentProcessId()) + L".bin")
    {
        HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        LARGE_INTEGER end;
        end.QuadPart = static_cast<LONGLONG>(size);
        made_ = file != INVALID_HANDLE_VALUE && SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
    ~SparseFile() { DeleteFileW(path_.c_str()); }
    SparseFile(const SparseFile&) = delete;
    SparseFile& operator=(const SparseFile&) = delete;

    [[nodiscard]] bool made() const noexcept { return made_; }
    [[nodiscard]] const std::wstring& path() const noexcept { return path_; }

    // Writes `bytes` at `offset`, as another program would.
    bool write(uint64_t offset, std::string_view bytes) const
    {
        HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return false;
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD written = 0;
        const bool done = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, &at) &&
                          written == bytes.size();
        CloseHandle(file);
        return done;
    }

private:
    static std::wstring TempFolder()
    {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        return folder;
    }

    std::wstring path_;
    bool made_ = false;
};
