// TFileDialog: the system's file open and save dialogs, with a filter in the "description|patterns|..." form.
#include "app/win/ui/TFileDialog.h"

#include "app/ui/FileFilterList.h"

#include "common/win/WideText.h"

#include <commdlg.h>

#include <vector>

bool TFileDialog::Execute(HWND owner)
{
    std::vector<wchar_t> name(32768, L'\0');
    fileName_.copy(name.data(), name.size() - 1);
    // The filter's pairs are NUL-separated, so it is widened whole, NULs and all.
    const std::string narrowFilter = DialogFilterOf(filter_);
    const std::wstring filter = WideFromAnsi(narrowFilter);
    const std::wstring title = WideFromAnsi(title_);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = initialDir_.empty() ? nullptr : initialDir_.c_str();
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | options_;
    const BOOL chosen = kind_ == Kind::Open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
    if (!chosen)
        return false;
    fileName_ = name.data();
    readOnlyChecked_ = (dialog.Flags & OFN_READONLY) != 0;
    return true;
}
