// TFileDialog: the system's file open and save dialogs, with a filter in the "description|patterns|..." form.
#include "app/win/ui/TFileDialog.h"

#include "app/ui/FileFilterList.h"

#include <commdlg.h>

#include <vector>

bool TFileDialog::Execute(HWND owner)
{
    std::vector<char> name(32768, '\0');
    fileName_.copy(name.data(), name.size() - 1);
    const std::string filter = DialogFilterOf(filter_);
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
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
    readOnlyChecked_ = (dialog.Flags & OFN_READONLY) != 0;
    return true;
}
