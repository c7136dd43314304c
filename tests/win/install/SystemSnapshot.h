// SystemSnapshot: what an installer can leave behind, as text lines to compare before and after.
#pragma once
#include <windows.h>

#include <set>
#include <string>
#include <vector>

struct RegistryPlace {
    HKEY root;
    std::string rootName;  // "HKCU", "HKLM": the lines' prefix
    std::string key;
};

// Where to look. Paths are written as the lines give them ("HKCU\Software\...", "C:\...") and
// compared without regard to case.
struct SnapshotScope {
    std::vector<RegistryPlace> keys{};    // every key, value and value's data below them
    std::vector<std::string> folders{};   // every folder and file below them
    std::vector<std::string> ignored{};   // keys and folders the walk leaves out, with all below them
    // Stores of the system itself (Windows Installer's registration), with all below them: their
    // keys and folders may stay behind empty, so only the values and files in them are recorded.
    std::vector<std::string> bare{};
};

class SystemSnapshot {
public:
    explicit SystemSnapshot(const SnapshotScope& scope);

    [[nodiscard]] const std::set<std::string>& lines() const noexcept { return lines_; }

private:
    void addKey(HKEY key, const std::string& path);
    void addFolder(const std::string& path);
    void addPath(const std::string& path);

    std::vector<std::string> ignored_;
    std::vector<std::string> bare_;
    std::set<std::string> lines_;
};

// "+ line" for what `after` has beyond `before`, "- line" for what it lost; empty when equal.
[[nodiscard]] std::string Difference(const SystemSnapshot& before, const SystemSnapshot& after);
