// TFileDialog: the system's file open and save dialogs, with a filter in the "description|patterns|..." form.
#pragma once
#include <windows.h>

#include <string>

class TFileDialog {
public:
    enum class Kind { Open, Save };
    explicit TFileDialog(Kind kind) noexcept : kind_(kind) {}

    void SetTitle(std::string title) { title_ = std::move(title); }
    // Pairs of a description and a pattern list, every part separated by "|".
    void SetFilter(std::string filter) { filter_ = std::move(filter); }
    [[nodiscard]] const std::string& Filter() const noexcept { return filter_; }
    void SetInitialDir(std::string folder) { initialDir_ = std::move(folder); }
    void SetFileName(std::string name) { fileName_ = std::move(name); }
    [[nodiscard]] const std::string& FileName() const noexcept { return fileName_; }
    // OFN_ flags added to the dialog's own (OFN_OVERWRITEPROMPT, OFN_HIDEREADONLY, OFN_ENABLESIZING, ...).
    void SetOptions(DWORD flags) noexcept { options_ = flags; }

    // Shows the dialog; true with FileName set when the user chose a file.
    bool Execute(HWND owner);
    // The open dialog's read-only box was checked when the file was chosen.
    [[nodiscard]] bool ReadOnlyChecked() const noexcept { return readOnlyChecked_; }

private:
    Kind kind_;
    std::string title_;
    std::string filter_;
    std::string initialDir_;
    std::string fileName_;
    DWORD options_ = 0;
    bool readOnlyChecked_ = false;
};
