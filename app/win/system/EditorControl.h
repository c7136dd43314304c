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

    int dataSize() override;
    int caretPos() override;
    bool setCaretPos(int nibble) override;
    int viewTop() override;
    bool setViewTop(int nibble) override;
    int selectionBegin() override;
    int selectionSize() override;
    bool setSelection(int nibble, int count) override;
    int bookMark(int index) override;
    bool setBookMark(int index, int nibble) override;
    bool findFirst(int nibble, const uint8_t* pattern, int count) override;
    bool findNext(int nibble, const uint8_t* pattern, int count) override;
    bool findPrev(int nibble, const uint8_t* pattern, int count) override;
    bool findCaseless(FindDirection direction, int nibble, const uint8_t* pattern, const uint8_t* caseFlags,
                      int count) override;
    bool replaceSelection(const uint8_t* bytes, int count) override;

private:
    HWND control_;
};
