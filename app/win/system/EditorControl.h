// EditorControl: ControlAccess over the bound exports of talvine.dll, for one control window.
#pragma once
#include "app/documents/ControlAccess.h"

#include <windows.h>

// The program's commands reach the control through this adapter, so the portable command
// logic (find, replace runs, remembered views) runs unchanged against the real control.
class EditorControl : public ControlAccess {
public:
    explicit EditorControl(HWND control) noexcept : control_(control) {}

    [[nodiscard]] HWND Handle() const noexcept { return control_; }
    // The keyboard focus to the control, as every command gives it back when it is done.
    void Focus() const noexcept
    {
        if (control_)
            ::SetFocus(control_);
    }

    int64_t dataSize() override;
    int64_t caretPos() override;
    bool setCaretPos(int64_t nibble) override;
    int64_t viewTop() override;
    bool setViewTop(int64_t nibble) override;
    int64_t selectionBegin() override;
    int64_t selectionSize() override;
    bool setSelection(int64_t nibble, int64_t count) override;
    int64_t bookMark(int index) override;
    bool setBookMark(int index, int64_t nibble) override;
    FindResult find(FindDirection direction, int64_t nibble, const uint8_t* pattern, int count, FindMatch match,
                    const uint8_t* caseFlags) override;
    bool replaceSelection(const uint8_t* bytes, int count) override;

private:
    HWND control_;
};
