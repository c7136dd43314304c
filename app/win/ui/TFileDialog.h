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
    // Names are UTF-16, as the W dialogs take and give them.
    void SetInitialDir(std::wstring folder) { initialDir_ = std::move(folder); }
    void SetFileName(std::wstring name) { fileName_ = std::move(name); }
    [[nodiscard]] const std::wstring& FileName() const noexcept { return fileName_; }
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
    std::wstring initialDir_;
    std::wstring fileName_;
    DWORD options_ = 0;
    bool readOnlyChecked_ = false;
};
