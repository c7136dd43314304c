// TFormCompare: two documents side by side in read-only controls, scrolled together, with their differences.
#pragma once
#include "app/compare/CompareRegions.h"
#include "app/win/compare/CompareRun.h"
#include "app/win/ui/TActionList.h"
#include "app/win/ui/TForm.h"
#include "app/win/ui/TLabel.h"
#include "app/win/ui/TListBox.h"
#include "app/win/ui/TMenu.h"
#include "app/win/ui/TPanel.h"
#include "app/win/ui/TStatusBar.h"
#include "app/win/ui/TTimer.h"

#include <optional>
#include <string>

// One side of a comparison: a file, or the editor's shown document (its unsaved edits included).
struct CompareSide {
    std::wstring fileName;           // empty: the shown document
    HWND documentControl = nullptr;  // the shown document's control, when fileName is empty
    std::string title;               // shown above the side
};

// The window reads both sides into controls of its own, read-only, and compares their snapshots
// on a worker thread; nothing is written to either file. The current difference is selected in
// both controls; moving one control's view moves the other's by as many lines.
class TFormCompare final : public TForm {
public:
    TFormCompare(HWND owner, CompareSide first, CompareSide second, CompareMethod method);
    ~TFormCompare() override;

    TActionList ActionList;
    TMainMenu MainMenu;
    TPanel PanelNames{"PanelNames"};
    TLabel LabelFirst{"LabelFirst"};
    TLabel LabelSecond{"LabelSecond"};
    TListBox ListRegions{"ListRegions"};
    TStatusBar StatusBar{"StatusBar"};
    TTimer TimerScroll;

    [[nodiscard]] HWND FirstControl() const noexcept { return controls_[0]; }
    [[nodiscard]] HWND SecondControl() const noexcept { return controls_[1]; }
    [[nodiscard]] const std::optional<CompareResult>& Result() const noexcept { return result_; }
    [[nodiscard]] std::optional<size_t> Current() const noexcept { return current_; }
    // 0 identical, 1 different, 2 a side not opened or the comparison not done.
    [[nodiscard]] int ExitCode() const noexcept;

    // The editor's shown document changed: a side showing it no longer matches.
    void DocumentChanged();
    // Compares again, the shown document taken anew.
    void CompareAgain();
    void GoNext();
    void GoPrevious();
    // Selects region `index` in both controls, the list and the status line.
    void ShowRegion(size_t index);

protected:
    void CreateComponents() override;
    void FormCreate() override;
    void FormShow() override;
    void FormResize() override;
    void FormClose() override;
    void FormDestroy() override;
    bool FormMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    enum class Command { Next, Previous, Again, Cancel, CopyList, OpenFirst, OpenSecond, Close };
    void AddCommand(Command command, const char* name, const char* caption, Shortcut shortcut);
    void Run(Command command);
    // Fills a control from its side; false with the status line saying why.
    bool Load(int side);
    void Finished();
    void ShowStatus();
    void OpenInEditor(int side);
    void TimerScrollTimer();

    CompareSide sides_[2];
    CompareMethod method_;
    HWND controls_[2] = {nullptr, nullptr};
    bool loaded_[2] = {false, false};
    bool empty_[2] = {false, false};  // an empty file: its control shows one byte, the comparison none
    CompareRun run_;
    std::optional<CompareResult> result_;
    std::optional<size_t> current_;
    std::string notice_;  // said in place of the result: a side not opened, the document changed
    LONGLONG viewTops_[2] = {0, 0};
    TMenuItem* menu_ = nullptr;
};
