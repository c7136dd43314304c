// RunCompareWindow: the compare window as the main form.
#include "app/win/compare/CompareStart.h"

#include "app/compare/CompareReport.h"
#include "app/win/compare/TFormCompare.h"
#include "app/win/ui/TApplication.h"

int RunCompareWindow(const std::string& first, const std::string& second, int showCommand)
{
    TFormCompare form(nullptr, {first, nullptr, first}, {second, nullptr, second}, CompareMethod::ByteByByte);
    Application.SetMainForm(&form);
    form.Show(showCommand);
    Application.Run();
    Application.SetMainForm(nullptr);
    return form.ExitCode();
}
