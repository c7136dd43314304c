// TApplication: the program's message loop, with shortcuts and dialog keys, and its exception display.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <utility>

class TForm;

class TApplication {
public:
    void SetTitle(std::string title) { title_ = std::move(title); }
    [[nodiscard]] const std::string& Title() const noexcept { return title_; }

    // Closing the main form ends the loop.
    void SetMainForm(TForm* form) noexcept { mainForm_ = form; }
    [[nodiscard]] TForm* MainForm() const noexcept { return mainForm_; }

    // Runs the message loop until WM_QUIT; returns its exit code.
    int Run();
    // Runs in Run's loop each time the message queue has gone empty, before it waits.
    std::function<void()> OnIdle;
    // One message: first the shortcuts and dialog keys of the form it is for, then the
    // usual translation and dispatch.
    void ProcessMessage(MSG& message);
    // Handles every message waiting, without waiting for more.
    void ProcessMessages();
    // The one display of a failure, called inside a catch block: out of memory as the
    // out-of-memory box, a std::exception as an error box with its text, anything else as an
    // error box with UnknownFailureText. The box belongs to the owner's top-level window, or
    // to the main form when no owner is given.
    void HandleException(HWND owner) noexcept;
    // The program's text for a failure that tells nothing about itself.
    void SetUnknownFailureText(std::string text) { unknownFailureText_ = std::move(text); }

private:
    std::string title_;
    std::string unknownFailureText_;
    TForm* mainForm_ = nullptr;
};

extern TApplication Application;
