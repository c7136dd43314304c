// TFileDialog: the system's file open and save dialogs, with a filter in the "description|patterns|..." form.
#include "app/win/ui/TFileDialog.h"

#include <commdlg.h>

#include <vector>

namespace {

// "a|b|c|d" becomes "a\0b\0c\0d\0\0", as the dialog wants it. A "|" inside a double-byte
// character is a trail byte, not a separator.
std::vector<char> SystemFilter(const std::string& filter)
{
    std::vector<char> result;
    for (size_t i = 0; i < filter.size(); ++i) {
        const auto byte = static_cast<unsigned char>(filter[i]);
        if (IsDBCSLeadByteEx(932, byte) && i + 1 < filter.size()) {
            result.push_back(filter[i]);
            result.push_back(filter[++i]);
            continue;
        }
        result.push_back(filter[i] == '|' ? '\0' : filter[i]);
    }
    result.push_back('\0');
    result.push_back('\0');
    return result;
}

} // namespace

bool TFileDialog::Execute(HWND owner)
{
    std::vector<char> name(32768, '\0');
    fileName_.copy(name.data(), name.size() - 1);
    std::vector<char> filter = SystemFilter(filter_);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter_.empty() ? nullptr : filter.data();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = initialDir_.empty() ? nullptr : initialDir_.c_str();
    dialog.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | options_;
    const BOOL chosen = kind_ == Kind::Open ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
    if (!chosen)
        return false;
    fileName_ = name.data();
    return true;
}
