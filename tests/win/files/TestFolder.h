// A fresh folder per test in the temporary folder, and plain file helpers that bypass the file layer.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TestFolder {
public:
    // Made under `parent` (the temporary folder when empty), with a name of its own.
    explicit TestFolder(const std::string& parent = {});
    ~TestFolder();  // removes the folder and everything in it
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    [[nodiscard]] const std::string& path() const noexcept { return path_; }
    [[nodiscard]] std::string operator/(std::string_view name) const { return path_ + "\\" + std::string(name); }
    // The names in the folder, sorted, without "." and "..".
    [[nodiscard]] std::vector<std::string> names() const;

private:
    std::string parent_;
    std::string path_;
};

// Plain Win32 writes and reads for setting up and checking files.
void PutFile(const std::string& path, std::string_view bytes);
[[nodiscard]] std::string FileText(const std::string& path);  // "<missing>" when unreadable
// A file of `size` bytes whose length is set without writing (sparse where the disk allows).
bool MakeSizedFile(const std::string& path, uint64_t size);
// Some bytes of every value, `size` long, depending on `seed`.
[[nodiscard]] std::string PatternBytes(size_t size, unsigned seed = 1);
