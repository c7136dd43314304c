// CompareCommand: ActionToolCompare, its question for the two files and the compare window it owns.
#pragma once
#include "app/win/compare/TFormCompare.h"

#include <memory>
#include <string>

class EditorControl;
class TForm;

class CompareCommand {
public:
    CompareCommand(TForm& owner, EditorControl& control) : owner_(owner), control_(control) {}
    CompareCommand(const CompareCommand&) = delete;
    CompareCommand& operator=(const CompareCommand&) = delete;

    // Asks for the two files (the shown document and the file compared last by default) and
    // shows them in the compare window, one window at a time.
    void Run();
    // The shown document changed.
    void DocumentChanged();
    // Before the window and its control go: the compare window's run stops and the window goes.
    void Stop() noexcept { window_.reset(); }
    [[nodiscard]] TFormCompare* Window() const noexcept { return window_.get(); }

private:
    TForm& owner_;
    EditorControl& control_;
    std::unique_ptr<TFormCompare> window_;
    std::wstring lastSecond_;
};
