// Driving modal forms from a test: steps run inside a form's modal loop, answers for dialogs a command opens itself.
#pragma once
#include <windows.h>

#include <deque>
#include <functional>
#include <string>

// Runs `step` when the message loop running then (a modal form's, say) dispatches it.
void PostStep(std::function<void(HWND)> step, HWND window = nullptr);

// Shows the form modally and runs `steps` once its loop is running; returns ShowModal's
// result. Steps that set a modal result (a button click) end the loop after they return.
template <class Form>
int ShowModalWith(Form& form, const std::function<void()>& steps)
{
    form.HandleNeeded();
    PostStep([steps](HWND) { steps(); });
    return form.ShowModal();
}

// While it lives, each activation of a top-level window of a queued class runs that class's
// next action, with the window, from inside the window's own modal loop.
class DialogAnswerer {
public:
    DialogAnswerer();
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    void queue(std::string className, std::function<void(HWND)> action);
    // Actions still waiting for their window.
    [[nodiscard]] size_t pending() const noexcept { return actions_.size(); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    struct Entry {
        std::string className;
        std::function<void(HWND)> action;
    };
    HHOOK hook_ = nullptr;
    std::deque<Entry> actions_;
};

// The first child (at any depth) whose text is `text`, or null.
HWND ChildWithText(HWND parent, const std::string& text);
// Clicks a button as the mouse would.
void Click(HWND button);
// Types the characters into the focused-or-not edit as WM_CHAR messages.
void TypeText(HWND edit, const std::string& text);
// The window's text.
std::string TextOf(HWND window);
