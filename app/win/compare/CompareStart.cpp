// RunCompareWindow: the compare window as the main form.
#include "app/win/compare/CompareStart.h"

#include "app/compare/CompareReport.h"
#include "app/win/compare/TFormCompare.h"
#include "app/win/ui/TApplication.h"
#include "common/win/WideText.h"

int RunCompareWindow(const std::wstring& first, const std::wstring& second, int showCommand)
{
    TFormCompare form(nullptr, {first, nullptr, ShownName(first)}, {second, nullptr, ShownName(second)}, CompareMethod::ByteByByte);
    Application.SetMainForm(&form);
    form.Show(showCommand);
    Application.Run();
    Application.SetMainForm(nullptr);
    return form.ExitCode();
}
