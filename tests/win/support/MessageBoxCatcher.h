// Catches the message boxes a test provokes: a CBT hook records text, caption and flags of
// each box as it opens and closes it with the answer the test queued (OK or Cancel otherwise).
#pragma once
#include <windows.h>

#include <deque>
#include <string>
#include <vector>

struct CaughtBox {
    std::string caption;
    std::string text;
    UINT flags = 0;  // buttons and icon, rebuilt from the box's controls
};

class MessageBoxCatcher {
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher();
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    // The button (IDOK, IDYES, ...) that closes the next box.
    void answer(int button) { answers_.push_back(button); }
    [[nodiscard]] const std::vector<CaughtBox>& boxes() const noexcept { return boxes_; }
    void clear() { boxes_.clear(); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    void caught(HWND box);

    HHOOK hook_ = nullptr;
    std::deque<int> answers_;
    std::vector<CaughtBox> boxes_;
};

// Reads a message box window of any process: caption, text and flags.
CaughtBox ReadMessageBox(HWND box);
